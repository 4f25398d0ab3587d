// The line-up and LKZ orders of the team.
#include "team/ordering.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// Players with line-ups 1..n in that order and the given LKZ values.
void makeTeam(const std::vector<float>& lkz)
{
    createStates(static_cast<int>(lkz.size()));
    for (size_t i = 0; i < lkz.size(); ++i) {
        setPlayerName(teamState, static_cast<int>(i), "Spieler " + std::to_string(i + 1));
        teamState.players[i].lkz = lkz[i];
        teamState.players[i].won2 = static_cast<int>(i) + 10;
    }
}

std::vector<int> lineups()
{
    std::vector<int> result;
    for (const PlayerRecord& p : teamState.players)
        result.push_back(p.lineup);
    return result;
}

class Ordering : public ::testing::Test {
protected:
    void TearDown() override { releaseStates(); }
};

TEST_F(Ordering, LkzOrderPlacesEqualValuesAsTheSelectionDoes)
{
    const struct {
        std::vector<float> lkz;
        std::vector<int> lineups;
    } cases[] = {
        {{10, 30, 20, 30}, {4, 2, 3, 1}},
        {{5, 30, 30, 0, 30}, {5, 2, 3, 1, 4}},
        {{1, 2, 3, 4}, {4, 3, 2, 1}},
        {{4, 3, 2, 1}, {1, 2, 3, 4}},
        {{7, 7, 7, 7}, {1, 2, 3, 4}},
        {{0, 180, 0, 180, 0, 0}, {4, 2, 1, 3, 5, 6}},
        {{195.5f, 195.4f, 195.6f, 0}, {3, 1, 2, 4}},
    };
    for (const auto& c : cases) {
        makeTeam(c.lkz);
        sortByLkzValue(teamState);
        EXPECT_EQ(lineups(), c.lineups) << ::testing::PrintToString(c.lkz);
        EXPECT_EQ(teamState.sortByLkz, 1);
    }
}

TEST_F(Ordering, RecordsMoveWhole)
{
    makeTeam({10, 30, 20, 30});
    sortByLkzValue(teamState);
    for (const PlayerRecord& p : teamState.players) {
        EXPECT_EQ(p.name, "Spieler " + std::to_string(p.lineup));
        EXPECT_EQ(p.won2, p.lineup + 9);
    }
}

TEST_F(Ordering, AMarkedPlayerSortsLast)
{
    createStates(5);
    teamState.league = 3;
    teamState.teamCount = 10;
    for (int i = 0; i < 5; ++i) {
        teamState.players[i].matches = 5;
        teamState.players[i].won1 = 1 + i;
        teamState.players[i].lost1 = 1;
    }
    teamState.players[4].invalid[Won1] = 1; // the strongest record, but marked implausible
    for (int i = 0; i < 5; ++i)
        recomputePlayerLkz(teamState, i);
    sortByLkzValue(teamState);
    EXPECT_EQ(lineups(), (std::vector<int>{4, 3, 2, 1, 5}));
    EXPECT_EQ(teamState.players[4].lkz, 0.0f);
}

TEST_F(Ordering, LineupOrderComesBackAfterAnySequence)
{
    std::mt19937 random(7);
    for (int n = minTeamSize; n <= maxTeamSize; ++n) {
        std::vector<float> lkz(n);
        for (float& value : lkz)
            value = static_cast<float>(random() % 4) * 50; // many ties
        makeTeam(lkz);
        for (int round = 0; round < 3; ++round) {
            std::shuffle(teamState.players.begin(), teamState.players.end(), random);
            sortByLkzValue(teamState);
            for (int i = 1; i < n; ++i)
                ASSERT_GE(teamState.players[i - 1].lkz, teamState.players[i].lkz) << n;
        }
        sortByLineup(teamState);
        std::vector<int> expected(n);
        for (int i = 0; i < n; ++i)
            expected[i] = i + 1;
        EXPECT_EQ(lineups(), expected);
        EXPECT_EQ(teamState.sortByLkz, 0);
    }
}

TEST_F(Ordering, ASinglePlayerKeepsTheFlag)
{
    createStates(4);
    for (int flag : {0, 1}) {
        singleState.sortByLkz = flag;
        sortByLkzValue(singleState);
        EXPECT_EQ(singleState.sortByLkz, flag);
        sortByLineup(singleState);
        EXPECT_EQ(singleState.sortByLkz, flag);
    }
}

} // namespace
