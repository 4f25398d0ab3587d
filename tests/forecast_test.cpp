// The forecast of the next match: each cell as the LKZ display would show it, the player's own
// Paarkreuz, the refusals and the clipboard text.
#include "display/calculate.h"
#include "rating/forecast.h"
#include "recording_view.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

const std::string dash = "\xE2\x80\x93";

// What the main display shows for these inputs in this form, or "" when the checks fail.
std::string displayed(const LkzInputs& in, int decimal)
{
    RecordingView view;
    TeamModel model = newModel(6);
    model.team.decimal = decimal;
    const int shown = calculateFrom(model, view, in, 0);
    return shown ? view.lastDisplay() : "";
}

// Whole display text as a number; decimal text with its comma.
double number(std::string text)
{
    for (char& c : text)
        if (c == ',')
            c = '.';
    return std::stod(text);
}

// A grid of players over leagues, league sizes, matches and games, every result in every
// Paarkreuz, in both display forms: each cell is what typing that result in would show.
TEST(Forecast, EveryCellIsWhatTheDisplayWouldShow)
{
    int cellsSeen = 0, dashesSeen = 0, refusalsSeen = 0;
    for (int league : {0, 3, 7, 12})
        for (int teams : {4, 10, 14})
            for (int matches = 0; matches < teams; ++matches)
                for (int pattern = 0; pattern < 6; ++pattern) {
                    // Singles from none to one more than twice the matches, spread unevenly over
                    // the Paarkreuze.
                    const int singles = pattern == 0 ? 0 : pattern == 5 ? 2 * matches + 1 : matches * (pattern + 3) / 4;
                    const int w1 = singles / 2, l1 = singles / 6, w2 = (singles - w1 - l1) / 2;
                    const int l2 = pattern % 2 ? singles - w1 - l1 - w2 : 0;
                    const int w3 = singles - w1 - l1 - w2 - l2;
                    const LkzInputs today = inputs(league, teams, matches, w1, l1, w2, l2, 0, w3);
                    for (int decimal : {0, 1}) {
                        const Forecast forecast = forecastNextMatch(today, decimal);
                        const std::string what = std::to_string(league) + "/" + std::to_string(teams) + "/" +
                                                 std::to_string(matches) + "/" + std::to_string(singles) + "/" +
                                                 std::to_string(decimal);
                        if (!forecast.available()) {
                            ++refusalsSeen;
                            EXPECT_TRUE(matches + 1 >= teams || displayed(today, decimal).empty()) << what;
                            continue;
                        }
                        ASSERT_EQ(forecast.todayText, displayed(today, decimal)) << what;
                        for (int r = 0; r < matchResultCount; ++r)
                            for (int pk = 0; pk < paarkreuzCount; ++pk) {
                                const ForecastCell& cell = forecast.cells[r][pk];
                                const std::string shown = displayed(afterResult(today, pk, matchResults[r]), decimal);
                                const std::string where = what + " " + matchResultText(matchResults[r]) + " in " +
                                                          std::to_string(pk + 1);
                                EXPECT_EQ(cell.plausible ? cell.lkzText : "", shown) << where;
                                if (!cell.plausible) {
                                    ++dashesSeen;
                                    EXPECT_EQ(forecastCellText(cell), dash) << where;
                                    continue;
                                }
                                ++cellsSeen;
                                EXPECT_EQ(forecastCellText(cell), shown + " (" + cell.changeText + ")") << where;
                                // The change reads against today's display: whole numbers exactly,
                                // decimal ones to the nearest tenth.
                                const double difference = number(shown) - number(forecast.todayText);
                                if (decimal) {
                                    EXPECT_NEAR(cell.change, difference, 0.0501 + 0.001) << where;
                                    EXPECT_NEAR(cell.change * 10, std::round(cell.change * 10), 1e-9) << where;
                                } else {
                                    EXPECT_EQ(cell.change, difference) << where;
                                }
                                const char sign = cell.change > 0 ? '+' : cell.change < 0 ? '-' : 0;
                                if (sign)
                                    EXPECT_EQ(cell.changeText[0], sign) << where;
                                else
                                    EXPECT_EQ(cell.changeText, decimal ? "\xC2\xB1" "0,0" : "\xC2\xB1" "0") << where;
                                EXPECT_EQ(number(cell.changeText.substr(sign ? 0 : 2)), cell.change) << where;
                            }
                    }
                }
    EXPECT_GT(cellsSeen, 1000);
    EXPECT_GT(dashesSeen, 100);
    EXPECT_GT(refusalsSeen, 10);
}

