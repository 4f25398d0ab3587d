#include "team/team.h"

#include "base/text.h"
#include "rating/checks.h"
#include "team/ordering.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

const char* const singlePlayerName = "Einzelspieler";

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

void storeName(PlayerRecord& record, const std::string& text)
{
    const size_t length = utf8PrefixLength(text, maxNameLength, nameCapacity - 1);
    std::memcpy(record.name, text.data(), length);
    record.name[length] = '\0';
    record.customName = defaultPlayerName(record.lineup) != record.name ? 1 : 0;
}

// The stored LKZ and today's point of the season from the record's stored values. Without a
// single game his LKZ is only the league's base value, no result: it makes no point.
void keepLkzTrue(const TeamState& state, PlayerRecord& record)
{
    const LkzInputs in = inputsOf(state, record);
    const std::optional<double> lkz = meaningfulLkz(in);
    const float stored = static_cast<float>(lkz.value_or(0));
    record.lkz = std::isfinite(stored) ? stored : 0;
    keepHistory(record.history, record.matches, in.singles() > 0 ? lkz : std::nullopt);
}

} // namespace

int currentIndex(const TeamState& state)
{
    for (size_t i = 0; i < state.players.size(); ++i)
        if (state.players[i].lineup == state.currentLineup)
            return static_cast<int>(i);
    return 0;
}

PlayerRecord* currentPlayer(TeamState& state)
{
    return state.players.empty() ? nullptr : &state.players[currentIndex(state)];
}

const PlayerRecord* currentPlayer(const TeamState& state)
{
    return state.players.empty() ? nullptr : &state.players[currentIndex(state)];
}

void keepCurrentValid(TeamState& state)
{
    if (!state.players.empty())
        state.currentLineup = state.players[currentIndex(state)].lineup;
}

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
    const bool everyone = state.league != in[League] || state.teamCount != in[TeamCount];
    state.league = in[League];
    state.teamCount = in[TeamCount];
    for (int kind = Matches; kind < InputKindCount; ++kind)
        state.players[index].*gameFields[kind] = in[kind];
    if (everyone)
        recomputeAllLkz(state);
    else
        recomputePlayerLkz(state, index);
}

void recomputePlayerLkz(TeamState& state, int index)
{
    if (validIndex(state, index))
        keepLkzTrue(state, state.players[index]);
}

void recomputeAllLkz(TeamState& state)
{
    for (size_t i = 0; i < state.players.size(); ++i)
        recomputePlayerLkz(state, static_cast<int>(i));
}

TeamModel newModel(int teamSize)
{
    TeamModel model;
    model.team.players.resize(teamSize);
    for (int i = 0; i < teamSize; ++i)
        model.team.players[i].lineup = i + 1;
    model.team.playerCount = teamSize;
    model.single.players.resize(1);
    model.single.players[0].lineup = 1;
    model.single.playerCount = 1;
    model.single.currentLineup = 1;
    return model;
}

std::string defaultPlayerName(int lineup)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "Nr. %d", lineup);
    return buffer;
}

std::string startingName(const TeamState& state, int lineup)
{
    return state.isSingle() ? std::string(singlePlayerName) : defaultPlayerName(lineup);
}

void renumber(PlayerRecord& record, int lineup)
{
    record.lineup = lineup;
    if (!record.customName)
        storeName(record, defaultPlayerName(lineup));
}

void setPlayerName(TeamState& state, int index, const std::string& text)
{
    if (!validIndex(state, index))
        return;
    storeName(state.players[index], text);
}

PlayerRecord newPlayer(const TeamState& state, int lineup)
{
    PlayerRecord record;
    record.lineup = lineup;
    storeName(record, startingName(state, lineup));
    record.customName = 0;
    record.matches = inputRanges[Matches].start;
    keepLkzTrue(state, record);
    return record;
}

void resetPlayerValues(TeamState& state, int index)
{
    if (!validIndex(state, index))
        return;
    PlayerRecord& record = state.players[index];
    record.lineup = index + 1;
    if (record.name[0] == '\0')
        setPlayerName(state, index, startingName(state, index + 1));
    record.matches = inputRanges[Matches].start;
    record.won1 = record.lost1 = record.won2 = record.lost2 = record.won3 = record.lost3 = 0;
    recomputePlayerLkz(state, index);
}

void resetLeague(TeamState& state)
{
    state.league = -1;
    state.teamCount = inputRanges[TeamCount].start;
    recomputeAllLkz(state);
}

std::string tabLabel(const TeamState& state, int index)
{
    if (!validIndex(state, index))
        return {};
    const PlayerRecord& player = state.players[index];
    return state.isSingle() || player.customName ? std::string(player.name) : defaultPlayerName(player.lineup);
}

