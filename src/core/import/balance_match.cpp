#include "import/balance_match.h"

#include "base/text.h"
#include "rating/checks.h"
#include "rating/shown_lkz.h"
#include "team/ordering.h"

#include <algorithm>
#include <optional>

const char* const previewHeaders[PreviewColumnCount] = {
    "", "Name", "Rang", "Spieler", "Spiele", "1. PK", "2. PK", "3. PK", "LKZ", "Hinweis"};

namespace {

const char* const dash = "\xE2\x80\x93";   // "–"
const char* const arrow = " \xE2\x86\x92 "; // " → "

std::string games(int won, int lost) { return std::to_string(won) + ":" + std::to_string(lost); }

// "Nachname, Vorname" as the squad writes it, "Vorname Nachname"; the overview's names stay whole.
std::string squadName(const BalanceRow& row, bool whole)
{
    const size_t comma = row.name.find(',');
    if (whole || comma == std::string::npos)
        return row.name;
    const std::string reversed = cleanCell(row.name.substr(comma + 1) + " " + row.name.substr(0, comma));
    return reversed.empty() ? row.name : reversed;
}

// The name a new player of this row gets: cut to what a name holds.
std::string storedName(const BalanceRow& row, bool whole)
{
    std::string name = squadName(row, whole);
    name.resize(utf8PrefixLength(name, maxNameLength, nameCapacity - 1));
    return name;
}

// The forms of a row's name a squad player's may take, case, repeated blanks and non-breaking
// spaces aside: as the table writes it, "Vorname Nachname", and that as the import cut it.
std::vector<std::string> nameForms(const BalanceRow& row, bool whole)
{
    return {comparableText(row.name), comparableText(squadName(row, whole)), comparableText(storedName(row, whole))};
}

BalanceValues valuesOf(const PlayerRecord& record)
{
    BalanceValues values;
    values.matches = record.matches;
    const int won[3] = {record.won1, record.won2, record.won3}, lost[3] = {record.lost1, record.lost2, record.lost3};
    std::copy(won, won + 3, values.won);
    std::copy(lost, lost + 3, values.lost);
    return values;
}

// A row's values as the fields take them: without matches a new player's (Punktspiele 1).
BalanceValues valuesOf(const BalanceRow& row)
{
    BalanceValues values;
    values.matches = row.matches == 0 && row.singlesWon() + row.singlesLost() == 0 ? inputRanges[Matches].start : row.matches;
    std::copy(row.won, row.won + 3, values.won);
    std::copy(row.lost, row.lost + 3, values.lost);
    return values;
}

LkzInputs inputsWith(const TeamState& state, const BalanceValues& values)
{
    LkzInputs in;
    in[League] = state.league;
    in[TeamCount] = state.teamCount;
    in[Matches] = values.matches;
    for (int pk = 0; pk < 3; ++pk) {
        in[Won1 + 2 * pk] = values.won[pk];
        in[Lost1 + 2 * pk] = values.lost[pk];
    }
    return in;
}

std::string lkzText(const TeamState& state, const BalanceValues& values)
{
    const std::optional<double> lkz = meaningfulLkz(inputsWith(state, values));
    return lkz ? shownLkzText(*lkz, state.decimal) : std::string("keine LKZ");
}

// Why a row cannot be taken; empty when it can.
std::string whyNot(const BalanceRow& row)
{
    if (!row.readable)
        return "Bilanz nicht lesbar";
    if (!row.agrees())
        return "passt nicht zu gesamt " + games(row.totalWon, row.totalLost);
    if (row.matches == 0 && row.singlesWon() + row.singlesLost() > 0)
        return "Spiele ohne Eins\xC3\xA4tze";
    if (row.matches > inputRanges[Matches].high)
        return "mehr als " + std::to_string(inputRanges[Matches].high) + " Eins\xC3\xA4tze";
    for (int pk = 0; pk < 3; ++pk)
        if (row.won[pk] > inputRanges[Won1].high || row.lost[pk] > inputRanges[Won1].high)
            return "mehr als " + std::to_string(inputRanges[Won1].high) + " Spiele im " + std::to_string(pk + 1) +
                   ". Paarkreuz";
    return {};
}

bool isFreePlace(const PlayerRecord& record)
{
    return record.name == defaultPlayerName(record.lineup) &&
           record.won1 + record.lost1 + record.won2 + record.lost2 + record.won3 + record.lost3 == 0;
}

// The array indices of the squad in line-up order.
std::vector<int> lineupOrder(const TeamState& state)
{
    std::vector<int> order(state.players.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return state.players[a].lineup < state.players[b].lineup; });
    return order;
}

