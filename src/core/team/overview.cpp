#include "team/overview.h"

#include "rating/checks.h"
#include "rating/shown_lkz.h"

#include <algorithm>
#include <cmath>
#include <numeric>

const char* const overviewHeaders[OverviewColumnCount] = {
    "Nr.", "Name", "Spiele", "1. PK", "2. PK", "3. PK", "Einzel", "LKZ", "N\xC3\xA4" "chstes Spiel", "Mannschaft",
    "Reihenfolge", "Rang", "Sperrvermerk"};

namespace {

const char* const dash = "\xE2\x80\x93"; // "–"

std::string games(int won, int lost) { return std::to_string(won) + ":" + std::to_string(lost); }

int singlesWon(const OverviewRow& row) { return row.won[0] + row.won[1] + row.won[2]; }
int singlesLost(const OverviewRow& row) { return row.lost[0] + row.lost[1] + row.lost[2]; }

const auto cmp = [](auto x, auto y) { return x < y ? -1 : y < x ? 1 : 0; };

// By the change after 2:0, then 1:1, then 0:2; a result without an LKZ below every number.
int compareNextMatch(const Forecast& a, const Forecast& b)
{
    if (a.available() != b.available())
        return a.available() ? 1 : -1;
    if (!a.available())
        return 0;
    for (MatchResult result : nextMatchResults) {
        const ForecastCell& x = a.cells[matchResultIndex(result)][a.ownPaarkreuz];
        const ForecastCell& y = b.cells[matchResultIndex(result)][b.ownPaarkreuz];
        if (x.plausible != y.plausible)
            return x.plausible ? 1 : -1;
        if (const int order = x.plausible ? cmp(x.change, y.change) : 0)
            return order;
    }
    return 0;
}

// Negative when a sorts before b in ascending order.
int compareRows(const OverviewRow& a, const OverviewRow& b, int column, const NameComparison& compareNames)
{
    switch (column) {
    case ColLineup: return cmp(a.lineup, b.lineup);
    case ColName: return cmp(compareNames(a.name, b.name), 0);
    case ColMatches: return cmp(a.matches, b.matches);
    case ColPk1:
    case ColPk2:
    case ColPk3: {
        const int pk = column - ColPk1;
        // More won first counts as more; with equal wins, fewer lost.
        const int won = cmp(a.won[pk], b.won[pk]);
        return won ? won : cmp(b.lost[pk], a.lost[pk]);
    }
    case ColSingles: {
        const int won = cmp(singlesWon(a), singlesWon(b));
        return won ? won : cmp(singlesLost(b), singlesLost(a));
    }
    case ColLkz:
        // An implausible player has no LKZ: below every number.
        if (a.plausible != b.plausible)
            return a.plausible ? 1 : -1;
        return cmp(a.lkz, b.lkz);
    case ColNextMatch: return compareNextMatch(a.next, b.next);
    case ColTeam: return cmp(a.team, b.team);
    case ColOrder: return cmp(a.order, b.order);
    case ColRank: return a.team != b.team ? cmp(a.team, b.team) : cmp(a.place, b.place);
    case ColBlockMark: return cmp(a.blockMark, b.blockMark);
    }
    return 0;
}

std::string nextMatchCell(const Forecast& forecast)
{
    if (!forecast.available())
        return dash;
    std::string text;
    for (MatchResult result : nextMatchResults) {
        const ForecastCell& cell = forecast.cells[matchResultIndex(result)][forecast.ownPaarkreuz];
        text += (text.empty() ? "" : " / ") + (cell.plausible ? cell.changeText : std::string(dash));
    }
    return text;
}

std::string csvField(const std::string& text)
{
    if (text.find_first_of(";\"\r\n") == std::string::npos && (text.empty() || (text.front() != ' ' && text.back() != ' ')))
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

// Tabs or line breaks inside a name would split the pasted cells.
std::string clipboardField(std::string text)
{
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    return text;
}

template <typename Field>
std::string table(const Overview& overview, const std::vector<int>& order, char separator, Field field)
{
    std::string text;
    for (int column = 0; column < OverviewColumnCount; ++column)
        text += (column ? std::string(1, separator) : std::string()) + field(overviewHeaders[column]);
    text += "\r\n";
    for (int index : order) {
        for (int column = 0; column < OverviewColumnCount; ++column)
            text += (column ? std::string(1, separator) : std::string()) +
                    field(overviewCell(overview, overview.rows[index], column));
        text += "\r\n";
    }
    return text;
}

} // namespace

Overview teamOverview(const TeamState& state)
{
    Overview overview;
    if (state.league >= 0 && state.league < leagueCount)
        overview.league = LeagueTable[state.league].name;
    overview.teamCount = state.teamCount;
    overview.decimal = state.decimal;
    const LineupCheck check = lineupCheckOf(state);
    overview.lineup = lineupSummary(check) + "   " + rulesText(state.rules);
    for (const PlayerRecord& record : state.players) {
        OverviewRow row;
        row.lineup = record.lineup;
        row.name = record.name;
        row.matches = record.matches;
        const int won[3] = {record.won1, record.won2, record.won3};
        const int lost[3] = {record.lost1, record.lost2, record.lost3};
        std::copy(won, won + 3, row.won);
        std::copy(lost, lost + 3, row.lost);
        const std::optional<double> lkz = meaningfulLkz(inputsOf(state, record));
        row.plausible = lkz.has_value();
        row.lkz = lkz.value_or(0);
        row.next = forecastNextMatch(inputsOf(state, record), state.decimal);
        const size_t position = static_cast<size_t>(record.lineup - 1);
        if (position < check.cells.size()) {
            row.team = check.teams[position] ? check.teams[position] : 1; // one team is team 1
            row.order = check.cells[position];
        }
        row.place = placeInTeam(record.lineup, state.rules.regulars);
        row.blockMark = record.blockMark != 0;
        overview.rows.push_back(row);
    }
    return overview;
}

std::string overviewCell(const Overview& overview, const OverviewRow& row, int column)
{
    switch (column) {
    case ColLineup: return std::to_string(row.lineup);
    case ColName: return row.name;
    case ColMatches: return std::to_string(row.matches);
    case ColPk1:
    case ColPk2:
    case ColPk3: return games(row.won[column - ColPk1], row.lost[column - ColPk1]);
    case ColSingles: return games(singlesWon(row), singlesLost(row));
    case ColLkz: return row.plausible ? shownLkzText(row.lkz, overview.decimal) : dash;
    case ColNextMatch: return nextMatchCell(row.next);
    case ColTeam: return std::to_string(row.team);
    case ColOrder: return row.order;
    case ColRank: return std::to_string(row.team) + "." + std::to_string(row.place);
    case ColBlockMark: return row.blockMark ? "SpV" : "";
    }
    return {};
}

std::string overviewAverage(const Overview& overview)
{
    double sum = 0;
    int count = 0;
    for (const OverviewRow& row : overview.rows)
        if (row.plausible) {
            sum += row.lkz;
            ++count;
        }
    return count ? shownLkzText(sum / count, overview.decimal) : dash;
}

std::string overviewSummary(const Overview& overview)
{
    return "Spielklasse: " + (overview.league.empty() ? std::string(dash) : overview.league) +
           "   Mannschaften: " + std::to_string(overview.teamCount) + "   LKZ im Schnitt: " + overviewAverage(overview);
}

std::vector<int> overviewOrder(const Overview& overview, int column, bool descending,
                               const NameComparison& compareNames)
{
    std::vector<int> order(overview.rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int result = compareRows(overview.rows[a], overview.rows[b], column, compareNames);
        return descending ? result > 0 : result < 0;
    });
    return order;
}

std::string overviewText(const Overview& overview, const std::vector<int>& order)
{
    return table(overview, order, '\t', clipboardField);
}

std::string overviewCsv(const Overview& overview, const std::vector<int>& order)
{
    return "\xEF\xBB\xBF" + table(overview, order, ';', csvField);
}
