#pragma once
// Start-up rules that need no window: the INI file's path and the name of its lock.
#include <string>

// The program file's path with its last three characters replaced by "ini"; empty when too short.
std::wstring iniPathFor(const std::wstring& programPath);

// The name of the system-wide lock of an INI file: the same for every spelling of one path
// (case of ASCII letters, '/' or '\\'), and short enough for any object name.
std::wstring iniLockName(const std::wstring& iniPath);
