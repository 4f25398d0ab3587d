// A player's season: the points kept true to his values, and their INI text.
#include "team/history.h"

#include <gtest/gtest.h>

#include <optional>
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
        {"three match days", {{1, 180.5}, {2, 185.2222}, {3, 191.97777}}, "1:180.500;2:185.222;3:191.978"},
        {"today's values corrected", {{1, 180}, {2, 185}, {2, 186.25}}, "1:180.000;2:186.250"},
        {"the count corrected back", {{1, 180}, {2, 185}, {3, 190}, {2, 184}}, "1:180.000;2:184.000"},
        {"a match day skipped", {{1, 180}, {3, 190}}, "1:180.000;3:190.000"},
        {"no LKZ today", {{1, 180}, {2, 185}, {2, none}}, "1:180.000"},
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
        {"5:191.978;4:185.222;4:186", "4:186.000;5:191.978"},
        {"0:180;14:190;3:abc;x:1;4:;:5;7:1e400;8:nan;9:-inf;10:200000; 2 : 181,5 ;;", "2:181.500"},
        {"1:-4;13:999.9995;+6:1e2;3.0:180;4e0:181;11:170:1", "1:-4.000;6:100.000;13:1000.000"},
        {"", ""},
        {"Verlauf", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(historyIniText(historyFromIni(c.file)), c.written) << c.file;
        EXPECT_EQ(historyIniText(historyFromIni(c.written)), c.written) << c.file;
    }
}

} // namespace
