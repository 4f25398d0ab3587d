#pragma once
// The dialog "Aufstellungsregeln": the regular players per team and the two tolerances of the
// order of strength.
#include "team/lineup.h"

#include <windows.h>

// Modal over owner, showing rules; true when the user confirmed, with rules changed to what he set.
bool editLineupRules(HWND owner, LineupRules& rules);
