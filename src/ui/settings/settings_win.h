#pragma once
// The INI file beside the program, read at start-up and written at exit.
#include "settings/settings.h"

#include <string>

// The INI file's path; empty when it could not be built.
extern std::wstring iniPath;

// As before the start: no INI path, the default highlight colour.
void resetIniFile();
// The private-profile functions on iniPath, as an IniStore.
IniStore profileStore();
// Reads the settings and the players of both modes.
void loadTeamModel();
// Writes the settings and, where asked for, the players, as one replacement of the file; then
// frees the players. When the file cannot be replaced it stays as it was, the user is told, and
// the result is false.
bool saveAll();
