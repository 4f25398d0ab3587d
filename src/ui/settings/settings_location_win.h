#pragma once
// The settings file of this run: beside the program, or in the user's folder when the program's
// folder may not be written (settings/settings_location), and the one-instance rule on that file.
#include "base/handles_win.h"

#include <windows.h>

#include <string>

struct SettingsFile {
    std::wstring iniPath;      // empty when no path could be built
    std::wstring updateFolder; // where a new version is offered to go at first
};

// The settings file in use. For a file in the user's folder it makes the folder and, on the first
// such start, copies the INI file beside the program into it; a new version then goes there too.
SettingsFile chooseSettingsFile();

// For a start under the one-instance rule on the settings file at iniPath. When this is the only
// instance, the lock it holds for the rest of the run (keep it alive); otherwise the running
// instance, even one still opening its window, is brought to the front, and running is set. A
// window with the program's title counts as running too, as it always did.
AutoCloseHandle becomeTheOnlyInstance(const std::wstring& iniPath, bool& running);
