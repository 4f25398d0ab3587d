#include "team/undo.h"

#include "team/ordering.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// What the user entered or the program keeps of a player; his LKZ and red marks follow from it.
bool sameData(const PlayerRecord& a, const PlayerRecord& b)
{
    if (a.lineup != b.lineup || a.customName != b.customName || a.blockMark != b.blockMark ||
        std::strcmp(a.name, b.name) != 0 ||
        a.matches != b.matches || a.won1 != b.won1 || a.lost1 != b.lost1 || a.won2 != b.won2 ||
        a.lost2 != b.lost2 || a.won3 != b.won3 || a.lost3 != b.lost3 || a.history.size() != b.history.size())
        return false;
    for (size_t i = 0; i < a.history.size(); ++i)
        if (a.history[i].matches != b.history[i].matches || a.history[i].lkz != b.history[i].lkz)
            return false;
    return true;
}

bool sameShared(const SquadShared& a, const SquadShared& b)
{
    return a.league == b.league && a.teamCount == b.teamCount && a.rules.regulars == b.rules.regulars &&
           a.rules.teamTenths == b.rules.teamTenths && a.rules.clubTenths == b.rules.clubTenths;
}

SquadShared sharedOf(const TeamState& state) { return {state.league, state.teamCount, state.rules}; }

// The number a player has after the change; 0 when he was removed.
int renumbered(int lineup, Renumbering how)
{
    const int from = how.lineup, to = how.target;
    if (from == 0)
        return lineup;
    if (to == 0)
        return lineup == from ? 0 : lineup > from ? lineup - 1 : lineup;
    if (lineup == from)
        return to;
    if (from < to && lineup > from && lineup <= to)
        return lineup - 1;
    if (to < from && lineup >= to && lineup < from)
        return lineup + 1;
    return lineup;
}

int indexOfLineup(const std::vector<PlayerRecord>& players, int lineup)
{
    for (size_t i = 0; i < players.size(); ++i)
        if (players[i].lineup == lineup)
            return static_cast<int>(i);
    return -1;
}

// The player a step is named after: the first whose values it changed.
const PlayerRecord* enteredPlayer(const SquadStep& step)
{
    for (const SquadStep::Player& player : step.players)
        if (player.after.lineup)
            return &player.after;
    return nullptr;
}

// Keeps the players whose data the merged spins left as they were out of the step.
void dropUnchanged(SquadStep& step)
{
    std::vector<SquadStep::Player> changed;
    for (SquadStep::Player& player : step.players)
        if (!sameData(player.before, player.after))
            changed.push_back(std::move(player));
    step.players.swap(changed);
}

// later's spin joins step: its players as later left them.
void merge(SquadStep& step, SquadStep later)
{
    for (SquadStep::Player& player : later.players) {
        SquadStep::Player* known = nullptr;
        for (SquadStep::Player& mine : step.players)
            if (mine.after.lineup && mine.after.lineup == player.before.lineup)
                known = &mine;
        if (known)
            known->after = std::move(player.after);
        else
            step.players.push_back(std::move(player));
    }
    step.after = later.after;
    dropUnchanged(step);
}

} // namespace

const char* squadChangeLabel(SquadChange change)
{
    switch (change) {
    case SquadChange::Entry: return "Eingabe";
    case SquadChange::ClearPaarkreuz: return "Paarkreuz löschen";
    case SquadChange::League: return "Spielklasse";
    case SquadChange::TeamCount: return "Anzahl der Mannschaften";
    case SquadChange::PlayerCount: return "Anzahl der Spieler";
    case SquadChange::DeletePlayer: return "Spieler löschen";
    case SquadChange::Rename: return "Umbenennen";
    case SquadChange::Move: return "Aufstellung ändern";
    case SquadChange::Rules: return "Aufstellungsregeln";
    case SquadChange::Import: return "Bilanzen übernehmen";
    case SquadChange::BlockMark: return "Sperrvermerk";
    }
    return "";
}

std::string undoMenuText(const std::string& label) { return label.empty() ? "Rückgängig" : "Rückgängig: " + label; }

std::string redoMenuText(const std::string& label) { return label.empty() ? "Wiederholen" : "Wiederholen: " + label; }

bool SquadStep::changesNothing() const { return players.empty() && sameShared(before, after); }

SquadStep squadStep(SquadChange change, const TeamState& before, const TeamState& after, Renumbering renumbering)
{
    SquadStep step;
    step.change = change;
    step.before = sharedOf(before);
    step.after = sharedOf(after);
    std::vector<bool> matched(after.players.size(), false);
    for (const PlayerRecord& was : before.players) {
        const int lineup = renumbered(was.lineup, renumbering);
        const int index = lineup ? indexOfLineup(after.players, lineup) : -1;
        if (index < 0) {
            step.players.push_back({was, {}});
            continue;
        }
        matched[index] = true;
        if (!sameData(was, after.players[index]))
            step.players.push_back({was, after.players[index]});
    }
    for (size_t i = 0; i < after.players.size(); ++i)
        if (!matched[i])
            step.players.push_back({{}, after.players[i]});
    step.label = squadChangeLabel(change);
    if (change == SquadChange::Entry)
        if (const PlayerRecord* player = enteredPlayer(step))
            step.label += std::string(" bei ") + player->name;
    return step;
}

