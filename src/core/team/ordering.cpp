#include "team/ordering.h"

#include <utility>

void sortByLkzValue(TeamState& state)
{
    const int n = static_cast<int>(state.players.size());
    if (n <= 1)
        return;
    state.sortByLkz = SortByLkz;
    for (int i = n - 1; i >= 0; --i) {
        int candidate = i;
        float smallest = state.players[i].lkz;
        for (int j = i - 1; j >= 0; --j) {
            if (smallest > state.players[j].lkz) {
                smallest = state.players[j].lkz;
                candidate = j;
            }
        }
        if (candidate != i)
            std::swap(state.players[candidate], state.players[i]);
    }
}

void sortByLineup(TeamState& state)
{
    const int n = static_cast<int>(state.players.size());
    if (n <= 1)
        return;
    state.sortByLkz = SortByLineup;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            if (state.players[j].lineup == i + 1) {
                std::swap(state.players[j], state.players[i]);
                break;
            }
        }
    }
}
