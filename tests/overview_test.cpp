// The team overview's table: rows, average, order by a column, clipboard text and CSV.
#include "team/overview.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

const NameComparison byBytes = [](const std::string& a, const std::string& b) { return a.compare(b); };

// Oberliga, 10 teams, 5 matches: 2:4, 6:0 and 4:2 in the first Paarkreuz and 0, 1 and 2 won
// in the third (LKZ 181.2, 205.8, 194.1), and a fourth player with 14 singles in 5 matches,
// which is implausible.
class TeamOverview : public ::testing::Test {
protected:
    void SetUp() override
    {
        team.league = 3;
        team.teamCount = 10;
        const int won[4] = {2, 6, 4, 11};
        const int lost[4] = {4, 0, 2, 0};
        const char* names[4] = {"J\xC3\xBCrgen Wei\xC3\x9F", "A;B", "Sag \"Hi\"", "Nr. 4"};
        for (int i = 0; i < 4; ++i) {
            PlayerRecord& p = team.players[i];
            p.matches = 5;
            p.won1 = won[i];
            p.lost1 = lost[i];
            p.won3 = i;
            setPlayerName(team, i, names[i]);
        }
        // The tabs show the team by LKZ: line-ups 2, 3, 1, 4.
        std::swap(team.players[0], team.players[1]);
        std::swap(team.players[1], team.players[2]);
    }
    TeamModel model = newModel(4);
    TeamState& team = model.team;

    static std::vector<std::string> column(const Overview& overview, int index)
    {
        std::vector<std::string> cells;
        for (const OverviewRow& row : overview.rows)
            cells.push_back(overviewCell(overview, row, index));
        return cells;
    }
};

TEST_F(TeamOverview, RowsFollowTheTabsInBothDisplayForms)
{
    Overview overview = teamOverview(team);
    EXPECT_EQ(column(overview, ColLineup), (std::vector<std::string>{"2", "3", "1", "4"}));
    EXPECT_EQ(column(overview, ColName)[2], "J\xC3\xBCrgen Wei\xC3\x9F");
    EXPECT_EQ(column(overview, ColPk1), (std::vector<std::string>{"6:0", "4:2", "2:4", "11:0"}));
    EXPECT_EQ(column(overview, ColPk3), (std::vector<std::string>{"1:0", "2:0", "0:0", "3:0"}));
    EXPECT_EQ(column(overview, ColSingles), (std::vector<std::string>{"7:0", "6:2", "2:4", "14:0"}));
    EXPECT_EQ(column(overview, ColLkz), (std::vector<std::string>{"206", "194", "181", "\xE2\x80\x93"}));
    EXPECT_EQ(column(overview, ColTeam), (std::vector<std::string>{"1", "1", "1", "1"})) << "one team";
    EXPECT_EQ(overviewAverage(overview), "194");
    EXPECT_EQ(overviewSummary(overview), "Spielklasse: Oberliga   Mannschaften: 10   LKZ im Schnitt: 194");

    team.decimal = 1;
    overview = teamOverview(team);
    EXPECT_EQ(column(overview, ColLkz), (std::vector<std::string>{"205,841", "194,056", "181,222", "\xE2\x80\x93"}));
    EXPECT_EQ(overviewAverage(overview), "193,706");

    team.league = -1;
    overview = teamOverview(team);
    EXPECT_EQ(overviewAverage(overview), "\xE2\x80\x93") << "no league: nobody is plausible";
    EXPECT_EQ(overviewSummary(overview).rfind("Spielklasse: \xE2\x80\x93", 0), 0u);
}

TEST_F(TeamOverview, ColumnsSortAsNumbers)
{
    team.players[3].matches = 10; // line-up 4: "10" after "5" as a number, before it as text
    const Overview overview = teamOverview(team);
    const struct {
        int column;
        bool descending;
        std::vector<int> rows;
    } cases[] = {
        {ColLineup, false, {2, 0, 1, 3}},
        {ColMatches, true, {3, 0, 1, 2}},  // equal matches keep the tabs' order
        {ColMatches, false, {0, 1, 2, 3}},
        {ColLkz, true, {0, 1, 2, 3}},      // the implausible player last
        {ColLkz, false, {3, 2, 1, 0}},
        {ColPk1, true, {3, 0, 1, 2}},
        {ColName, false, {0, 2, 3, 1}},    // "A;B", "J...", "Nr. 4", "Sag"
    };
    for (const auto& c : cases)
        EXPECT_EQ(overviewOrder(overview, c.column, c.descending, byBytes), c.rows) << c.column << " " << c.descending;
}

