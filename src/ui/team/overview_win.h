#pragma once
// The team overview window: the team in one table, copied or saved as CSV.
#include <windows.h>

#include <string>

// Opens the overview of the team, modal over the main dialog.
void showTeamOverview();

// Where "Speichern..." writes; empty when the user cancels. The system's save dialog unless a
// test puts another chooser here.
extern std::wstring (*chooseOverviewFile)(HWND owner);
