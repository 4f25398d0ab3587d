// Which squad player each balance row becomes, the preview's rows, and taking them into the squad.
#include "import/balance_match.h"

#include "balance_samples.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string positionsPage() { return balanceSample("positions.html"); }

// A table of Paarkreuz columns: one "rank;name;matches;1+2;3+4;5+6" a line.
BalanceTable paarkreuzTable(const std::string& rows)
{
    return readBalancesFromFile("Rang;Name, Vorname;Eins\xC3\xA4tze;1+2;3+4;5+6\n" + rows);
}

TeamState squad(const std::vector<std::string>& names, Mode mode = Mode::Team)
{
    TeamState state(mode);
    state.league = 3;
    state.teamCount = 10;
    for (size_t i = 0; i < names.size(); ++i) {
        state.players.push_back(newPlayer(state, static_cast<int>(i) + 1));
        setPlayerName(state, static_cast<int>(i), names[i]);
    }
    state.playerCount = static_cast<int32_t>(names.size());
    state.currentLineup = 1;
    return state;
}

void setGames(TeamState& state, int index, int matches, int won1, int lost1, int won3 = 0, int lost3 = 0)
{
    LkzInputs in = inputsOf(state, index);
    const int values[] = {matches, won1, lost1, 0, 0, won3, lost3};
    for (int k = 0; k < 7; ++k)
        in[Matches + k] = values[k];
    storeInputs(state, index, in);
}

std::vector<std::string> column(const BalancePreview& preview, int col)
{
    std::vector<std::string> cells;
    for (size_t i = 0; i < preview.rows.size(); ++i)
        cells.push_back((col == PreviewTick ? (preview.rows[i].ticked ? "x" : "-") : "") + previewCell(preview, int(i), col));
    return cells;
}

const std::string celik = "\xC3\x87" "ELIK,\xC2\xA0 derya"; // another case, an NBSP and a second blank

TEST(BalanceMatch, APageFillsTheSquadInOneStepAndASecondPasteChangesNothing)
{
    TeamState team = squad({"Henrik Albers", celik, "Nr. 3", "Vries", "Nr. 5", "Lukas Sch\xC3\xA4" "fer"});
    setGames(team, 0, 2, 6, 3); // more singles than two matches hold: no LKZ today
    setGames(team, 3, 4, 2, 2);
    setGames(team, 4, 3, 1, 1);
    setGames(team, 5, 9, 0, 0, 13, 4);
    team.currentLineup = 4;
    const BalanceTable table = readBalancesFromClipboard(positionsPage(), "");
    const BalancePreview preview = matchBalances(table, team);

    EXPECT_EQ(column(preview, PreviewTick), (std::vector<std::string>{"x", "x", "x", "x", "x", "x", "x", "-"}));
    EXPECT_EQ(column(preview, PreviewTarget),
              (std::vector<std::string>{"Henrik Albers", celik, "statt Nr. 3", "neu", "Lukas Sch\xC3\xA4" "fer", "neu", "neu",
                                        "Ersatz aus Mannschaft 2"}));
    EXPECT_EQ(previewCell(preview, 0, PreviewMatches), "2 \xE2\x86\x92 9");
    EXPECT_EQ(previewCell(preview, 0, PreviewLkz).rfind("keine LKZ \xE2\x86\x92 2", 0), 0u) << previewCell(preview, 0, PreviewLkz);
    EXPECT_EQ(previewCell(preview, 0, PreviewPk1), "6:3 \xE2\x86\x92 11:5");
    EXPECT_EQ(previewCell(preview, 3, PreviewPk2), "\xE2\x80\x93 \xE2\x86\x92 6:6");
    EXPECT_EQ(previewCell(preview, 6, PreviewReason), "keine Eins\xC3\xA4tze");
    EXPECT_FALSE(preview.changesNothing);

    ASSERT_TRUE(applyBalances(team, preview));
    std::vector<std::string> names;
    for (const PlayerRecord& p : team.players)
        names.push_back(std::to_string(p.lineup) + " " + p.name + " " + std::to_string(p.matches) + " " +
                        std::to_string(p.won1) + ":" + std::to_string(p.lost1) + " " + std::to_string(p.won2) + ":" +
                        std::to_string(p.lost2) + " " + std::to_string(p.won3) + ":" + std::to_string(p.lost3));
    EXPECT_EQ(names, (std::vector<std::string>{
                         "1 Henrik Albers 9 11:5 0:0 0:0", "2 " + celik + " 8 7:7 0:0 0:0",
                         "3 Jens M\xC3\xBCller-Thurgau 9 0:0 11:6 0:0", "4 Vries 4 2:2 0:0 0:0", "5 Nr. 5 3 1:1 0:0 0:0",
                         "6 Lukas Sch\xC3\xA4" "fer 9 0:0 0:0 13:4", "7 Sanne de Vries 7 0:0 6:6 0:0",
                         "8 Kasia Wr\xC3\xB3" "bel 6 0:0 1:1 7:3", "9 Paul Zimmer 1 0:0 0:0 0:0"}));
    EXPECT_EQ(team.playerCount, 9);
    EXPECT_EQ(team.currentLineup, 4);
    EXPECT_EQ(team.league, 3);
    EXPECT_EQ(team.teamCount, 10);
    ASSERT_FALSE(team.players[0].history.empty());
    EXPECT_EQ(team.players[0].history.back().matches, 9);

    const BalancePreview again = matchBalances(table, team);
    EXPECT_TRUE(again.changesNothing);
    EXPECT_EQ(again.summary, "8 Spielerbilanzen erkannt (Positionen 1\xE2\x80\x93" "6), Einzel 57:33 stimmt; "
                             "nichts zu \xC3\xA4ndern, die Werte stehen schon so im Kader");
    EXPECT_FALSE(applyBalances(team, again));
}

