#include "controls/numeric_rules.h"

#include "base/numbers.h"
#include "controls/inputs.h"
#include "team/team.h"

namespace {

Steps commitAfter(Steps steps)
{
    steps.push_back({StepKind::Commit});
    return steps;
}

void addPairFix(Steps& steps, const FieldState& s)
{
    const PairFix fix = pairLimit(decimalValue(s.text), s.partner, s.limit);
    if (fix.value)
        steps.push_back({StepKind::SetText, *fix.value});
    if (fix.partner)
        steps.push_back({StepKind::SetPartner, *fix.partner});
}

bool emptyOrZero(const std::string& text) { return text.empty() || text == "0"; }

Steps teamCountSteps(const FieldState& s, unsigned key, int v)
{
    Steps steps;
    if (s.autoCalc) {
        if (!isDigitKey(key) && !isEraseKey(key))
            return commitAfter(steps);
        // A lone 1 may become 10 to 14: wait for a second digit.
        if (!s.commitPending && v == 1 && !isEraseKey(key))
            return commitAfter({{StepKind::StartTimer, 1250}});
        if (emptyOrZero(s.text) || s.text == "1")
            steps.insert(steps.end(), {{StepKind::SetText, typedLow(TeamCount)}, {StepKind::SelectAll}});
        steps.insert(steps.end(), {{StepKind::StartTimer, 1}, {StepKind::Compute}});
    } else if (emptyOrZero(s.text)) {
        steps.insert(steps.end(), {{StepKind::SetText, typedLow(TeamCount)}, {StepKind::SelectAll}});
    }
    if (v > typedHigh(TeamCount))
        steps.insert(steps.end(), {{StepKind::SetText, typedHigh(TeamCount)}, {StepKind::SelectAll}});
    return commitAfter(steps);
}

Steps matchesSteps(const FieldState& s, unsigned key, int v)
{
    Steps steps;
    if (s.autoCalc) {
        if (!isDigitKey(key) && !isEraseKey(key))
            return commitAfter(steps);
        if (!s.commitPending && !isEraseKey(key) && v == 1)
            return commitAfter({{StepKind::StartTimer, 1250}});
    }
    if (v > typedHigh(Matches))
        steps.push_back({StepKind::SetText, typedHigh(Matches)});
    else if (emptyOrZero(s.text))
        steps.push_back({StepKind::SetText, typedLow(Matches)});
    if (s.autoCalc)
        steps.insert(steps.end(), {{StepKind::StartTimer, 1}, {StepKind::Compute}});
    return commitAfter(steps);
}

Steps playerCountSteps(const FieldState& s, unsigned key, int v)
{
    if (key == keyLeft || key == keyRight)
        return commitAfter({});
    if (!s.commitPending && !isEraseKey(key) && (v == 1 || v == 2))
        return commitAfter({{StepKind::StartTimer, 1250}});
    if (!s.text.empty() && v >= minTeamSize) {
        Steps steps;
        if (v > maxTeamSize)
            steps.push_back({StepKind::SetText, maxTeamSize});
        steps.push_back({StepKind::StartTimer, 1});
        return commitAfter(steps);
    }
    return commitAfter({{StepKind::SetText, minTeamSize}, {StepKind::SelectAll}});
}

Steps gameSteps(const FieldState& s, unsigned key, int v)
{
    if (!isDigitKey(key) && !isEraseKey(key))
        return commitAfter({});
    if (s.text.empty()) {
        Steps steps{{StepKind::SetText, 0}};
        if (s.autoCalc)
            steps.push_back({StepKind::Compute});
        steps.push_back({StepKind::SelectAll});
        return commitAfter(steps);
    }
    if (!s.autoCalc)
        return commitAfter({});
    if (v == 0)
        return commitAfter({{StepKind::Compute}, {StepKind::SelectAll}});
    if (!s.commitPending && !isEraseKey(key) && (v == 1 || v == 2))
        return commitAfter({{StepKind::StartTimer, 1250}});
    Steps steps;
    addPairFix(steps, s);
    steps.push_back({StepKind::StartTimer, 1});
    return commitAfter(steps);
}

} // namespace

CharVerdict filterChar(const std::string& text, int selStart, int selEnd, unsigned ch)
{
    const bool digit = ch >= '0' && ch <= '9';
    if (ch > 31 && !digit)
        return CharVerdict::Swallow;
    if (text.size() >= 2 && selEnd <= selStart && ch != keyBack)
        return CharVerdict::Beep;
    // No leading zero: not in front of a lone digit, and not behind a lone "0".
    if (ch == '0' && text.size() == 1 && (selEnd == 0 || (selEnd == 1 && text[0] == '0')))
        return CharVerdict::Swallow;
    return CharVerdict::Pass;
}

// The main keyboard's digits and the numeric keypad's (VK_NUMPAD0 to VK_NUMPAD9) alike.
bool isDigitKey(unsigned key) { return (key >= 0x30 && key <= 0x39) || (key >= 0x60 && key <= 0x69); }

bool isEraseKey(unsigned key) { return key == keyDelete || key == keyBack; }

Steps keyReleaseSteps(const FieldState& s, unsigned key)
{
    if (key == keyUp || key == keyDown)
        return commitAfter({{StepKind::SelectAll}});
    const int v = decimalValue(s.text);
    switch (s.field) {
    case NumericField::TeamCount: return teamCountSteps(s, key, v);
    case NumericField::Matches: return matchesSteps(s, key, v);
    case NumericField::PlayerCount: return playerCountSteps(s, key, v);
    case NumericField::Games: return gameSteps(s, key, v);
    }
    return commitAfter({});
}

Steps commitTimerSteps(const FieldState& s)
{
    Steps steps;
    const int v = decimalValue(s.text);
    switch (s.field) {
    case NumericField::TeamCount:
        if (v < typedLow(TeamCount))
            steps.push_back({StepKind::SetText, typedLow(TeamCount)});
        break;
    case NumericField::PlayerCount:
        if (s.text.empty() || v < minTeamSize)
            return {{StepKind::SetText, minTeamSize}, {StepKind::SelectAll}};
        break;
    case NumericField::Games:
        if (s.autoCalc)
            addPairFix(steps, s);
        break;
    case NumericField::Matches:
        break;
    }
    // What the timer corrects is stored too, so the player never keeps a value the field no
    // longer shows.
    const bool corrected = !steps.empty();
    steps.push_back({StepKind::SelectAll});
    if (corrected)
        steps.push_back({StepKind::Commit});
    if (s.autoCalc)
        steps.push_back({StepKind::Compute});
    return steps;
}

PairFix pairLimit(int value, int partner, int limit)
{
    PairFix fix;
    if (value + partner <= limit)
        return fix;
    if (value > limit) {
        fix.value = limit;
        fix.partner = 0;
    } else {
        fix.partner = limit - value;
    }
    return fix;
}