// Oberliga, 12 teams, 9 matches, 10:4 in the first Paarkreuz and 2:1 in the second: LKZ
// 202.235. Worked by hand: 2:0 in the first gives 12:4 and 2:1 in 10 matches, 206.947.
TEST(Forecast, AWorkedExample)
{
    const LkzInputs today = inputs(3, 12, 9, 10, 4, 2, 1);
    const struct {
        int decimal;
        int result, pk;
        const char* cell;
    } cases[] = {
        {0, 2, 0, "207 (+5)"},       {0, 3, 0, "203 (+1)"},       {0, 4, 0, "200 (-2)"},
        {0, 1, 2, "202 (\xC2\xB1" "0)"}, {0, 8, 1, "198 (-4)"},   {0, 5, 0, "208 (+6)"},
        {1, 2, 0, "206,947 (+4,7)"}, {1, 1, 0, "202,222 (\xC2\xB1" "0,0)"}, {1, 3, 2, "202,105 (-0,1)"},
    };
    for (const auto& c : cases) {
        const Forecast forecast = forecastNextMatch(today, c.decimal);
        EXPECT_EQ(forecast.todayText, c.decimal ? "202,235" : "202");
        EXPECT_EQ(forecastCellText(forecast.cells[c.result][c.pk]), c.cell) << c.result << " " << c.pk;
    }
    // 20 singles in 10 matches is the most: after 18, three more are one too many.
    const Forecast forecast = forecastNextMatch(inputs(3, 12, 9, 10, 4, 2, 2), 0);
    for (int pk = 0; pk < paarkreuzCount; ++pk)
        for (int r = 0; r < matchResultCount; ++r)
            EXPECT_EQ(forecast.cells[r][pk].plausible, r < 5) << r << " " << pk;
}

TEST(Forecast, OwnPaarkreuzIsWhereThePlayerPlayedMost)
{
    const struct {
        LkzInputs in;
        int own;
    } cases[] = {
        {inputs(3, 12, 5, 0, 0, 4, 2, 1, 0), 1},
        {inputs(3, 12, 5, 1, 0, 1, 0, 6, 2), 2},
        {inputs(3, 12, 5, 2, 2, 0, 4, 0, 0), 0},  // a tie goes to the higher one
        {inputs(3, 12, 5, 0, 0, 3, 0, 1, 2), 1},
        {inputs(3, 12, 0, 0, 0, 0, 0, 0, 0), 0},  // no games yet
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ownPaarkreuz(c.in), c.own);
        const Forecast forecast = forecastNextMatch(c.in, 0);
        EXPECT_EQ(forecastHeaders(forecast)[1 + c.own], std::to_string(c.own + 1) + ". PK (eigenes)");
    }
}

// No table, and why, in the words of the check that fails.
TEST(Forecast, RefusesWhenThereIsNoNextMatchOrNoLkzToday)
{
    const struct {
        LkzInputs in;
        const char* refusal;
    } cases[] = {
        {inputs(3, 10, 9, 10, 4, 2, 1),
         "Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel: 10 Punktspiele bei 10 Mannschaften."},
        {inputs(3, 12, 5, 11, 0), "Anzahl Punktspiele/Anzahl durchgef\xC3\xBChrte Einzel nicht plausibel: 11 Einzel in 5 Punktspielen."},
        {inputs(-1, 12, 5, 5, 0), "Bitte eine Spielklasse ausw\xC3\xA4hlen."},
        {inputs(3, 8, 8, 10, 4), "Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel: 8 Punktspiele bei 8 Mannschaften."},
        {inputs(3, 1, 0, 0, 0), "Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel: 1 Punktspiele bei 1 Mannschaften."},
    };
    for (const auto& c : cases) {
        const Forecast forecast = forecastNextMatch(c.in, 1);
        EXPECT_FALSE(forecast.available());
        EXPECT_EQ(forecast.refusal, c.refusal);
    }
    EXPECT_TRUE(forecastNextMatch(inputs(3, 10, 8, 9, 4, 2, 1), 0).available()) << "the ninth of ten is possible";
}

TEST(Forecast, SummaryNamesThePlayerOrGivesTheRefusal)
{
    const struct {
        LkzInputs in;
        const char* summary;
    } cases[] = {
        {inputs(3, 12, 9, 10, 4, 2, 1), "J\xC3\xBCrgen M\xC3\xBCller: LKZ 202 nach 9 Punktspielen"},
        {inputs(3, 12, 1, 1, 0), "J\xC3\xBCrgen M\xC3\xBCller: LKZ 185 nach 1 Punktspiel"},
        {inputs(-1, 12, 5, 5, 0), "Bitte eine Spielklasse ausw\xC3\xA4hlen."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(forecastSummary(forecastNextMatch(c.in, 0), "J\xC3\xBCrgen M\xC3\xBCller", c.in[Matches]), c.summary);
}

TEST(Forecast, ClipboardTextIsTheTable)
{
    const Forecast forecast = forecastNextMatch(inputs(3, 12, 9, 10, 4, 2, 2), 0);
    const std::string text = forecastText(forecast);
    const std::string expectedStart = "Ergebnis\t1. PK (eigenes)\t2. PK\t3. PK\r\n"
                                      "1:0\t203 (+3)\t203 (+3)\t202 (+2)\r\n";
    EXPECT_EQ(text.substr(0, expectedStart.size()), expectedStart);
    EXPECT_NE(text.find("\r\n3:0\t" + dash + "\t" + dash + "\t" + dash + "\r\n"), std::string::npos) << text;
    int lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(lines, 1 + matchResultCount);
    EXPECT_EQ(text.size() - text.rfind("\r\n"), 2u) << "the last line ends too";
}

} // namespace
