// The rules the spins follow, without a window: matches below teams, and the pair limit.
#include "controls/inputs.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(MainSpins, MatchesStayBelowTeams)
{
    const struct {
        const char* what;
        int teams, matches;
        bool teamSpin; // else the match spin
        int delta;
        bool moves;
        std::optional<int> teamsAfter, matchesAfter; // what the rule writes into the other field
    } cases[] = {
        {"match step reaches the teams", 9, 8, false, +1, true, 10, std::nullopt},
        {"match spin at its end", 14, 13, false, +1, false, std::nullopt, std::nullopt},
        {"fourteen teams are the most", 14, 8, false, +1, true, std::nullopt, std::nullopt},
        {"match step below the teams", 12, 5, false, +1, true, std::nullopt, std::nullopt},
        {"match step down", 9, 8, false, -1, true, std::nullopt, std::nullopt},
        {"team step reaches the matches", 10, 9, true, -1, true, std::nullopt, 8},
        {"one match is the least", 5, 1, true, -1, true, std::nullopt, std::nullopt},
        {"team step far above the matches", 10, 4, true, -1, true, std::nullopt, std::nullopt},
        {"team step up", 10, 9, true, +1, true, std::nullopt, std::nullopt},
        {"team spin at its end", 1, 5, true, -1, false, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        const int pos = c.teamSpin ? c.teams : c.matches;
        const int high = c.teamSpin ? 14 : 13;
        EXPECT_EQ(stepStaysInRange(pos, c.delta, 1, high), c.moves) << c.what;
        if (!c.moves)
            continue; // a spin that does not move changes neither field
        if (c.teamSpin) {
            EXPECT_EQ(matchesAfterTeamStep(pos, c.delta, c.matches), c.matchesAfter) << c.what;
        } else {
            EXPECT_EQ(teamsAfterMatchStep(pos, c.delta, c.teams), c.teamsAfter) << c.what;
        }
    }
}

TEST(PairLimit, WonAndLostStayWithinTwiceTheMatches)
{
    const struct {
        const char* what;
        int limit, delta, pos, partner;
        std::optional<int> spinAfter, partnerAfter;
    } cases[] = {
        {"partner makes room", 10, +1, 6, 4, std::nullopt, 3},
        {"room enough", 10, +1, 3, 0, std::nullopt, std::nullopt},
        {"step at the limit falls back and empties the partner", 10, +1, 10, 2, 9, 0},
        {"a lone count may reach the limit", 10, +1, 9, 0, std::nullopt, std::nullopt},
        {"partner of a low count", 10, +1, 2, 8, std::nullopt, 7},
        {"a step down leaves a fitting partner", 10, -1, 4, 6, std::nullopt, std::nullopt},
        {"a step down pulls an overfull partner back", 10, -1, 8, 7, std::nullopt, 3},
        {"no matches: nothing fits", 0, +1, 0, 1, -1, 0},
    };
    for (const auto& c : cases) {
        const PairStep step = pairStep(c.limit, c.delta, c.pos, c.partner);
        EXPECT_EQ(step.spinPos, c.spinAfter) << c.what;
        EXPECT_EQ(step.partnerPos, c.partnerAfter) << c.what;
    }
    // Going up the spin may reach the limit itself; going down it gets one above, to step from.
    EXPECT_EQ(pairRangeHigh(10, +1), 10);
    EXPECT_EQ(pairRangeHigh(10, -1), 11);
}

TEST(InputTable, PartnersShareARowOfThePage)
{
    for (const InputControl& input : inputControls) {
        EXPECT_EQ(&inputControls[input.kind], &input) << "the table is in InputKind order";
        if (input.partner < 0)
            continue;
        const InputControl& partner = inputControls[input.partner];
        EXPECT_EQ(partner.partner, input.kind);
        EXPECT_EQ(partner.clearButton, input.clearButton);
        EXPECT_EQ(input.surface, Surface::PlayerPage);
        EXPECT_EQ(inputOfSpin(input.spin), &input);
        EXPECT_EQ(inputOfField(Surface::PlayerPage, input.field), &input);
    }
}

} // namespace
