#pragma once
// Rules of the INI file that need no window: its path, the name of its lock and its save.
#include <string>

// The program file's path with its last three characters replaced by "ini"; empty when too short.
std::wstring iniPathFor(const std::wstring& programPath);

// The name of the system-wide lock of an INI file: the same for every spelling of one path
// (case of ASCII letters, '/' or '\\'), and short enough for any object name.
std::wstring iniLockName(const std::wstring& iniPath);
// The name of the lock an instance holds for its whole run on an INI file ("MultiInst" not 1), so
// that of two starts at the same moment only one opens a window.
std::wstring instanceLockName(const std::wstring& iniPath);

// The file a save writes into before it takes the INI file's place: beside it, so that the
// replacement is a rename on the same disk.
std::wstring iniSavingPathFor(const std::wstring& iniPath);

// What the user reads when the exit save could not replace the file (path in UTF-8).
std::string iniSaveFailedText(const std::string& iniPath);
