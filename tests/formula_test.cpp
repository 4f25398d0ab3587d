// The formula with values: its left part and the result text of the LKZ it shows.
#include "rating/formula.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(Formula, LeftPartForEveryCombinationOfPaarkreuze)
{
    const struct {
        int w1, l1, w2, l2, w3, l3;
        const char* left;
    } cases[] = {
        {10, 4, 0, 0, 0, 0, "LKZ = (2,3 * 10 - 4)"},
        {10, 4, 2, 1, 0, 0, "LKZ = ((2,3 * 10 - 4) + (1,5 * 2 - 1))"},
        {0, 4, 0, 0, 3, 0, "LKZ = ((2,3 * 0 - 4) + (1,0 * 3 - 0))"},
        {3, 0, 2, 2, 1, 0, "LKZ = ((2,3 * 3 - 0) + (1,5 * 2 - 2) + (1,0 * 1 - 0))"},
        {0, 0, 5, 0, 0, 0, "(1,5 * 5 - 0)"},
        {0, 0, 2, 3, 0, 1, "((1,5 * 2 - 3) + (1,0 * 0 - 1))"},
        {0, 0, 0, 0, 4, 4, "(1,0 * 4 - 4)"},
        {0, 0, 0, 0, 0, 0, ""},
    };
    for (const auto& c : cases) {
        const std::string left = formulaLeftPart(inputs(3, 10, 9, c.w1, c.l1, c.w2, c.l2, c.w3, c.l3));
        EXPECT_EQ(left, c.left);
        int depth = 0;
        for (char ch : left) {
            depth += ch == '(' ? 1 : ch == ')' ? -1 : 0;
            EXPECT_GE(depth, 0) << left;
        }
        EXPECT_EQ(depth, 0) << "balanced: " << left;
    }
}

TEST(Formula, ResultTextOfTheComputedLkz)
{
    // Oberliga, 10 teams, 9 matches, 10/4 and 2/1: 180 + 21 * 18 / 17 * 11 / 9.
    const LkzInputs oberliga = inputs(3, 10, 9, 10, 4, 2, 1, 0, 0);
    EXPECT_NEAR(computeLkz(oberliga), 180 + 21.0 * 18 / 17 * 11 / 9, 1e-9);
    EXPECT_EQ(formulaResultText(computeLkz(oberliga), 0), " = 207");
    EXPECT_EQ(formulaResultText(computeLkz(oberliga), 1), " = 207,176");

    const struct {
        LkzInputs in;
        double value;
        const char* whole;
        const char* decimal;
    } cases[] = {
        {inputs(0, 12, 5, 0, 0, 0, 0, 0, 0), 234, " = 234", " = 234"},
        {inputs(7, 10, 5, 0, 0, 4, 2, 2, 1), 108 + 5.0 * 10 / 9 * 11 / 9, " = 115", " = 114,79"},
        {inputs(12, 4, 2, 0, 3, 0, 0, 0, 1), 18 - 4.0 * 4 / 4 * 11 / 3, " = 3", " = 3,33333"},
        {inputs(12, 4, 1, 0, 2, 0, 0, 0, 0), 18 - 2.0 * 2 / 2 * 11 / 3, " = 11", " = 10,6667"},
    };
    for (const auto& c : cases) {
        const double value = computeLkz(c.in);
        EXPECT_NEAR(value, c.value, 1e-9);
        EXPECT_EQ(formulaResultText(value, 0), c.whole) << c.value;
        EXPECT_EQ(formulaResultText(value, 1), c.decimal) << c.value;
    }
}

} // namespace
