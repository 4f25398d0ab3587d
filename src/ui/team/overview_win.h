#pragma once
// The team overview window: the team in one table, copied or saved as CSV.
#include "team/overview.h"

#include <windows.h>

// Opens the overview of this table, modal over owner.
void showTeamOverview(HWND owner, const Overview& overview);
