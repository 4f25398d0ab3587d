#include "controls/inputs.h"

#include "resource.h"

const InputControl inputControls[InputKindCount] = {
    {League, Surface::MainDialog, IDC_LEAGUE_BOX, 0, -1, 0, false},
    {TeamCount, Surface::MainDialog, IDC_TEAM_COUNT_FIELD, IDC_TEAM_COUNT_SPIN, -1, 0, false},
    {Matches, Surface::MainDialog, IDC_MATCHES_FIELD, IDC_MATCHES_SPIN, -1, 0, false},
    {Won1, Surface::PlayerPage, IDC_WON1_FIELD, IDC_WON1_SPIN, Lost1, IDC_CLEAR1_BUTTON, true},
    {Lost1, Surface::PlayerPage, IDC_LOST1_FIELD, IDC_LOST1_SPIN, Won1, IDC_CLEAR1_BUTTON, true},
    {Won2, Surface::PlayerPage, IDC_WON2_FIELD, IDC_WON2_SPIN, Lost2, IDC_CLEAR2_BUTTON, true},
    {Lost2, Surface::PlayerPage, IDC_LOST2_FIELD, IDC_LOST2_SPIN, Won2, IDC_CLEAR2_BUTTON, true},
    {Won3, Surface::PlayerPage, IDC_WON3_FIELD, IDC_WON3_SPIN, Lost3, IDC_CLEAR3_BUTTON, true},
    {Lost3, Surface::PlayerPage, IDC_LOST3_FIELD, IDC_LOST3_SPIN, Won3, IDC_CLEAR3_BUTTON, true},
};

const InputControl* inputOfSpin(int spin)
{
    for (const InputControl& input : inputControls)
        if (input.spin != 0 && input.spin == spin)
            return &input;
    return nullptr;
}

bool clearedRow(int button, InputKind& won, InputKind& lost)
{
    InputKind kinds[2];
    int found = 0;
    for (const InputControl& input : inputControls)
        if (input.clearButton != 0 && input.clearButton == button && found < 2)
            kinds[found++] = input.kind;
    if (found != 2)
        return false;
    won = kinds[0];
    lost = kinds[1];
    return true;
}

const InputControl* inputOfField(Surface surface, int field)
{
    for (const InputControl& input : inputControls)
        if (input.surface == surface && input.field == field)
            return &input;
    return nullptr;
}

bool stepStaysInRange(int pos, int delta, int low, int high) { return pos + delta >= low && pos + delta <= high; }

std::optional<int> matchesAfterTeamStep(int pos, int delta, int matches)
{
    if (delta < 0 && matches > 1 && matches >= pos + delta)
        return pos + 2 * delta;
    return std::nullopt;
}

std::optional<int> teamsAfterMatchStep(int pos, int delta, int teams)
{
    if (delta > 0 && teams < inputRanges[TeamCount].high && pos + delta >= teams)
        return pos + 2 * delta;
    return std::nullopt;
}

int pairRangeHigh(int limit, int delta) { return delta > 0 ? limit : limit + 1; }

PairStep pairStep(int limit, int delta, int pos, int partnerPos)
{
    PairStep step;
    const auto atLeastZero = [](int value) { return value < 0 ? 0 : value; };
    if (delta > 0) {
        if (pos >= limit)
            step.spinPos = limit - 1;
        if (partnerPos > 0 && pos + partnerPos + 1 > limit)
            step.partnerPos = atLeastZero(limit - pos - 1);
    } else if (partnerPos > 0 && pos + partnerPos > limit) {
        step.partnerPos = atLeastZero(limit - pos + 1);
    }
    return step;
}