int indexOfLineup(const TeamState& state, int lineup)
{
    for (size_t i = 0; i < state.players.size(); ++i)
        if (state.players[i].lineup == lineup)
            return static_cast<int>(i);
    return -1;
}

} // namespace

bool BalanceValues::operator==(const BalanceValues& other) const
{
    return matches == other.matches && std::equal(won, won + 3, other.won) && std::equal(lost, lost + 3, other.lost);
}

bool BalancePreview::canApply() const
{
    return std::any_of(rows.begin(), rows.end(), [](const PreviewRow& row) { return row.ticked; });
}

BalancePreview matchBalances(const BalanceTable& table, const TeamState& state)
{
    return matchBalances(table, state, {});
}

BalancePreview matchBalances(const BalanceTable& table, const TeamState& state, const std::vector<bool>& ticks)
{
    BalancePreview preview;
    preview.single = state.isSingle();
    const bool whole = table.layout == BalanceLayout::Overview;
    const std::vector<int> order = lineupOrder(state);
    std::vector<bool> claimed(state.players.size(), false);
    // Each squad player belongs to at most one row: the first with his name, of the rows that are
    // to be taken before the others, so that a substitute of the same name never takes him away.
    const auto teamWants = [&](size_t r) {
        return (r < ticks.size() ? bool(ticks[r]) : !table.rows[r].substitute) && whyNot(table.rows[r]).empty();
    };
    std::vector<std::string> playerNames;
    for (const PlayerRecord& player : state.players)
        playerNames.push_back(comparableText(player.name));
    std::vector<int> matches(table.rows.size(), -1);
    for (const bool first : {true, false})
        for (size_t r = 0; r < table.rows.size(); ++r) {
            if (!preview.single && teamWants(r) != first)
                continue;
            if (preview.single && !first)
                break;
            const std::vector<std::string> forms = nameForms(table.rows[r], whole);
            for (int index : order)
                if (!claimed[index] && std::find(forms.begin(), forms.end(), playerNames[index]) != forms.end()) {
                    matches[r] = index;
                    claimed[index] = true;
                    break;
                }
        }
    bool singleTaken = false;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const BalanceRow& source = table.rows[r];
        PreviewRow row;
        row.source = &source;
        row.reason = whyNot(source);
        row.takeable = row.reason.empty();
        if (row.takeable && source.matches == 0)
            row.reason = "keine Eins\xC3\xA4tze";
        row.then = valuesOf(source);
        const int matched = matches[r];
        const bool wanted = r < ticks.size() ? ticks[r] : preview.single ? matched >= 0 : !source.substitute;
        row.ticked = row.takeable && wanted && !(preview.single && singleTaken);
        singleTaken = singleTaken || row.ticked;
        if (matched >= 0 || (preview.single && row.ticked)) {
            const int index = matched >= 0 ? matched : 0;
            row.target = BalanceTarget::Player;
            row.lineup = state.players[index].lineup;
            row.targetText = state.players[index].name;
            row.hasNow = true;
            row.now = valuesOf(state.players[index]);
        } else {
            row.targetText = source.substitute ? "Ersatz aus Mannschaft " + std::to_string(source.team) : dash;
        }
        preview.rows.push_back(row);
    }
    // Rows of no one's name that are ticked take the free places in line-up order, then new places.
    if (!preview.single) {
        size_t next = 0;
        int added = 0;
        for (PreviewRow& row : preview.rows) {
            if (!row.ticked || row.target != BalanceTarget::None)
                continue;
            while (next < order.size() && (claimed[order[next]] || !isFreePlace(state.players[order[next]])))
                ++next;
            row.newName = storedName(*row.source, whole);
            if (next < order.size()) {
                const PlayerRecord& place = state.players[order[next]];
                claimed[order[next]] = true;
                row.target = BalanceTarget::FreePlace;
                row.lineup = place.lineup;
                row.targetText = "statt " + defaultPlayerName(place.lineup);
                row.hasNow = true;
                row.now = valuesOf(place);
            } else if (state.playerCount + added < maxTeamSize) {
                ++added;
                row.target = BalanceTarget::New;
                row.targetText = "neu";
            } else {
                row.ticked = row.takeable = false;
                row.reason = "Kader voll (" + std::to_string(maxTeamSize) + " Spieler)";
            }
        }
    }
    for (PreviewRow& row : preview.rows) {
        if (row.hasNow)
            row.lkzNow = lkzText(state, row.now);
        else
            row.lkzNow = dash;
        row.lkzThen = row.takeable ? lkzText(state, row.then) : std::string(dash);
        if (row.ticked && (row.target != BalanceTarget::Player || !(row.now == row.then)))
            preview.changesNothing = false;
    }
    preview.summary = balancesSummary(table);
    if (preview.canApply() && preview.changesNothing)
        preview.summary += "; nichts zu \xC3\xA4ndern, die Werte stehen schon so im Kader";
    return preview;
}

