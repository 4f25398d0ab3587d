// The three checks with their marks and messages, the display state and the stored LKZ.
#include "display/calculate.h"
#include "recording_view.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Calculate : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.team.league = 3;
        model.team.teamCount = 10;
    }
    int calculate(const LkzInputs& in, int interactive) { return calculateFrom(model, view, in, interactive); }
    std::string lastDisplay() const { return view.lastDisplay(); }
    std::vector<std::string> boxes() const
    {
        std::vector<std::string> result;
        for (const auto& e : view.events)
            if (e.rfind("box ", 0) == 0)
                result.push_back(e);
        return result;
    }
    std::vector<int> marks() const
    {
        const PlayerRecord* p = currentPlayer(model.active());
        return std::vector<int>(p->invalid, p->invalid + 9);
    }
    TeamModel model = newModel(6);
    TeamState& team = model.team;
    RecordingView view;
    std::vector<std::string>& events = view.events;
};

TEST_F(Calculate, ShowsTheResultInTheActiveModesForm)
{
    team.currentLineup = 1;
    EXPECT_EQ(calculate(inputs(3, 10, 9, 10, 4, 2, 1), 1), 1);
    EXPECT_EQ(lastDisplay(), "207");
    EXPECT_FLOAT_EQ(model.currentLkz, 207.17647f);
    EXPECT_TRUE(boxes().empty());

    team.decimal = 1;
    EXPECT_EQ(calculate(inputs(7, 10, 5, 0, 0, 4, 2, 2, 1), 0), 1);
    EXPECT_EQ(lastDisplay(), "114,79");
}

TEST_F(Calculate, SinglesBoundariesWithFiveMatches)
{
    for (int singles = 3; singles <= 12; ++singles) {
        events.clear();
        // Spread the singles over the won fields of the three Paarkreuze.
        const int w1 = singles < 4 ? singles : 4, w2 = singles - w1 < 4 ? singles - w1 : 4, w3 = singles - w1 - w2;
        const bool plausible = singles >= 5 && singles <= 10;
        EXPECT_EQ(calculate(inputs(3, 12, 5, w1, 0, w2, 0, w3, 0), 1), plausible ? 1 : 0) << singles;
        if (plausible) {
            EXPECT_TRUE(boxes().empty()) << singles;
        } else {
            ASSERT_EQ(boxes().size(), 1u) << singles;
            EXPECT_EQ(boxes()[0], "box LKZ berechnen: Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n" +
                                      std::to_string(singles) + " Einzel in 5 Punktspielen.");
            EXPECT_EQ(lastDisplay(), "0");
        }
    }
}