// The order of names is the comparison's the window passes in; names it finds equal keep the
// order of the tabs, either way round.
TEST_F(TeamOverview, NamesFollowTheComparisonGiven)
{
    const char* names[4] = {"b", "A", "a", "C"};
    for (int i = 0; i < 4; ++i)
        setPlayerName(team, i, names[i]);
    const Overview overview = teamOverview(team);
    const NameComparison ignoringCase = [](const std::string& a, const std::string& b) {
        const auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
        return lower(a[0]) - lower(b[0]);
    };
    EXPECT_EQ(overviewOrder(overview, ColName, false, ignoringCase), (std::vector<int>{1, 2, 0, 3}));
    EXPECT_EQ(overviewOrder(overview, ColName, true, ignoringCase), (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(overviewOrder(overview, ColName, false, byBytes), (std::vector<int>{1, 3, 2, 0}));
}

// The change after 2:0, 1:1 and 0:2 in each player's own Paarkreuz, worked by hand: 6:0 and 1:0
// in 5 matches is 205.841, 8:0 and 1:0 in 6 matches 211.5.
TEST_F(TeamOverview, NextMatchColumn)
{
    Overview overview = teamOverview(team);
    EXPECT_EQ(column(overview, ColNextMatch),
              (std::vector<std::string>{"+6 / \xC2\xB1" "0 / -5", "+6 / +1 / -3", "+9 / +2 / -4", "\xE2\x80\x93"}));
    EXPECT_EQ(overviewOrder(overview, ColNextMatch, true, byBytes), (std::vector<int>{2, 1, 0, 3}))
        << "by 2:0, then 1:1; no forecast last";
    EXPECT_EQ(overviewOrder(overview, ColNextMatch, false, byBytes), (std::vector<int>{3, 0, 1, 2}));

    team.decimal = 1;
    overview = teamOverview(team);
    EXPECT_EQ(column(overview, ColNextMatch)[0], "+5,8 / +0,4 / -5,0");

    // One more match would be the tenth of ten: nobody has a forecast.
    for (PlayerRecord& p : team.players)
        p.matches = 9;
    team.players[0].won1 = 9;
    overview = teamOverview(team);
    EXPECT_EQ(column(overview, ColNextMatch)[0], "\xE2\x80\x93");
}

TEST_F(TeamOverview, ClipboardTextAndCsv)
{
    setPlayerName(team, 3, "Tab\there");
    const Overview overview = teamOverview(team);
    const std::vector<int> order = overviewOrder(overview, ColLineup, false, byBytes);
    const std::string text = overviewText(overview, order);
    // The line-up's columns come last, so spreadsheets built on the older columns keep them.
    EXPECT_EQ(text.substr(0, text.find("\r\n")),
              "Nr.\tName\tSpiele\t1. PK\t2. PK\t3. PK\tEinzel\tLKZ\tN\xC3\xA4" "chstes Spiel\tMannschaft\tReihenfolge\tRang\tSperrvermerk");
    EXPECT_NE(text.find("\r\n1\tJ\xC3\xBCrgen Wei\xC3\x9F\t5\t2:4\t0:0\t0:0\t2:4\t181\t+9 / +2 / -4\t1\tgeh"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n4\tTab here\t5\t11:0"), std::string::npos) << "a tab in a name would split the cell";

    const std::string csv = overviewCsv(overview, order);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 3),
              "Nr.;Name;Spiele;1. PK;2. PK;3. PK;Einzel;LKZ;N\xC3\xA4" "chstes Spiel;Mannschaft;Reihenfolge;Rang;Sperrvermerk");
    EXPECT_NE(csv.find("\r\n2;\"A;B\";5;6:0;0:0;1:0;7:0;206;+6 / \xC2\xB1" "0 / -5;1;geh\xC3\xB6rt vor J\xC3\xBCrgen Wei\xC3\x9F (+24,619);1.2;\r\n"),
              std::string::npos) << csv;
    EXPECT_NE(csv.find("\r\n3;\"Sag \"\"Hi\"\"\";5;4:2;"), std::string::npos) << csv;
    EXPECT_EQ(csv.find('\n'), csv.find("\r\n") + 1) << "CRLF line ends";
    EXPECT_EQ(csv.size() - csv.rfind("\r\n"), 2u) << "the last line ends too";
}

#ifndef _WIN32
// What a spreadsheet makes of the file: Python's csv module reads it as Excel in Germany would.
TEST_F(TeamOverview, ASpreadsheetReadsEveryValueBack)
{
    const Overview overview = teamOverview(team);
    const std::string path = ::testing::TempDir() + "overview.csv";
    std::ofstream(path, std::ios::binary) << overviewCsv(overview, overviewOrder(overview, ColLineup, false, byBytes));
    const std::string script =
        "import csv,sys\n"
        "rows = list(csv.reader(open(sys.argv[1], encoding='utf-8-sig', newline=''), delimiter=';'))\n"
        "assert rows[0] == ['Nr.', 'Name', 'Spiele', '1. PK', '2. PK', '3. PK', 'Einzel', 'LKZ', 'N\u00e4chstes Spiel',"
        " 'Mannschaft', 'Reihenfolge', 'Rang', 'Sperrvermerk'], rows[0]\n"
        "assert rows[1][:9] == ['1', 'J\u00fcrgen Wei\u00df', '5', '2:4', '0:0', '0:0', '2:4', '181', '+9 / +2 / -4'], rows[1]\n"
        "assert rows[4][10] == 'keine LKZ', rows[4]\n"
        "assert rows[2][1] == 'A;B' and rows[3][1] == 'Sag \"Hi\"', rows\n"
        "assert rows[4][7] == '\u2013' and rows[4][8] == '\u2013' and len(rows) == 5, rows\n";
    const std::string scriptPath = ::testing::TempDir() + "overview_check.py";
    std::ofstream(scriptPath) << script;
    EXPECT_EQ(std::system(("python3 " + scriptPath + " " + path).c_str()), 0);
    std::remove(path.c_str());
    std::remove(scriptPath.c_str());
}
#endif

} // namespace
