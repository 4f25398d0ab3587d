#pragma once
// Where the program's own file lies.
#include <windows.h>

#include <string>

// The program's own file; empty when its path is too long to be used.
std::wstring programPath();
// The folder of the program's own file, without the last backslash.
std::wstring programFolder();
