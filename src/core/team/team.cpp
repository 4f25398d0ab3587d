#include "team/team.h"

#include "base/text.h"
#include "rating/checks.h"

#include <cmath>
#include <cstdio>
#include <cstring>

TeamState teamState;
TeamState singleState;

const char* const singlePlayerName = "Einzelspieler";

TeamState& activeState() { return teamState.singleMode ? singleState : teamState; }

void setSingleMode(int32_t on) { teamState.singleMode = singleState.singleMode = on; }

void setOnTop(int32_t on) { teamState.onTop = singleState.onTop = on; }

int playerIndexOf(TeamState& state)
{
    if (state.players.empty())
        return 0;
    if (state.currentLineup > state.playerCount)
        state.currentLineup = state.players[0].lineup;
    for (size_t i = 0; i < state.players.size(); ++i)
        if (state.players[i].lineup == state.currentLineup)
            return static_cast<int>(i);
    return 0;
}

int currentPlayerIndex() { return playerIndexOf(activeState()); }

PlayerRecord* currentPlayer()
{
    TeamState& state = activeState();
    if (state.players.empty())
        return nullptr;
    return &state.players[playerIndexOf(state)];
}

namespace {

// The record's share of the nine inputs; league and team count belong to the state.
int32_t PlayerRecord::*const gameFields[InputKindCount] = {
    nullptr,           nullptr,          &PlayerRecord::matches, &PlayerRecord::won1, &PlayerRecord::lost1,
    &PlayerRecord::won2, &PlayerRecord::lost2, &PlayerRecord::won3, &PlayerRecord::lost3,
};

bool validIndex(const TeamState& state, int index)
{
    return index >= 0 && index < static_cast<int>(state.players.size());
}

} // namespace

LkzInputs inputsOf(const TeamState& state, const PlayerRecord& record)
{
    LkzInputs in;
    in[League] = state.league;
    in[TeamCount] = state.teamCount;
    for (int kind = Matches; kind < InputKindCount; ++kind)
        in[kind] = record.*gameFields[kind];
    return in;
}

LkzInputs inputsOf(const TeamState& state, int index)
{
    return validIndex(state, index) ? inputsOf(state, state.players[index]) : LkzInputs{};
}

void storeInputs(TeamState& state, int index, const LkzInputs& in)
{
    if (!validIndex(state, index))
        return;
    state.league = in[League];
    state.teamCount = in[TeamCount];
    for (int kind = Matches; kind < InputKindCount; ++kind)
        state.players[index].*gameFields[kind] = in[kind];
}

float playerLkz(const TeamState& state, const PlayerRecord& record)
{
    const float lkz = static_cast<float>(meaningfulLkz(inputsOf(state, record)).value_or(0));
    return std::isfinite(lkz) ? lkz : 0;
}

void recomputePlayerLkz(TeamState& state, int index)
{
    if (!validIndex(state, index))
        return;
    PlayerRecord& record = state.players[index];
    record.lkz = playerLkz(state, record);
}

PlayerRecord blankRecord()
{
    PlayerRecord record;
    std::memset(&record, 0, sizeof record);
    return record;
}

void createStates(int n)
{
    teamState = TeamState{};
    singleState = TeamState{};
    teamState.players.assign(n, blankRecord());
    for (int i = 0; i < n; ++i)
        teamState.players[i].lineup = i + 1;
    teamState.playerCount = n;
    singleState.players.assign(1, blankRecord());
    singleState.players[0].lineup = 1;
    singleState.playerCount = 1;
    singleState.currentLineup = 1;
}

void releaseStates()
{
    teamState.players.clear();
    teamState.playerCount = 0;
    singleState.players.clear();
    singleState.playerCount = 0;
}

std::string defaultPlayerName(int lineup)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "Nr. %d", lineup);
    return buffer;
}

