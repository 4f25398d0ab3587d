// League table, formula, rounding and the figure as shown.
#include "rating/formula.h"
#include "rating/lkz.h"
#include "rating/shown_lkz.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
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
        EXPECT_EQ(shownLkzText(static_cast<float>(x), 0), e.whole) << e.what;
        EXPECT_EQ(shownLkzText(x, 1), e.decimal) << e.what;
    }
}

TEST(RoundToWhole, HalfAwayFromZeroByTheFirstDecimal)
{
    const struct {
        float value;
        double expected;
    } cases[] = {
        {2.5f, 3},     {-2.5f, -3},  {2.4999f, 2}, {-0.4f, 0},   {207.176f, 207}, {114.79f, 115},
        {148.9f, 149}, {-3.5f, -4},  {-4.0f, -4},  {0.0f, 0},    {0.5f, 1},       {-0.5f, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(roundToWhole(c.value), c.expected) << c.value;
}

// The text of each form and the number it stands for, which the line-up check compares and a
// season keeps.
TEST(ShownLkz, WholeAndDecimalForms)
{
    const struct {
        double value;
        int decimal;
        const char* text;
        double shown;
    } cases[] = {
        {207.176470588, 0, "207", 207},   {114.79, 0, "115", 115},         {148.9, 0, "149", 149},
        {-4, 0, "-4", -4},                {-3.5, 0, "-4", -4},             {-0.4, 0, "0", 0},
        {0, 0, "0", 0},                   {0, 1, "0,0", 0},                {227, 1, "227,0", 227},
        {-4, 1, "-4,0", -4},              {207.176470588, 1, "207,176", 207.176},
        {148.9, 1, "148,9", 148.9},       {-3.5, 1, "-3,5", -3.5},         {114.790123, 1, "114,79", 114.79},
        {0.25, 1, "0,25", 0.25},          {95.12349, 1, "95,1235", 95.1235},
        // A double just below .5 that becomes exactly .5 as a float rounds away from zero.
        {2.49999999999, 0, "3", 3},       {-2.49999999999, 0, "-3", -3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shownLkzText(c.value, c.decimal), c.text) << c.value << " decimal=" << c.decimal;
        EXPECT_EQ(shownLkzValue(c.value, c.decimal), c.shown) << c.value << " decimal=" << c.decimal;
    }
}

// A fixed sample of plausible inputs: every league and none, 2 to 14 teams, fewer matches than
// teams, no singles or between one and two per match, spread over the Paarkreuze at random.
std::vector<LkzInputs> plausibleSample(int count)
{
    uint64_t state = 20261208;
    const auto next = [&](int n) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((state >> 33) % static_cast<uint64_t>(n));
    };
    std::vector<LkzInputs> sample(count);
    for (LkzInputs& in : sample) {
        in[League] = next(leagueCount + 1) - 1;
        in[TeamCount] = 2 + next(13);
        in[Matches] = 1 + next(in[TeamCount] - 1);
        int singles = next(4) == 0 ? 0 : in[Matches] + next(in[Matches] + 1);
        for (int kind = Won1; kind <= Lost3; ++kind) {
            const int take = kind == Lost3 ? singles : next(singles + 1);
            in[kind] = take;
            singles -= take;
        }
    }
    return sample;
}

// FNV-1a over the exact bits of figures and the bytes of texts.
struct Checksum {
    uint64_t value = 14695981039346656037ull;
    void add(const void* bytes, size_t size)
    {
        for (size_t i = 0; i < size; ++i)
            value = (value ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
    }
    void add(double number)
    {
        uint64_t bits;
        std::memcpy(&bits, &number, sizeof bits);
        add(&bits, sizeof bits);
    }
    void add(const std::string& text) { add(text.c_str(), text.size() + 1); }
};

// The formula and the figures shown, bit for bit and digit for digit what earlier versions
// computed and showed for the same inputs (the checksums were taken from such a version).
TEST(ComputeLkz, SameBitsAndDigitsAsEverBefore)
{
    const std::vector<LkzInputs> sample = plausibleSample(100000);
    EXPECT_EQ(computeLkz(sample[1]), 65.282051282051285);
    EXPECT_EQ(computeLkz(sample[4]), 161.05982905982907);
    Checksum formula, shown, formulaText;
    for (const LkzInputs& in : sample) {
        const double x = computeLkz(in);
        formula.add(x);
        shown.add(shownLkzText(static_cast<float>(x), 0));
        shown.add(shownLkzText(x, 1));
        shown.add(shownLkzValue(x, 1));
        formulaText.add(formulaResultText(x, 0));
        formulaText.add(formulaResultText(x, 1));
        formulaText.add(formulaLeftPart(in));
    }
    EXPECT_EQ(formula.value, 0xcf8013416e4e4ec3ull);
    EXPECT_EQ(shown.value, 0xa7007636bc6dcfd9ull);
    EXPECT_EQ(formulaText.value, 0x6066e4234fe5cf2dull);
}

} // namespace
