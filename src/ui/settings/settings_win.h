#pragma once
// The INI file beside the program, read at start-up and written at exit.
#include "settings/settings.h"

#include <string>
#include <vector>

// The private-profile functions on the file at path, as an IniStore.
IniStore profileStore(const std::wstring& path);
// Reads the settings and the players of both modes under the file's lock; the messages for
// faulty players go to faults, to be shown once the file is free again.
TeamModel loadTeamModel(const std::wstring& path, std::vector<std::string>& faults);
// Writes the settings and, where asked for, the players, as one replacement of the file. When
// the file cannot be replaced it stays as it was and the result is false.
bool saveTeamModel(const std::wstring& path, const TeamModel& model);
