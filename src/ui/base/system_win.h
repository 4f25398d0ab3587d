#pragma once
// The system's version, for the few places that draw differently on old Windows, and where the
// program's own file lies.
#include <windows.h>

#include <string>

// Windows 95 and NT 4.0.
int isSystemVersion40();
// Windows XP.
int isSystemVersion51();

// The program's own file; empty when its path is too long to be used.
std::wstring programPath();
// The folder of the program's own file, without the last backslash.
std::wstring programFolder();
