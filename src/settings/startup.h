#pragma once
// Start-up rules that need no window: the INI file's path.
#include <string>

// The program file's path with its last three characters replaced by "ini"; empty when too short.
std::wstring iniPathFor(const std::wstring& programPath);
