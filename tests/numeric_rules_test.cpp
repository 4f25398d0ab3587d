// What the numeric fields do with typed characters, released keys and the commit timer.
#include "controls/numeric_rules.h"

#include <gtest/gtest.h>

namespace {

using K = StepKind;

TEST(NumericFields, CharacterFilter)
{
    const struct {
        const char* what;
        const char* text;
        int selStart, selEnd;
        unsigned ch;
        CharVerdict verdict;
    } cases[] = {
        {"a digit into an empty field", "", 0, 0, '7', CharVerdict::Pass},
        {"a second digit", "1", 1, 1, '2', CharVerdict::Pass},
        {"a third digit beeps", "12", 2, 2, '3', CharVerdict::Beep},
        {"a selection is replaced", "12", 0, 2, '3', CharVerdict::Pass},
        {"backspace always passes", "12", 2, 2, 0x08, CharVerdict::Pass},
        {"letters are swallowed quietly", "", 0, 0, 'a', CharVerdict::Swallow},
        {"so is a letter into a full field", "12", 2, 2, 'x', CharVerdict::Swallow},
        {"minus", "", 0, 0, '-', CharVerdict::Swallow},
        {"comma", "1", 1, 1, ',', CharVerdict::Swallow},
        {"point", "1", 1, 1, '.', CharVerdict::Swallow},
        {"no zero in front of a digit", "5", 0, 0, '0', CharVerdict::Swallow},
        {"a zero behind a digit makes ten", "1", 1, 1, '0', CharVerdict::Pass},
        {"no zero behind a lone zero", "0", 1, 1, '0', CharVerdict::Swallow},
        {"a zero into an empty field", "", 0, 0, '0', CharVerdict::Pass},
        {"a zero replacing a selected digit", "5", 0, 1, '0', CharVerdict::Pass},
    };
    for (const auto& c : cases)
        EXPECT_EQ(filterChar(c.text, c.selStart, c.selEnd, c.ch), c.verdict) << c.what;
}

// A digit from the numeric keypad follows every rule a digit of the main keyboard follows.
TEST(NumericFields, KeypadDigitsAreDigits)
{
    const NumericField fields[] = {NumericField::TeamCount, NumericField::Matches, NumericField::PlayerCount,
                                   NumericField::Games};
    const char* texts[] = {"", "0", "1", "2", "5", "13", "25", "99"};
    for (NumericField field : fields)
        for (const char* text : texts)
            for (bool autoCalc : {false, true})
                for (bool pending : {false, true})
                    for (unsigned digit = 0; digit <= 9; ++digit) {
                        FieldState state{field, text, 3, 10, autoCalc, pending};
                        EXPECT_EQ(keyReleaseSteps(state, 0x60 + digit), keyReleaseSteps(state, '0' + digit))
                            << "field " << static_cast<int>(field) << ", text \"" << text << "\", digit " << digit
                            << (autoCalc ? ", computing" : "") << (pending ? ", pending" : "");
                    }
    EXPECT_TRUE(isDigitKey(0x60) && isDigitKey(0x69));
    EXPECT_FALSE(isDigitKey(0x6A)) << "the keypad's * is no digit";
}

TEST(NumericFields, KeyRelease)
{
    const unsigned digit = '5', erase = keyBack, other = 0x41 /* A */;
    const struct {
        const char* what;
        FieldState state;
        unsigned key;
        Steps steps;
    } cases[] = {
        {"arrows select and commit", {NumericField::TeamCount, "7"}, keyUp, {{K::SelectAll}, {K::Commit}}},
        {"teams: a lone 1 waits", {NumericField::TeamCount, "1", 0, 0, true, false}, '1',
         {{K::StartTimer, 1250}, {K::Commit}}},
        {"teams: 12 computes at once", {NumericField::TeamCount, "12", 0, 0, true, true}, '2',
         {{K::StartTimer, 1}, {K::Compute}, {K::Commit}}},
        {"teams: emptied becomes 2", {NumericField::TeamCount, "", 0, 0, true, false}, erase,
         {{K::SetText, 2}, {K::SelectAll}, {K::StartTimer, 1}, {K::Compute}, {K::Commit}}},
        {"teams: above 14", {NumericField::TeamCount, "25", 0, 0, true, false}, digit,
         {{K::StartTimer, 1}, {K::Compute}, {K::SetText, 14}, {K::SelectAll}, {K::Commit}}},
        {"teams without automatic calculation", {NumericField::TeamCount, "0"}, '0',
         {{K::SetText, 2}, {K::SelectAll}, {K::Commit}}},
        {"teams: another key only commits", {NumericField::TeamCount, "12", 0, 0, true}, other, {{K::Commit}}},
        {"matches: 25 becomes 13", {NumericField::Matches, "25"}, digit, {{K::SetText, 13}, {K::Commit}}},
        {"matches: emptied becomes 1", {NumericField::Matches, "", 0, 0, true}, erase,
         {{K::SetText, 1}, {K::StartTimer, 1}, {K::Compute}, {K::Commit}}},
        {"matches: a lone 1 waits", {NumericField::Matches, "1", 0, 0, true}, '1',
         {{K::StartTimer, 1250}, {K::Commit}}},
        {"players: 3 becomes 4", {NumericField::PlayerCount, "3"}, '3', {{K::SetText, 4}, {K::SelectAll}, {K::Commit}}},
        {"players: 25 becomes 20", {NumericField::PlayerCount, "25"}, digit,
         {{K::SetText, 20}, {K::StartTimer, 1}, {K::Commit}}},
        {"players: 1 waits", {NumericField::PlayerCount, "1"}, '1', {{K::StartTimer, 1250}, {K::Commit}}},
        {"games: emptied becomes 0", {NumericField::Games, "", 0, 10, true}, erase,
         {{K::SetText, 0}, {K::Compute}, {K::SelectAll}, {K::Commit}}},
        {"games: over the pair limit lowers the partner", {NumericField::Games, "7", 6, 10, true, true}, '7',
         {{K::SetPartner, 3}, {K::StartTimer, 1}, {K::Commit}}},
        {"games: above the limit itself", {NumericField::Games, "12", 6, 10, true, true}, '2',
         {{K::SetText, 10}, {K::SetPartner, 0}, {K::StartTimer, 1}, {K::Commit}}},
        {"games without automatic calculation stay as typed", {NumericField::Games, "12", 6, 10, false}, '2',
         {{K::Commit}}},
        {"games: a lone 2 waits", {NumericField::Games, "2", 0, 10, true, false}, '2',
         {{K::StartTimer, 1250}, {K::Commit}}},
    };
    for (const auto& c : cases) {
        const Steps steps = keyReleaseSteps(c.state, c.key);
        ASSERT_EQ(steps.size(), c.steps.size()) << c.what;
        for (size_t i = 0; i < steps.size(); ++i)
            EXPECT_EQ(steps[i], c.steps[i]) << c.what << ", step " << i;
    }
}

TEST(NumericFields, CommitTimer)
{
    const struct {
        const char* what;
        FieldState focused;
        Steps steps;
    } cases[] = {
        {"a lone 1 of the teams becomes 2 and is stored", {NumericField::TeamCount, "1", 0, 0, true},
         {{K::SetText, 2}, {K::SelectAll}, {K::Commit}, {K::Compute}}},
        {"12 teams stay", {NumericField::TeamCount, "12", 0, 0, true}, {{K::SelectAll}, {K::Compute}}},
        {"players below four become 4, nothing computed", {NumericField::PlayerCount, "1", 0, 0, true},
         {{K::SetText, 4}, {K::SelectAll}}},
        {"games keep the pair limit", {NumericField::Games, "2", 9, 10, true},
         {{K::SetPartner, 8}, {K::SelectAll}, {K::Commit}, {K::Compute}}},
        {"without automatic calculation only the selection", {NumericField::Games, "2", 9, 10, false},
         {{K::SelectAll}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(commitTimerSteps(c.focused), c.steps) << c.what;
}

} // namespace