static void storeName(PlayerRecord& record, const std::string& text)
{
    const size_t length = utf8PrefixLength(text, maxNameLength, nameCapacity - 1);
    std::memcpy(record.name, text.data(), length);
    record.name[length] = '\0';
    record.customName = defaultPlayerName(record.lineup) != record.name ? 1 : 0;
}

void setPlayerName(TeamState& state, int index, const std::string& text)
{
    if (!validIndex(state, index))
        return;
    storeName(state.players[index], text);
}

void initPlayer(PlayerRecord& record, int index)
{
    record = blankRecord();
    record.lineup = index + 1;
    storeName(record, teamState.singleMode ? std::string(singlePlayerName) : defaultPlayerName(index + 1));
    record.customName = 0;
    record.matches = inputRanges[Matches].start;
    if (!teamState.singleMode)
        record.lkz = playerLkz(teamState, record);
}

void resetPlayerValues(TeamState& state, int index)
{
    if (!validIndex(state, index))
        return;
    PlayerRecord& record = state.players[index];
    record.lineup = index + 1;
    if (record.name[0] == '\0')
        setPlayerName(state, index,
                      state.playerCount <= 1 ? std::string(singlePlayerName) : defaultPlayerName(index + 1));
    state.league = -1;
    state.teamCount = inputRanges[TeamCount].start;
    record.matches = inputRanges[Matches].start;
    record.won1 = record.lost1 = record.won2 = record.lost2 = record.won3 = record.lost3 = 0;
}

std::string tabLabel(const TeamState& state, int index)
{
    if (!validIndex(state, index))
        return {};
    const PlayerRecord& player = state.players[index];
    return state.singleMode || player.customName ? std::string(player.name) : defaultPlayerName(player.lineup);
}

std::string tabTipText(const TeamState& state, int index)
{
    if (!validIndex(state, index))
        return {};
    const PlayerRecord& player = state.players[index];
    return defaultPlayerName(player.lineup) + ": " + player.name +
           (state.sortByLkz == 1 ? "\nSortiert nach LKZ" : "\nSortiert nach Aufstellung");
}

std::string renamedName(const TeamState& state, int index, const std::string& text)
{
    if (!text.empty())
        return text;
    if (state.singleMode)
        return singlePlayerName;
    return validIndex(state, index) ? defaultPlayerName(state.players[index].lineup) : std::string();
}

bool removePlayer(TeamState& state, int index)
{
    if (state.playerCount <= minTeamSize || !validIndex(state, index))
        return false;
    const int deleted = state.players[index].lineup;
    const int cur = playerIndexOf(state);
    state.players.erase(state.players.begin() + index);
    state.playerCount = static_cast<int32_t>(state.players.size());
    for (PlayerRecord& record : state.players) {
        if (record.lineup > deleted) {
            --record.lineup;
            if (!record.customName)
                storeName(record, defaultPlayerName(record.lineup));
        }
    }
    // Another player than the one removed stays current; the removed one hands over to the
    // player that moves into its place, or to the first when it was the last.
    int next = cur;
    if (cur > index)
        next = cur - 1;
    else if (cur == index && cur >= state.playerCount)
        next = 0;
    state.currentLineup = state.players[next].lineup;
    return true;
}

CountChange changePlayerCount(int n)
{
    const int old = teamState.playerCount;
    const int cur = playerIndexOf(teamState);
    if (n < minTeamSize || n > maxTeamSize)
        return CountChange::Ignored;
    if (n == old)
        return CountChange::Unchanged;

    std::vector<PlayerRecord> players;
    players.reserve(n);
    for (const PlayerRecord& record : teamState.players)
        if (record.lineup <= n && static_cast<int>(players.size()) < n)
            players.push_back(record);
    for (int index = static_cast<int>(players.size()); index < n; ++index) {
        PlayerRecord record;
        initPlayer(record, index);
        players.push_back(record);
    }
    teamState.players.swap(players);
    teamState.playerCount = n;
    teamState.currentLineup = cur <= n - 1 ? teamState.players[cur].lineup : teamState.players[0].lineup;
    return CountChange::Changed;
}
