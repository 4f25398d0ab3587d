#pragma once
// The two orders of the team on its tabs. Window-free.
#include "team/team.h"

enum SortOrder { SortByLineup = 0, SortByLkz = 1 };

// Highest LKZ first. A selection procedure rather than a library sort, because the order of
// equal values is part of what users see and keep: each pass moves the smallest value among
// positions 0..i to i, taking of equal smallest values the one nearest to i. One player: no-op.
void sortByLkzValue(TeamState& state);
// Line-up numbers 1..n in order. One player: no-op.
void sortByLineup(TeamState& state);
