// A player's season: the points kept true to his values wherever they change, and their INI text.
#include "team/history.h"

#include "core_test_support.h"
#include "display/chart_layout.h"
#include "team/ordering.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(SeasonHistory, KeptTrueToTheStoredValues)
{
    const std::optional<double> none;
    const struct {
        const char* what;
        std::vector<std::pair<int, std::optional<double>>> edits; // match count, LKZ of the values
        const char* text;
    } cases[] = {
        {"three match days", {{1, 180.5}, {2, 185.2222}, {3, 191.97777}}, "1:180.5;2:185.222;3:191.978"},
        {"below 100: the four decimals the display shows", {{1, 95.12349}, {2, 99.9999996}}, "1:95.1235;2:100.0"},
        {"today's values corrected", {{1, 180}, {2, 185}, {2, 186.25}}, "1:180.0;2:186.25"},
        {"the count corrected back", {{1, 180}, {2, 185}, {3, 190}, {2, 184}}, "1:180.0;2:184.0"},
        {"a match day skipped", {{1, 180}, {3, 190}}, "1:180.0;3:190.0"},
        {"no LKZ today", {{1, 180}, {2, 185}, {2, none}}, "1:180.0"},
        {"another league: today only", {{4, 185.222}, {5, 191.978}, {5, 173.978}}, "4:185.222;5:173.978"},
        {"no matches", {{3, 190}, {0, 180}}, ""},
    };
    for (const auto& c : cases) {
        SeasonHistory history;
        for (const auto& edit : c.edits)
            keepHistory(history, edit.first, edit.second);
        EXPECT_EQ(historyIniText(history), c.text) << c.what;
    }
    // The decimal display shows six digits.
    SeasonHistory history;
    keepHistory(history, 3, 207.176470588);
    keepHistory(history, 4, 54.123456);
    EXPECT_EQ(history[0].lkz, 207.176);
    EXPECT_EQ(history[1].lkz, 54.1235);
}

