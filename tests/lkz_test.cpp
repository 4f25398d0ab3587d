// League table, formula, rounding and display text.
#include "rating/lkz.h"
#include "recording_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

TEST(LeagueTable, BaseValuesFollowTheComboOrder)
{
    EXPECT_STREQ(LeagueTable[0].name, "1. Bundesliga");
    EXPECT_STREQ(LeagueTable[3].name, "Oberliga");
    EXPECT_STREQ(LeagueTable[12].name, "4. Kreisliga");
    for (int i = 0; i < leagueCount; ++i)
        EXPECT_EQ(leagueBase(i), 234 - 18 * i) << i;
    EXPECT_EQ(leagueBase(-1), 0);
    EXPECT_EQ(leagueBase(13), 0);
}

struct Example {
    const char* what;
    int league, teams, matches, w1, l1, w2, l2, w3, l3;
    double lkz;
    const char* whole;
    const char* decimal;
};

TEST(ComputeLkz, WorkedExamples)
{
    const Example examples[] = {
        {"Oberliga", 3, 10, 9, 10, 4, 2, 1, 0, 0, 207.17647058823529, "207", "207,176"},
        {"2. Bundesliga, exactly 227", 1, 12, 11, 5, 6, 0, 0, 0, 0, 227.0, "227", "227,0"},
        {"1. Bezirksliga", 7, 10, 5, 0, 0, 4, 2, 2, 1, 114.79012345679012, "115", "114,79"},
        {"4. Kreisliga, negative", 12, 12, 11, 0, 22, 0, 0, 0, 0, -4.0, "-4", "-4,0"},
        {"no games gives the base", 3, 12, 7, 0, 0, 0, 0, 0, 0, 180.0, "180", "180,0"},
    };
    for (const Example& e : examples) {
        const double x = computeLkz(leagueBase(e.league), e.teams, e.matches, e.w1, e.l1, e.w2, e.l2, e.w3, e.l3);
        EXPECT_NEAR(x, e.lkz, 1e-9) << e.what;
        EXPECT_EQ(formatLkz(static_cast<float>(x), 0), e.whole) << e.what;
        EXPECT_EQ(formatLkz(x, 1), e.decimal) << e.what;
    }
}

TEST(RoundToPrecision, HalfAwayFromZeroByTheFirstDecimal)
{
    const struct {
        float value;
        double expected;
    } cases[] = {
        {2.5f, 3},     {-2.5f, -3},  {2.4999f, 2}, {-0.4f, 0},   {207.176f, 207}, {114.79f, 115},
        {148.9f, 149}, {-3.5f, -4},  {-4.0f, -4},  {0.0f, 0},    {0.5f, 1},       {-0.5f, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToPrecision(c.value, 1), c.expected) << c.value;
    EXPECT_EQ(roundToPrecision(1234.0f, 100), 1200);
    EXPECT_EQ(roundToPrecision(1250.0f, 100), 1300);
}

TEST(RoundToPrecision, RejectsAPrecisionThatIsNoPowerOfTen)
{
    RecordingView view;
    EXPECT_EQ(roundToPrecision(12.5f, 3, &view), 0);
    // 0.1 as a float is not the double 0.1, so it is refused too.
    EXPECT_EQ(roundToPrecision(12.5f, 0.1f, &view), 0);
    EXPECT_EQ(roundToPrecision(12.5f, 10, &view), 10) << "a power of ten shows nothing";
    ASSERT_EQ(view.events.size(), 2u);
    EXPECT_EQ(view.events[0], "box Fehler: Invalid Rounding Precision Value.");
    EXPECT_EQ(roundToPrecision(12.5f, 3), 0) << "without a view it only refuses";
}

TEST(FormatLkz, WholeAndDecimalForms)
{
    const struct {
        double value;
        int decimal;
        const char* text;
    } cases[] = {
        {207.176470588, 0, "207"}, {114.79, 0, "115"},        {148.9, 0, "149"},   {-4, 0, "-4"},
        {-3.5, 0, "-4"},           {-0.4, 0, "0"},            {0, 0, "0"},
        {0, 1, "0,0"},             {227, 1, "227,0"},         {-4, 1, "-4,0"},     {207.176470588, 1, "207,176"},
        {148.9, 1, "148,9"},       {-3.5, 1, "-3,5"},         {114.790123, 1, "114,79"}, {0.25, 1, "0,25"},
        // A double just below .5 that becomes exactly .5 as a float rounds away from zero.
        {2.49999999999, 0, "3"},   {-2.49999999999, 0, "-3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatLkz(c.value, c.decimal), c.text) << c.value << " decimal=" << c.decimal;
}

} // namespace