SquadStep inputStep(InputKind field, const TeamState& before, const TeamState& after, bool spun)
{
    const SquadChange change = field == League      ? SquadChange::League
                               : field == TeamCount ? SquadChange::TeamCount
                                                    : SquadChange::Entry;
    SquadStep step = squadStep(change, before, after);
    if (spun) {
        step.spinField = field;
        step.spinLineup = after.currentLineup;
    }
    return step;
}

void applyStep(TeamState& state, const SquadStep& step, bool forward)
{
    const SquadShared& shared = forward ? step.after : step.before;
    const bool everyone = state.league != shared.league || state.teamCount != shared.teamCount;
    state.league = shared.league;
    state.teamCount = shared.teamCount;
    state.rules = shared.rules;

    // Every player the step touched is found by the number the step left him with, before anyone's
    // number changes; the others keep their records and their places.
    const int currentAt = currentIndex(state);
    std::vector<int> touchedBy(state.players.size(), -1);
    for (size_t e = 0; e < step.players.size(); ++e) {
        const PlayerRecord& from = forward ? step.players[e].before : step.players[e].after;
        const int index = from.lineup ? indexOfLineup(state.players, from.lineup) : -1;
        if (index >= 0)
            touchedBy[index] = static_cast<int>(e);
    }
    std::vector<PlayerRecord> players;
    std::vector<int> restored; // their line-up numbers
    int currentLineup = 0;
    for (size_t i = 0; i < state.players.size(); ++i) {
        const PlayerRecord* to = &state.players[i];
        if (touchedBy[i] >= 0) {
            const SquadStep::Player& player = step.players[touchedBy[i]];
            to = forward ? &player.after : &player.before;
            restored.push_back(to->lineup);
        }
        if (to->lineup)
            players.push_back(*to);
        if (static_cast<int>(i) == currentAt)
            currentLineup = to->lineup;
    }
    const size_t staying = players.size();
    for (const SquadStep::Player& player : step.players) {
        const PlayerRecord& from = forward ? player.before : player.after;
        const PlayerRecord& to = forward ? player.after : player.before;
        if (!from.lineup && to.lineup) {
            players.push_back(to);
            restored.push_back(to.lineup);
        }
    }
    state.players.swap(players);
    state.playerCount = static_cast<int32_t>(state.players.size());
    for (size_t i = 0; i < state.players.size(); ++i)
        if (everyone || std::find(restored.begin(), restored.end(), state.players[i].lineup) != restored.end())
            recomputePlayerLkz(state, static_cast<int>(i));

    if (state.sortByLkz == SortByLkz) {
        // A returning player goes in behind those with his LKZ or more, as the LKZ order has it.
        for (size_t i = staying; i < state.players.size(); ++i)
            for (size_t k = i; k > 0 && state.players[k - 1].lkz < state.players[k].lkz; --k)
                std::swap(state.players[k], state.players[k - 1]);
        sortByLkzValue(state);
    } else {
        sortByLineup(state);
    }
    if (currentLineup)
        state.currentLineup = currentLineup;
    else if (!state.players.empty())
        state.currentLineup = state.players[currentAt < state.playerCount ? currentAt : 0].lineup;
    keepBlockMarksTrue(state);
}

void UndoHistory::record(SquadStep step)
{
    if (open_ && done_ == steps_.size() && !steps_.empty() && step.spinField >= 0) {
        SquadStep& newest = steps_.back();
        if (newest.spinField == step.spinField && newest.spinLineup == step.spinLineup &&
            newest.change == step.change) {
            merge(newest, std::move(step));
            if (newest.changesNothing()) {
                steps_.pop_back();
                done_ = steps_.size();
                open_ = false;
            }
            return;
        }
    }
    if (step.changesNothing())
        return;
    open_ = step.spinField >= 0;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > limit_)
        steps_.erase(steps_.begin());
    done_ = steps_.size();
}

bool UndoHistory::undo(TeamState& state)
{
    open_ = false;
    if (done_ == 0)
        return false;
    applyStep(state, steps_[--done_], false);
    return true;
}

bool UndoHistory::redo(TeamState& state)
{
    open_ = false;
    if (done_ == steps_.size())
        return false;
    applyStep(state, steps_[done_++], true);
    return true;
}

void UndoHistory::clear()
{
    steps_.clear();
    done_ = 0;
    open_ = false;
}