std::vector<bool> ticksAfterClick(const BalancePreview& preview, int row)
{
    std::vector<bool> ticks;
    for (const PreviewRow& each : preview.rows)
        ticks.push_back(preview.single ? false : each.ticked);
    if (row >= 0 && row < static_cast<int>(ticks.size()))
        ticks[row] = !preview.rows[row].ticked;
    return ticks;
}

std::string previewCell(const BalancePreview& preview, int index, int column)
{
    if (index < 0 || index >= static_cast<int>(preview.rows.size()))
        return {};
    const PreviewRow& row = preview.rows[index];
    const auto change = [&](const std::string& now, const std::string& then) {
        return (row.hasNow ? now : std::string(dash)) + arrow + then;
    };
    switch (column) {
    case PreviewName: return row.source->name;
    case PreviewRank: return row.source->rank;
    case PreviewTarget: return row.targetText;
    case PreviewMatches: return change(std::to_string(row.now.matches), std::to_string(row.then.matches));
    case PreviewPk1:
    case PreviewPk2:
    case PreviewPk3: {
        const int pk = column - PreviewPk1;
        return change(games(row.now.won[pk], row.now.lost[pk]), games(row.then.won[pk], row.then.lost[pk]));
    }
    case PreviewLkz: return row.lkzNow + arrow + row.lkzThen;
    case PreviewReason: return row.reason;
    }
    return {};
}

bool applyBalances(TeamState& state, const BalancePreview& preview)
{
    bool changed = false;
    for (const PreviewRow& row : preview.rows) {
        if (!row.ticked)
            continue;
        int index = row.target == BalanceTarget::New ? -1 : indexOfLineup(state, row.lineup);
        if (row.target == BalanceTarget::New && state.playerCount < maxTeamSize) {
            state.players.push_back(newPlayer(state, state.playerCount + 1));
            state.playerCount = static_cast<int32_t>(state.players.size());
            index = state.playerCount - 1;
            changed = true;
        }
        if (index < 0 || row.target == BalanceTarget::None)
            continue;
        if (row.target != BalanceTarget::Player && row.newName != state.players[index].name) {
            setPlayerName(state, index, row.newName);
            changed = true;
        }
        if (valuesOf(state.players[index]) == row.then)
            continue;
        storeInputs(state, index, inputsWith(state, row.then));
        changed = true;
    }
    if (changed && state.sortByLkz == SortByLkz)
        sortByLkzValue(state);
    return changed;
}
