#pragma once
// The preview "Bilanzen übernehmen": each player row of a balance table, whose values it becomes
// and whether it is taken (its check box). It shows a copy of the squad and changes nothing.
#include "import/balance_match.h"

#include <windows.h>

#include <vector>

// Opens the preview of table for state, modal over owner. True when the user chose "Übernehmen";
// ticks then holds his choice, one per row of the table, for matchBalances.
bool showBalancePreview(HWND owner, const BalanceTable& table, const TeamState& state, std::vector<bool>& ticks);