TEST(SeasonHistory, IniTextReadLeniently)
{
    const struct {
        const char* file;
        const char* written;
    } cases[] = {
        {"4:185.222;5:191.978", "4:185.222;5:191.978"},
        {"5:191.978;4:185.222;4:186", "4:186.0;5:191.978"},
        {"0:180;14:190;3:abc;x:1;4:;:5;7:1e400;8:nan;9:-inf;10:200000; 2 : 181,5 ;;", "2:181.5"},
        {"1:-4;13:999.9995;+6:1e2;3.0:180;4e0:181;11:170:1", "1:-4.0;6:100.0"},
        {"1:95.12345678;2:95.124", "1:95.1235;2:95.124"},
        // No league and no result gives less than -4 or more than 284,6.
        {"1:-4.001;2:284.6;3:284.601;4:-3.9999;5:-1e-3", "2:284.6;4:-3.9999;5:-0.001"},
        {"", ""},
        {"Verlauf", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(historyIniText(historyFromIni(c.file)), c.written) << c.file;
        EXPECT_EQ(historyIniText(historyFromIni(c.written)), c.written) << c.file;
    }
}

// Each player's season text, by line-up number.
std::vector<std::string> seasons(const TeamState& state)
{
    std::vector<std::string> texts(state.players.size());
    for (const PlayerRecord& p : state.players)
        texts.at(p.lineup - 1) = historyIniText(p.history);
    return texts;
}

int indexOf(const TeamState& state, int lineup)
{
    for (size_t i = 0; i < state.players.size(); ++i)
        if (state.players[i].lineup == lineup)
            return static_cast<int>(i);
    return -1;
}

// The team's edits as the main dialog makes them (a commit, a spin step and a tab switch all
// store the page through storeInputs) and the other changes of a squad, in one season.
TEST(SeasonHistory, FollowsEveryPlayerThroughTheTeamsEdits)
{
    TeamModel model = newModel(minTeamSize);
    TeamState& team = model.team;
    const auto commit = [&](int lineup, const LkzInputs& in) { storeInputs(team, indexOf(team, lineup), in); };
    const struct {
        const char* what;
        std::function<void()> edit;
        std::vector<std::string> seasons;
    } steps[] = {
        {"the first match day", [&] { commit(1, inputs(3, 10, 1, 1, 1)); commit(2, inputs(3, 10, 1, 2, 0)); },
         {"1:181.589", "1:185.622", "", ""}},
        {"the second", [&] { commit(1, inputs(3, 10, 2, 3, 1)); }, {"1:181.589;2:187.211", "1:185.622", "", ""}},
        {"today's values corrected", [&] { commit(1, inputs(3, 10, 2, 2, 2)); },
         {"1:181.589;2:183.178", "1:185.622", "", ""}},
        {"another league, stored with a player who has no LKZ: everyone's today changes",
         [&] { commit(3, inputs(4, 10, 1, 5, 0)); }, {"1:181.589;2:165.178", "1:167.622", "", ""}},
        {"the count corrected back", [&] { commit(1, inputs(4, 10, 1, 1, 1)); }, {"1:163.589", "1:167.622", "", ""}},
        {"values without an LKZ lose today's point", [&] { commit(2, inputs(4, 10, 1, 5, 0)); },
         {"1:163.589", "", "", ""}},
        {"sorted by LKZ: the seasons stay with their players", [&] { commit(2, inputs(4, 10, 1, 2, 0)); sortByLkzValue(team); },
         {"1:163.589", "1:167.622", "", ""}},
        {"moved in the line-up", [&] { renumber(team.players[indexOf(team, 1)], 0); renumber(team.players[indexOf(team, 2)], 1);
                                       renumber(team.players[indexOf(team, 0)], 2); },
         {"1:167.622", "1:163.589", "", ""}},
        {"a larger team: the new players, without a single game yet, have none", [&] { changePlayerCount(team, 6); },
         {"1:167.622", "1:163.589", "", "", "", ""}},
        {"deleted: the next moves up with his season", [&] { removePlayer(team, indexOf(team, 1)); },
         {"1:163.589", "", "", "", ""}},
        {"the league reset", [&] { resetLeague(team); }, {"", "", "", "", ""}},
    };
    for (const auto& step : steps) {
        step.edit();
        EXPECT_EQ(seasons(team), step.seasons) << step.what;
    }
    // Whatever the order of the tabs, the chart takes the players with points by line-up number.
    commit(1, inputs(3, 10, 1, 1, 1));
    commit(4, inputs(3, 10, 1, 2, 0));
    sortByLkzValue(team);
    team.currentLineup = 4;
    setPlayerName(team, indexOf(team, 4), "Anna");
    const SeasonChart chart = seasonChart(team);
    ASSERT_EQ(chart.series.size(), 2u);
    EXPECT_EQ(chart.series[0].name, "Nr. 1");
    EXPECT_EQ(chart.series[1].name, "Anna");
    EXPECT_EQ(historyIniText(chart.series[1].points), "1:185.622");
    EXPECT_EQ(chart.current, 1);
}

// Saved beside each player and read with him; today's point always from his values, whatever the
// file says; an older file without the keys, and a mode that keeps no data, as before.
TEST(SeasonHistory, KeptInTheIniFileUnderTheLineup)
{
    const struct {
        const char* what;
        std::string values, season;
        bool saveData;
        const char* loaded;
        const char* written; // "<absent>": no key
    } cases[] = {
        {"as saved", "031003040200000000", "1:181.589;2:187.211;3:188.800", true, "1:181.589;2:187.211;3:188.8",
         "1:181.589;2:187.211;3:188.8"},
        {"today's point from the values", "031003040200000000", "1:181.589;3:999", true, "1:181.589;3:188.8", "1:181.589;3:188.8"},
        {"beyond today's count dropped", "031001010100000000", "1:170;2:187.211", true, "1:181.589", "1:181.589"},
        {"an older file", "031003040200000000", "", true, "3:188.8", "3:188.8"},
        {"hostile text", "031003040200000000", "2:x;2:1e999;;2:185,5;1:nan", true, "2:185.5;3:188.8", "2:185.5;3:188.8"},
        {"no data kept", "031003040200000000", "1:181.589", false, "", "<absent>"},
    };
    for (const auto& c : cases) {
        FakeIni file;
        file.set("LKZ", "ShowEinzel", "0");
        file.set("Mannschaft", "SaveData", c.saveData ? "1" : "0");
        file.set("Mannschaft", "Anzahlspieler", "4");
        file.set("Mannschaft", "Spieler2", c.values);
        file.set("Mannschaft", "Spieler4", c.values); // the league is the last player's
        if (!c.season.empty())
            file.set("Mannschaft", "Verlauf2", c.season);
        std::vector<std::string> faults;
        const TeamModel model = loadModel(file.store(), faults);
        EXPECT_EQ(historyIniText(model.team.players[1].history), c.loaded) << c.what;
        FakeIni saved;
        saveAll(model, saved.store());
        EXPECT_EQ(saved.get("Mannschaft", "Verlauf2"), c.written) << c.what;
    }
}

} // namespace
