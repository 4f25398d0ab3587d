#pragma once
// The team overview window: the team in one table, copied or saved as CSV.
#include "team/overview.h"

#include <windows.h>

enum class OverviewEnd { Closed, RulesWanted };
// Opens the overview of this table, modal over owner; RulesWanted when the user asked for the
// line-up rules.
OverviewEnd showTeamOverview(HWND owner, const Overview& overview);