std::string tabTipText(const TeamState& state, int index)
{
    if (!validIndex(state, index))
        return {};
    const PlayerRecord& player = state.players[index];
    std::string tip = defaultPlayerName(player.lineup) + ": " + player.name +
                      (state.sortByLkz == 1 ? "\nSortiert nach LKZ" : "\nSortiert nach Aufstellung");
    if (!state.isSingle()) {
        if (player.blockMark)
            tip += "\nSperrvermerk";
        const LineupCheck check = lineupCheckOf(state);
        const size_t position = static_cast<size_t>(player.lineup - 1);
        if (position < check.tips.size() && !check.tips[position].empty())
            tip += "\n" + check.tips[position];
    }
    return tip;
}

std::string renamedName(const TeamState& state, int index, const std::string& text)
{
    if (!text.empty())
        return text;
    return validIndex(state, index) ? startingName(state, state.players[index].lineup) : std::string();
}

bool removePlayer(TeamState& state, int index)
{
    if (state.playerCount <= minTeamSize || !validIndex(state, index))
        return false;
    const int deleted = state.players[index].lineup;
    const int cur = currentIndex(state);
    state.players.erase(state.players.begin() + index);
    state.playerCount = static_cast<int32_t>(state.players.size());
    for (PlayerRecord& record : state.players)
        if (record.lineup > deleted)
            renumber(record, record.lineup - 1);
    // Another player than the one removed stays current; the removed one hands over to the
    // player that moves into its place, or to the first when it was the last.
    int next = cur;
    if (cur > index)
        next = cur - 1;
    else if (cur == index && cur >= state.playerCount)
        next = 0;
    state.currentLineup = state.players[next].lineup;
    keepBlockMarksTrue(state);
    return true;
}

bool movePlayer(TeamState& team, int index, int target)
{
    if (team.isSingle() || !validIndex(team, index))
        return false;
    std::vector<int> lineups;
    for (const PlayerRecord& record : team.players)
        lineups.push_back(record.lineup);
    const std::vector<int> moved = lineupsAfterMove(lineups, index, target);
    if (moved.empty())
        return false;
    const int current = currentIndex(team);
    for (size_t i = 0; i < moved.size(); ++i)
        renumber(team.players[i], moved[i]);
    team.currentLineup = team.players[current].lineup;
    if (!team.sortByLkz)
        sortByLineup(team);
    keepBlockMarksTrue(team);
    return true;
}

std::vector<SquadEntry> squadInLineupOrder(const TeamState& state)
{
    std::vector<SquadEntry> squad(state.players.size());
    for (const PlayerRecord& record : state.players) {
        const size_t position = static_cast<size_t>(record.lineup - 1);
        if (position < squad.size())
            squad[position] = {record.name, meaningfulLkz(inputsOf(state, record)), record.blockMark != 0};
    }
    return squad;
}

LineupCheck lineupCheckOf(const TeamState& state) { return checkLineup(squadInLineupOrder(state), state.rules); }

bool canChangeBlockMark(const TeamState& team, int index)
{
    return !team.isSingle() && validIndex(team, index) &&
           teamOfPosition(team.players[index].lineup, team.rules.regulars) > 1;
}

bool setBlockMark(TeamState& team, int index, bool on)
{
    if (!canChangeBlockMark(team, index))
        return false;
    // Set on him, the marks above follow; cleared from him and everyone below him in his team.
    const int lineup = team.players[index].lineup;
    const int own = teamOfPosition(lineup, team.rules.regulars);
    for (PlayerRecord& record : team.players)
        if (teamOfPosition(record.lineup, team.rules.regulars) == own &&
            (record.lineup == lineup || (!on && record.lineup > lineup)))
            record.blockMark = on;
    keepBlockMarksTrue(team);
    return true;
}

void keepBlockMarksTrue(TeamState& team)
{
    // Marking those above the lowest mark of a team never moves that lowest mark, so one pass will do.
    const int regulars = team.isSingle() ? 0 : team.rules.regulars;
    for (PlayerRecord& record : team.players) {
        const int own = teamOfPosition(record.lineup, regulars);
        bool marked = false;
        for (const PlayerRecord& below : team.players)
            marked = marked || (below.blockMark && below.lineup >= record.lineup &&
                                teamOfPosition(below.lineup, regulars) == own);
        record.blockMark = own > 1 && marked;
    }
}

CountChange changePlayerCount(TeamState& team, int n)
{
    const int old = team.playerCount;
    const int cur = currentIndex(team);
    if (n < minTeamSize || n > maxTeamSize)
        return CountChange::Ignored;
    if (n == old)
        return CountChange::Unchanged;

    std::vector<PlayerRecord> players;
    players.reserve(n);
    for (const PlayerRecord& record : team.players)
        if (record.lineup <= n && static_cast<int>(players.size()) < n)
            players.push_back(record);
    for (int index = static_cast<int>(players.size()); index < n; ++index)
        players.push_back(newPlayer(team, index + 1));
    team.players.swap(players);
    team.playerCount = n;
    team.currentLineup = cur <= n - 1 ? team.players[cur].lineup : team.players[0].lineup;
    keepBlockMarksTrue(team);
    return CountChange::Changed;
}
