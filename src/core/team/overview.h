#pragma once
// The team in one table, for the line-up meeting: the rows, their order by a column, and the
// table as text for the clipboard and as CSV. Window-free.
#include "rating/forecast.h"
#include "team/team.h"

#include <functional>
#include <string>
#include <vector>

struct OverviewRow {
    int lineup = 0;
    std::string name;
    int matches = 0;
    int won[3] = {}, lost[3] = {};
    bool plausible = false; // the checks pass: the LKZ means something
    double lkz = 0;
    Forecast next; // the next match, in the player's own Paarkreuz
    int team = 0;          // by line-up position under the rules, 1 when the squad is one team
    std::string order;     // "ok", "keine LKZ" or the deviation from the order of strength
    int place = 0;         // in his team: "Rang" is team.place, as the registration lists it
    bool blockMark = false; // "Sperrvermerk"
};

struct Overview {
    std::string league; // empty when none is chosen
    int teamCount = 0;
    int decimal = 0;    // the mode's "Dezimalausgabe"
    std::vector<OverviewRow> rows; // in the order of the tabs
    // Whether the line-up keeps the order of strength, and the rules in force.
    std::string lineup;
};

enum OverviewColumn {
    ColLineup, ColName, ColMatches, ColPk1, ColPk2, ColPk3, ColSingles, ColLkz, ColNextMatch, ColTeam, ColOrder,
    ColRank, ColBlockMark, OverviewColumnCount
};
// The results the column "Nächstes Spiel" shows, in its order.
constexpr MatchResult nextMatchResults[3] = {{2, 0}, {1, 1}, {0, 2}};
extern const char* const overviewHeaders[OverviewColumnCount];

Overview teamOverview(const TeamState& state);
// The text of one cell: "5:3" for games, "–" for the LKZ of an implausible player, "+5 / +1 / -4"
// for the change after the next match, "2.3" for the rank, "SpV" for a "Sperrvermerk".
std::string overviewCell(const Overview& overview, const OverviewRow& row, int column);
// The average LKZ of the plausible players in the display form, "–" when there is none.
std::string overviewAverage(const Overview& overview);
// "Spielklasse: Oberliga · Mannschaften: 10 · LKZ im Schnitt: 195"
std::string overviewSummary(const Overview& overview);
// How two names compare for the reader: negative, 0 or positive. The system's, in the window.
using NameComparison = std::function<int(const std::string& a, const std::string& b)>;
// Row indices ordered by a column, numbers as numbers and names by compareNames; equal rows keep
// the order of the tabs.
std::vector<int> overviewOrder(const Overview& overview, int column, bool descending,
                               const NameComparison& compareNames);
// A header line and one line per row, tabs between the cells, CRLF at every line's end.
std::string overviewText(const Overview& overview, const std::vector<int>& order);
// CSV as spreadsheets in Germany read it: UTF-8 with BOM, semicolons, CRLF, quotes where needed.
std::string overviewCsv(const Overview& overview, const std::vector<int>& order);
