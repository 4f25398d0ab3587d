// The spins of the main dialog and of the page, the clear buttons and the league box.
#include "app/main_window_parts_win.h"

#include "controls/input_fields_win.h"
#include "display/calculate.h"
#include "rating/shown_lkz.h"
#include "resource.h"

namespace {

int spinPos(HWND spin) { return static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0)); }
void setSpinPos(HWND spin, int pos) { SendMessageW(spin, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(pos), 0)); }
void setSpinRange(HWND spin, int high) { SendMessageW(spin, UDM_SETRANGE, 0, MAKELPARAM(static_cast<short>(high), 0)); }

// The team-count and match spins keep the match count below the team count.
void onMainSpinStep(MainWindow& window, const NMUPDOWN& step)
{
    const int pos = step.iPos;
    const int delta = step.iDelta;
    int low = 0, high = 0;
    SendMessageW(step.hdr.hwndFrom, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    if (!stepStaysInRange(pos, delta, low, high))
        return;
    // A number still being typed is a step of its own, before the spin's.
    completePendingCommit(window);
    storePage(window);
    if (step.hdr.idFrom == IDC_TEAM_COUNT_SPIN) {
        recalculate(window);
        if (const auto matches = matchesAfterTeamStep(pos, delta, fieldValue(window.dialog, IDC_MATCHES_FIELD)))
            setFieldValue(window.dialog, IDC_MATCHES_FIELD, *matches);
    } else {
        setPageSpinRanges(window.page, pos + delta);
        if (const auto teams = teamsAfterMatchStep(pos, delta, fieldValue(window.dialog, IDC_TEAM_COUNT_FIELD)))
            setFieldValue(window.dialog, IDC_TEAM_COUNT_FIELD, *teams);
        recalculate(window);
    }
}

// Won + lost of a row may not exceed twice the matches; the partner makes room.
void onPageSpinStep(MainWindow& window, const InputControl& input, const NMUPDOWN& step)
{
    HWND spin = step.hdr.hwndFrom;
    HWND partner = GetDlgItem(window.page, inputControls[input.partner].spin);
    const int limit = pairLimitOf(fieldValue(window.dialog, IDC_MATCHES_FIELD));
    setSpinRange(spin, pairRangeHigh(limit, step.iDelta));
    const int pos = step.iDelta > 0 ? step.iPos : spinPos(spin);
    const PairStep result = pairStep(limit, step.iDelta, pos, spinPos(partner));
    if (result.spinPos)
        setSpinPos(spin, *result.spinPos);
    if (result.partnerPos)
        setSpinPos(partner, *result.partnerPos);
}

} // namespace

bool onSpinStep(MainWindow& window, const NMUPDOWN& step)
{
    const int id = static_cast<int>(step.hdr.idFrom);
    window.spunField = reinterpret_cast<HWND>(SendMessageW(step.hdr.hwndFrom, UDM_GETBUDDY, 0, 0));
    if (id == IDC_TEAM_COUNT_SPIN || id == IDC_MATCHES_SPIN) {
        onMainSpinStep(window, step);
    } else if (const InputControl* input = inputOfSpin(id)) {
        if (input->surface == Surface::PlayerPage && GetParent(step.hdr.hwndFrom) == window.page)
            onPageSpinStep(window, *input, step);
    }
    return false; // never refuse a step
}

void onSpinEnded(MainWindow& window)
{
    commitPage(window, window.spunField, true);
    recalculate(window);
    keepLkzOrder(window);
}

void onRowCleared(MainWindow& window, int button)
{
    TeamModel& model = window.model;
    const TeamState before = model.active();
    showLkzText(model, window.view, shownLkzText(0, model.active().decimal));
    storePage(window); // the stored LKZ too: the LKZ order sorts by the cleared row
    // A row that was empty already changed nothing to take back.
    const TeamState& now = model.active();
    if (inputsOf(before, currentIndex(before)).singles() != inputsOf(now, currentIndex(now)).singles())
        window.recordSquadChange(SquadChange::ClearPaarkreuz, before);
    InputKind won, lost;
    if (model.active().autoCalc && clearedRow(button, won, lost)) {
        setMark(model, won, 0);
        setMark(model, lost, 0);
        calculate(window, 0);
    }
    keepLkzOrder(window);
    restoreFocus(window);
}

void onLeagueChange(MainWindow& window)
{
    HWND box = inputWindow(window, League);
    window.lastFocused = box;
    const int index = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (index != window.lastLeagueIndex) {
        if (getMark(window.model, League)) {
            setMark(window.model, League, 0);
            clearInputMarks(window);
            paintInputMarks(window);
        }
        // Stored first, so the player's stored LKZ is computed with the new league.
        commitPage(window, box, false);
        recalculate(window);
    }
    window.lastLeagueIndex = index;
}
