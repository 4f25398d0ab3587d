// Player records, the two modes, names and the change of the team size.
#include "team/team.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

class Team : public ::testing::Test {
protected:
    std::vector<int> lineups() const
    {
        std::vector<int> result;
        for (const auto& p : team.players)
            result.push_back(p.lineup);
        return result;
    }
    // A team of `order.size()` players in the given display order, each with distinct values.
    void makeTeam(const std::vector<int>& order)
    {
        model = newModel(static_cast<int>(order.size()));
        team.league = 3;
        team.teamCount = 10;
        for (size_t i = 0; i < order.size(); ++i) {
            PlayerRecord& p = team.players[i];
            p.lineup = order[i];
            setPlayerName(team, static_cast<int>(i), "Spieler " + std::to_string(order[i]));
            p.matches = 5;
            p.won1 = order[i];
            p.lost1 = 1;
        }
    }
    TeamModel model;
    TeamState& team = model.team;
};

TEST_F(Team, NewModelNumbersBothArrays)
{
    model = newModel(7);
    EXPECT_EQ(team.playerCount, 7);
    EXPECT_EQ(lineups(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    ASSERT_EQ(model.single.players.size(), 1u);
    EXPECT_EQ(model.single.players[0].lineup, 1);
    EXPECT_EQ(model.single.playerCount, 1);
    EXPECT_EQ(model.single.currentLineup, 1);
    EXPECT_EQ(&model.active(), &team);
    model.singleMode = 1;
    EXPECT_EQ(&model.active(), &model.single);
}

// Looking up the current player changes nothing; only keepCurrentValid repairs a stale number.
TEST_F(Team, CurrentIndexFollowsTheLineupAndOnlyKeepCurrentValidRepairsIt)
{
    makeTeam({3, 1, 6, 2, 5, 4});
    const struct {
        int currentLineup, index, keptValid;
    } cases[] = {{6, 2, 6}, {3, 0, 3}, {4, 5, 4}, {7, 0, 3}, {0, 0, 3}, {-2, 0, 3}};
    for (const auto& c : cases) {
        team.currentLineup = c.currentLineup;
        EXPECT_EQ(currentIndex(team), c.index) << c.currentLineup;
        EXPECT_EQ(currentPlayer(team), &team.players[c.index]) << c.currentLineup;
        EXPECT_EQ(team.currentLineup, c.currentLineup) << "looking up wrote " << c.currentLineup;
        keepCurrentValid(team);
        EXPECT_EQ(team.currentLineup, c.keptValid) << c.currentLineup;
    }
}

TEST_F(Team, ReducingKeepsTheFittingPlayersInTheirOrder)
{
    makeTeam({3, 1, 6, 2, 5, 4});
    team.currentLineup = 6; // index 2
    EXPECT_EQ(changePlayerCount(team, 4), CountChange::Changed);
    EXPECT_EQ(team.playerCount, 4);
    EXPECT_EQ(lineups(), (std::vector<int>{3, 1, 2, 4}));
    EXPECT_STREQ(team.players[0].name, "Spieler 3");
    EXPECT_EQ(team.players[0].won1, 3);
    EXPECT_EQ(team.currentLineup, 2) << "the record now at index 2 becomes current";
}

TEST_F(Team, ReducingBelowTheCurrentIndexMakesTheFirstCurrent)
{
    makeTeam({1, 2, 3, 4, 5, 6});
    team.currentLineup = 6; // index 5
    changePlayerCount(team, 4);
    EXPECT_EQ(team.currentLineup, 1);
}

TEST_F(Team, RaisingAppendsDefaultPlayers)
{
    makeTeam({3, 1, 6, 2, 5, 4});
    team.currentLineup = 5;
    EXPECT_EQ(changePlayerCount(team, 8), CountChange::Changed);
    EXPECT_EQ(lineups(), (std::vector<int>{3, 1, 6, 2, 5, 4, 7, 8}));
    for (int i : {6, 7}) {
        const PlayerRecord& p = team.players[i];
        EXPECT_EQ(p.name, "Nr. " + std::to_string(i + 1));
        EXPECT_EQ(p.customName, 0);
        EXPECT_EQ(p.matches, 1);
        EXPECT_EQ(p.won1 + p.lost1 + p.won2 + p.lost2 + p.won3 + p.lost3, 0);
        EXPECT_FLOAT_EQ(p.lkz, 180.0f) << "a new player's LKZ is computed: the league's base";
    }
    EXPECT_EQ(team.currentLineup, 5) << "index 4 still holds line-up 5";
}

TEST_F(Team, DroppedPlayersComeBackFresh)
{
    makeTeam({1, 2, 3, 4, 5, 6});
    changePlayerCount(team, 4);
    changePlayerCount(team, 6);
    EXPECT_EQ(lineups(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_STREQ(team.players[4].name, "Nr. 5");
    EXPECT_EQ(team.players[4].won1, 0);
    EXPECT_EQ(team.players[3].won1, 4) << "kept players keep their values";
}

TEST_F(Team, OutOfRangeOrUnchangedCountsChangeNothing)
{
    makeTeam({1, 2, 3, 4, 5, 6});
    for (int n : {3, 0, -1, 21})
        EXPECT_EQ(changePlayerCount(team, n), CountChange::Ignored) << n;
    EXPECT_EQ(changePlayerCount(team, 6), CountChange::Unchanged);
    EXPECT_EQ(team.playerCount, 6);
    EXPECT_EQ(lineups(), (std::vector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(Team, CustomNameComparesWithTheOwnDefault)
{
    model = newModel(6);
    const struct {
        const char* name;
        int customName;
    } cases[] = {{"Nr. 3", 0}, {"nr. 3", 1}, {"Nr. 4", 1}, {"Jürgen Müller", 1}, {"", 1}};
    for (const auto& c : cases) {
        setPlayerName(team, 2, c.name);
        EXPECT_STREQ(team.players[2].name, c.name);
        EXPECT_EQ(team.players[2].customName, c.customName) << c.name;
    }
}

TEST_F(Team, LongNamesAreCutAtSixtyThreeCharacters)
{
    model = newModel(5);
    const std::string ae = "\xC3\xA4";          // two bytes
    const std::string euro = "\xE2\x82\xAC";    // three
    const std::string clef = "\xF0\x9D\x84\x9E"; // four
    const struct {
        std::string text, kept;
    } cases[] = {
        {std::string(300, 'x'), std::string(63, 'x')},
        {std::string(62, 'a') + ae + "b", std::string(62, 'a') + ae},
        {[&] { std::string t; for (int i = 0; i < 300; ++i) t += ae; return t; }(),
         [&] { std::string t; for (int i = 0; i < 63; ++i) t += ae; return t; }()},
        {[&] { std::string t; for (int i = 0; i < 70; ++i) t += clef; return t; }(),
         [&] { std::string t; for (int i = 0; i < 63; ++i) t += clef; return t; }()},
        {"Weiß " + euro + clef, "Weiß " + euro + clef},
    };
    for (const auto& c : cases) {
        setPlayerName(team, 1, c.text);
        EXPECT_EQ(std::string(team.players[1].name), c.kept) << c.text.size();
    }
    EXPECT_EQ(team.players[2].lineup, 3) << "the neighbour is untouched";
}

TEST_F(Team, ResetGivesDefaultsButKeepsANameAndTheMarks)
{
    model = newModel(6);
    PlayerRecord& p = team.players[2];
    p.lineup = 9;
    p.matches = 7;
    p.won3 = 4;
    p.invalid[2] = 1;
    team.league = 5;
    team.teamCount = 9;
    resetPlayerValues(team, 2);
    EXPECT_EQ(p.lineup, 3);
    EXPECT_STREQ(p.name, "Nr. 3");
    EXPECT_EQ(p.matches, 1);
    EXPECT_EQ(p.won3, 0);
    EXPECT_EQ(p.invalid[2], 1);
    EXPECT_EQ(team.league, 5) << "the others' league stays";
    EXPECT_EQ(team.teamCount, 9);

    setPlayerName(team, 2, "Anna");
    resetPlayerValues(team, 2);
    EXPECT_STREQ(p.name, "Anna");

    resetPlayerValues(model.single, 0);
    EXPECT_STREQ(model.single.players[0].name, "Einzelspieler");
}

TEST_F(Team, ANewPlayerStartsWithTheNameOfItsMode)
{
    model = newModel(4);
    const struct {
        const TeamState& state;
        int lineup;
        const char* name;
    } cases[] = {{model.single, 1, "Einzelspieler"}, {team, 5, "Nr. 5"}};
    for (const auto& c : cases) {
        const PlayerRecord p = newPlayer(c.state, c.lineup);
        EXPECT_STREQ(p.name, c.name);
        EXPECT_EQ(p.lineup, c.lineup);
        EXPECT_EQ(p.customName, 0);
        EXPECT_EQ(p.matches, 1);
    }
}

TEST_F(Team, RemovingAPlayerClosesTheGap)
{
    // Display order 3, 1, 6, 2, 5, 4; default names except line-ups 4 and 6.
    makeTeam({3, 1, 6, 2, 5, 4});
    for (int i = 0; i < 6; ++i)
        setPlayerName(team, i, "Nr. " + std::to_string(team.players[i].lineup));
    setPlayerName(team, 2, "Eva");
    setPlayerName(team, 5, "Nr. 3"); // line-up 4 named after another number: custom
    team.currentLineup = 2;          // index 3, the one removed

    ASSERT_TRUE(removePlayer(team, 3));
    EXPECT_EQ(team.playerCount, 5);
    EXPECT_EQ(lineups(), (std::vector<int>{2, 1, 5, 4, 3}));
    const char* names[] = {"Nr. 2", "Nr. 1", "Eva", "Nr. 4", "Nr. 3"};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(team.players[i].name, names[i]) << i;
    EXPECT_EQ(team.players[2].customName, 1);
    EXPECT_EQ(team.players[4].customName, 1) << "a custom name stays custom";
    EXPECT_EQ(team.players[3].customName, 0);
    EXPECT_EQ(team.players[0].won1, 3) << "values travel with the record";
    EXPECT_EQ(team.currentLineup, 4) << "the record moving into the removed one's place";
}

TEST_F(Team, RemovingPicksTheNextCurrentPlayer)
{
    const struct {
        int removed, currentBefore, currentAfter;
    } cases[] = {
        {5, 6, 1}, // the last tab, current: the first becomes current
        {1, 2, 2}, // line-up 2 was current: the same player, now number 2 of 5
        {1, 6, 5},
        {4, 2, 2},
    };
    for (const auto& c : cases) {
        makeTeam({1, 2, 3, 4, 5, 6});
        team.currentLineup = c.currentBefore;
        ASSERT_TRUE(removePlayer(team, c.removed));
        EXPECT_EQ(team.currentLineup, c.currentAfter) << c.removed << " " << c.currentBefore;
    }
}

TEST_F(Team, ATeamKeepsFourPlayers)
{
    makeTeam({4, 3, 2, 1});
    EXPECT_FALSE(removePlayer(team, 0));
    EXPECT_FALSE(removePlayer(team, 9));
    EXPECT_EQ(lineups(), (std::vector<int>{4, 3, 2, 1}));
    makeTeam({1, 2, 3, 4, 5});
    EXPECT_FALSE(removePlayer(team, 5));
    EXPECT_FALSE(removePlayer(team, -1));
    EXPECT_EQ(team.playerCount, 5);
}

TEST_F(Team, TabTextsAndRenamedNames)
{
    makeTeam({1, 2, 3, 4});
    setPlayerName(team, 1, "Nr. 2");
    const std::string longName(63, 'x');
    setPlayerName(team, 2, longName);
    EXPECT_EQ(tabLabel(team, 0), "Spieler 1");
    EXPECT_EQ(tabLabel(team, 1), "Nr. 2");
    EXPECT_EQ(tabTipText(team, 0), "Nr. 1: Spieler 1\nSortiert nach Aufstellung");
    team.sortByLkz = 1;
    EXPECT_EQ(tabTipText(team, 2), "Nr. 3: " + longName + "\nSortiert nach LKZ");
    EXPECT_EQ(tabTipText(team, 4), "");

    EXPECT_EQ(renamedName(team, 3, "Jörg"), "Jörg");
    EXPECT_EQ(renamedName(team, 3, ""), "Nr. 4");
    EXPECT_EQ(renamedName(model.single, 0, ""), "Einzelspieler");
}

} // namespace

namespace {

// A player moved in the line-up takes his values and a custom name along; default names follow
// their numbers; the current player stays current; the tabs in line-up order follow, those in
// LKZ order stay.
TEST_F(Team, MovingAPlayerSwapsOrShiftsTheLineupNumbers)
{
    const struct {
        bool byLkz;
        int index, target;
        std::vector<int> lineups; // in array order afterwards
        bool moved;
    } cases[] = {
        {false, 2, 2, {1, 2, 3, 4}, true},  // number 3 one place forward
        {false, 1, 3, {1, 2, 3, 4}, true},  // number 2 one place back
        {false, 3, 1, {1, 2, 3, 4}, true},  // dragged to the front
        {false, 0, 0, {1, 2, 3, 4}, false}, // no place before the first
        {false, 3, 5, {1, 2, 3, 4}, false}, // none after the last
        {true, 0, 2, {2, 1, 3, 4}, true},   // LKZ order: the array stays, the numbers change
    };
    for (const auto& c : cases) {
        makeTeam({1, 2, 3, 4});
        for (int i = 0; i < 4; ++i)
            setPlayerName(team, i, i == 1 ? std::string("Anna") : defaultPlayerName(i + 1)); // number 2 named
        team.sortByLkz = c.byLkz;
        team.currentLineup = team.players[c.index].lineup;
        const int won = team.players[c.index].won1;
        EXPECT_EQ(movePlayer(team, c.index, c.target), c.moved) << c.index << " to " << c.target;
        EXPECT_EQ(lineups(), c.lineups) << c.index << " to " << c.target;
        const PlayerRecord* current = currentPlayer(team);
        EXPECT_EQ(current->won1, won) << "the moved player is still current";
        for (const PlayerRecord& p : team.players)
            EXPECT_EQ(std::string(p.name), p.won1 == 2 ? std::string("Anna") : defaultPlayerName(p.lineup));
    }
}

// The "Sperrvermerk" of eight players in teams of three (1-3, 4-6, 7-8), by line-up number ('x'
// marked): what setting and clearing take along, and the marks kept true after each change.
TEST_F(Team, BlockMarksRunFromTheTopOfTheirTeamToTheLowestMarked)
{
    const auto set = [](int lineup, bool on) { return [=](TeamState& t) { return setBlockMark(t, lineup - 1, on); }; };
    const auto move = [](int lineup, int to) { return [=](TeamState& t) { return movePlayer(t, lineup - 1, to); }; };
    const auto remove = [](int lineup) { return [=](TeamState& t) { return removePlayer(t, lineup - 1); }; };
    const struct {
        int regulars;
        const char* before;
        std::function<bool(TeamState&)> change;
        const char *after, *what;
    } cases[] = {
        {3, "........", set(4, true), "...x....", "set at the top"},
        {3, "........", set(5, true), "...xx...", "set in the middle"},
        {3, "........", set(6, true), "...xxx..", "set at the bottom"},
        {3, "...x....", set(8, true), "...x..xx", "set in the last, smaller team"},
        {3, "........", set(3, true), "........", "none in the first team"},
        {0, "........", set(5, true), "........", "none with one team"},
        {3, "...xxx..", set(5, false), "...x....", "cleared in the middle"},
        {3, "...xxxxx", set(4, false), "......xx", "cleared at the top"},
        {3, "...x....", move(4, 7), "......x.", "follows its player across a boundary"},
        {3, "......xx", move(8, 4), "...x..xx", "taken along by a player moved in"},
        {3, "...x....", move(4, 1), "........", "gone in the first team"},
        {3, "...xx...", remove(2), "...x...", "deleted above: the top moves up"},
        {3, "...xx...", remove(5), "...x...", "the lowest marked deleted"},
        {4, "....xx..", [](TeamState& t) { return changePlayerCount(t, 4) == CountChange::Changed; }, "....", "one team left"},
    };
    for (const auto& c : cases) {
        makeTeam({1, 2, 3, 4, 5, 6, 7, 8});
        team.rules = {c.regulars, 0, 0};
        for (int i = 0; c.before[i]; ++i)
            team.players[i].blockMark = c.before[i] == 'x';
        EXPECT_EQ(c.change(team), std::strncmp(c.what, "none", 4) != 0) << c.what;
        std::string marks(team.players.size(), '?');
        for (const PlayerRecord& p : team.players)
            marks[p.lineup - 1] = p.blockMark ? 'x' : '.';
        EXPECT_EQ(marks, c.after) << c.what;
    }
    makeTeam({1, 2, 3, 4, 5});
    team.rules = {4, 999, 999};
    setBlockMark(team, 4, true);
    EXPECT_EQ(tabTipText(team, 4), "Nr. 5: Spieler 5\nSortiert nach Aufstellung\nSperrvermerk");
}

} // namespace
