#pragma once
// The settings file of this run: beside the program, or in the user's folder when the program's
// folder may not be written (settings/settings_location), and the one-instance rule on that file.
#include <windows.h>

#include <string>

// Sets iniPath to the settings file in use. For a file in the user's folder it makes the folder
// and, on the first such start, copies the INI file beside the program into it.
void chooseSettingsFile();

// The folder a new version is saved to at first: the program's, or, when the settings had to
// move to the user's folder, theirs.
std::wstring defaultUpdateFolder();

// For a start under the one-instance rule: true when this is the only instance on the settings
// file in use (it keeps a lock for the rest of the run). Otherwise the running instance, even one
// still opening its window, is brought to the front, and the result is false. A window with the
// program's title counts as running too, as it always did.
bool becomeTheOnlyInstance();