TEST_F(Calculate, MessagesAndTheirMarks)
{
    const struct {
        const char* what;
        LkzInputs in;
        const char* box; // nullptr: no message
        std::vector<int> marks;
    } cases[] = {
        {"singular", inputs(3, 12, 1, 3, 0), "box LKZ berechnen: Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n3 Einzel in 1 Punktspiel.",
         {0, 0, 1, 1, 0, 0, 0, 0, 0}},
        {"matches equal teams", inputs(3, 11, 11, 11, 11), "box Fehler: Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel:\n11 Punktspiele bei 11 Mannschaften.",
         {0, 1, 1, 0, 0, 0, 0, 0, 0}},
        {"one match fewer than teams", inputs(3, 11, 10, 10, 10), nullptr, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"only game kinds above zero are marked", inputs(3, 12, 5, 0, 2, 1, 0, 0, 30),
         "box LKZ berechnen: Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n33 Einzel in 5 Punktspielen.",
         {0, 0, 1, 0, 1, 1, 0, 0, 1}},
        {"no league and bad singles: one message, all marks", inputs(-1, 12, 5, 30, 0),
         "box Fehler: Bitte eine Spielklasse auswählen.", {1, 0, 1, 1, 0, 0, 0, 0, 0}},
        {"singles and teams fail: the singles message", inputs(3, 4, 5, 30, 0),
         "box LKZ berechnen: Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n30 Einzel in 5 Punktspielen.",
         {0, 1, 1, 1, 0, 0, 0, 0, 0}},
        {"no league and teams fail: the league message", inputs(-1, 4, 5, 5, 0),
         "box Fehler: Bitte eine Spielklasse auswählen.", {1, 1, 1, 0, 0, 0, 0, 0, 0}},
        {"all three fail: the league message", inputs(-1, 4, 5, 30, 0),
         "box Fehler: Bitte eine Spielklasse auswählen.", {1, 1, 1, 1, 0, 0, 0, 0, 0}},
        {"no games pass for any match count", inputs(3, 12, 0, 0, 0), nullptr, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        events.clear();
        const int result = calculate(c.in, 1);
        EXPECT_EQ(result, c.box ? 0 : 1) << c.what;
        const auto shown = boxes();
        if (c.box) {
            ASSERT_EQ(shown.size(), 1u) << c.what;
            EXPECT_EQ(shown[0], c.box) << c.what;
        } else {
            EXPECT_TRUE(shown.empty()) << c.what;
        }
        EXPECT_EQ(marks(), c.marks) << c.what;
    }
}

TEST_F(Calculate, SilentCallsSetTheSameMarksWithoutMessages)
{
    EXPECT_EQ(calculate(inputs(-1, 4, 5, 30, 0), 0), 0);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(marks(), (std::vector<int>{1, 1, 1, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(lastDisplay(), "0");
}

TEST_F(Calculate, APassingCheckClearsTheGameMarksAgain)
{
    calculate(inputs(3, 12, 5, 9, 9, 9, 0), 0);
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 1, 1, 1, 1, 0, 0, 0}));
    EXPECT_EQ(calculate(inputs(3, 12, 5, 3, 3), 0), 1);
    EXPECT_EQ(marks(), (std::vector<int>(9, 0)));
}

TEST_F(Calculate, NoLeagueShowsZeroFramesTheBoxThenDropsTheList)
{
    team.decimal = 1;
    calculate(inputs(-1, 12, 5, 5, 0), 1);
    const std::vector<std::string> expected = {"display 0,0", "paint", "box Fehler: Bitte eine Spielklasse auswählen.",
                                               "drop list", "clear marks", "display 0,0"};
    EXPECT_EQ(events, expected);
}

TEST_F(Calculate, FailureZeroesTheDisplayAndTheStoredLkz)
{
    calculate(inputs(3, 10, 9, 10, 4, 2, 1), 0);
    team.players[0].matches = 9, team.players[0].won1 = 10, team.players[0].lost1 = 4;
    team.players[0].won2 = 2, team.players[0].lost2 = 1;
    showLkzText(model, view, "207");
    EXPECT_FLOAT_EQ(team.players[0].lkz, 207.17647f);

    team.players[0].matches = 10; // committed: 10 matches with 10 teams
    calculate(inputs(3, 10, 10, 10, 4, 2, 1), 0);
    EXPECT_EQ(model.currentLkz, 0);
    EXPECT_EQ(team.players[0].lkz, 0) << "a player whose values fail the checks stores 0";
}

TEST_F(Calculate, ToggleDecimalReformatsTheLastResultWithoutComputing)
{
    calculate(inputs(3, 10, 9, 10, 4, 2, 1), 0);
    events.clear();
    toggleDecimalOutput(model, view);
    EXPECT_EQ(team.decimal, 1);
    EXPECT_EQ(model.single.decimal, 0) << "the other mode keeps its option";
    EXPECT_EQ(lastDisplay(), "207,176");
    toggleDecimalOutput(model, view);
    EXPECT_EQ(lastDisplay(), "207");
    EXPECT_EQ(boxes().size(), 0u);

    // After a failure it switches between the two zeros.
    calculate(inputs(-1, 10, 9, 10, 4, 2, 1), 0);
    toggleDecimalOutput(model, view);
    EXPECT_EQ(lastDisplay(), "0,0");

    model.singleMode = 1;
    toggleDecimalOutput(model, view);
    EXPECT_EQ(model.single.decimal, 1);
    EXPECT_EQ(team.decimal, 1);
}

// A player's stored LKZ comes from his own stored values, whatever the display shows meanwhile.
TEST_F(Calculate, EachPlayerIsJudgedByItsOwnValues)
{
    for (auto& p : team.players)
        p.matches = 5, p.won1 = 5, p.lost1 = 5;
    team.currentLineup = 1;
    calculate(inputs(3, 10, 5, 20, 0), 0); // marks the shown inputs of player 1
    ASSERT_TRUE(anyMark(model));
    recomputePlayerLkz(team, 3);
    EXPECT_GT(team.players[3].lkz, 0) << "player 4 has plausible values of his own";
    storeInputs(team, 0, inputs(3, 10, 5, 20, 0));
    recomputePlayerLkz(team, 0);
    EXPECT_EQ(team.players[0].lkz, 0) << "20 singles in 5 matches give no LKZ";
}

TEST_F(Calculate, TeamCountOfZeroOrOneStoresZero)
{
    for (int teams : {0, 1}) {
        team.teamCount = teams;
        PlayerRecord& p = team.players[2];
        p.matches = 3, p.won1 = 4, p.lost1 = 2;
        p.lkz = 99;
        recomputePlayerLkz(team, 2);
        EXPECT_EQ(p.lkz, 0) << teams;
        EXPECT_EQ(std::vector<int>(p.invalid, p.invalid + 9), std::vector<int>(9, 0));
    }
}

TEST_F(Calculate, FormulaWithValuesNeedsPlausibleInputs)
{
    const struct {
        LkzInputs in;
        int unavailable;
    } cases[] = {
        {inputs(3, 10, 9, 10, 4, 2, 1), 0},
        {inputs(-1, 10, 9, 10, 4, 2, 1), 1},
        {inputs(3, 10, 9, 0, 0), 1},       // no games
        {inputs(3, 10, 9, 4, 4), 1},       // fewer singles than matches
        {inputs(3, 10, 5, 11, 0), 1},      // more than two singles a match
        {inputs(3, 10, 10, 10, 0), 1},     // matches not below teams
        {inputs(3, 12, 5, 10, 0), 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(valuesFormulaUnavailable(c.in), c.unavailable);
}

} // namespace