TEST(BalanceMatch, WhoseValuesARowBecomes)
{
    std::vector<std::string> twenty;
    for (int i = 1; i <= 20; ++i)
        twenty.push_back("Spieler " + std::to_string(i));
    const struct {
        const char* what;
        TeamState state;
        std::string rows;
        std::vector<bool> ticks; // empty: the preview's own
        std::vector<std::string> targets, reasons;
    } cases[] = {
        {"each player once", squad({"B A", "Nr. 2", "Nr. 3", "Nr. 4"}), "1.1;A, B;2;1:1\n1.2;A, B;2;1:1\n", {},
         {"B A", "statt Nr. 2"}, {"", ""}},
        {"a full squad", squad(twenty), "1.1;Neu, Nina;2;1:1\n1.2;Spieler 3;2;2:0\n", {},
         {"\xE2\x80\x93", "Spieler 3"}, {"Kader voll (20 Spieler)", ""}},
        {"what the fields do not take", squad({"A", "B", "C", "D"}), "1.1;X, Y;14;1:1\n1.2;Z, W;9;27:0\n", {},
         {"\xE2\x80\x93", "\xE2\x80\x93"}, {"mehr als 13 Eins\xC3\xA4tze", "mehr als 26 Spiele im 1. Paarkreuz"}},
        {"a substitute ticked by the user", squad({"A", "B", "C", "Nr. 4"}), "1.1;A;2;1:1\n2.1;Gast, Gustav;1;1:0\n",
         {true, true}, {"A", "statt Nr. 4"}, {"", ""}},
        {"single player", squad({"Sanne de Vries"}, Mode::Single), "1.1;Albers, Henrik;9;11:5\n1.4;de Vries, Sanne;7;6:6\n",
         {}, {"\xE2\x80\x93", "Sanne de Vries"}, {"", ""}},
    };
    for (const auto& c : cases) {
        const BalanceTable table = paarkreuzTable(c.rows);
        const BalancePreview preview = c.ticks.empty() ? matchBalances(table, c.state) : matchBalances(table, c.state, c.ticks);
        EXPECT_EQ(column(preview, PreviewTarget), c.targets) << c.what;
        EXPECT_EQ(column(preview, PreviewReason), c.reasons) << c.what;
        for (const PreviewRow& row : preview.rows)
            EXPECT_EQ(row.ticked, row.targetText != "\xE2\x80\x93") << c.what << ": " << row.source->name;
    }
}

TEST(BalanceMatch, TheSinglePlayersTicksAreOneChoice)
{
    const BalanceTable table = paarkreuzTable("1.1;Albers, Henrik;9;11:5\n1.4;de Vries, Sanne;7;6:6\n");
    TeamState single = squad({"Einzelspieler"}, Mode::Single);
    BalancePreview preview = matchBalances(table, single);
    EXPECT_FALSE(preview.canApply());
    preview = matchBalances(table, single, ticksAfterClick(preview, 1));
    EXPECT_EQ(column(preview, PreviewTick), (std::vector<std::string>{"-", "x"}));
    preview = matchBalances(table, single, ticksAfterClick(preview, 0));
    EXPECT_EQ(column(preview, PreviewTick), (std::vector<std::string>{"x", "-"}));
    ASSERT_TRUE(applyBalances(single, preview));
    EXPECT_STREQ(single.players[0].name, "Einzelspieler");
    EXPECT_EQ(single.players[0].won1, 11);
}

TEST(BalanceMatch, TheLkzOrderIsKeptAfterTheImport)
{
    TeamState team = squad({"A", "B", "C", "D"});
    for (int i = 0; i < 4; ++i)
        setGames(team, i, 4, 4 - i, 4);
    team.sortByLkz = 1;
    ASSERT_TRUE(applyBalances(team, matchBalances(paarkreuzTable("1.1;D;5;9:1\n"), team)));
    EXPECT_EQ(std::string(team.players[0].name), "D");
    EXPECT_EQ(team.players[0].lineup, 4);
}

} // namespace
