// What typing into a number field does: the rules answer the steps, the main dialog takes them.
#include "app/main_window_parts_win.h"

#include "base/text_win.h"
#include "controls/input_fields_win.h"
#include "controls/numeric_rules.h"
#include "resource.h"

#include <optional>

namespace {

std::optional<NumericField> fieldKind(const MainWindow& window, HWND field)
{
    if (!field)
        return std::nullopt;
    const HWND parent = GetParent(field);
    const int id = GetDlgCtrlID(field);
    if (parent == window.dialog) {
        switch (id) {
        case IDC_TEAM_COUNT_FIELD: return NumericField::TeamCount;
        case IDC_MATCHES_FIELD: return NumericField::Matches;
        case IDC_PLAYER_COUNT_FIELD: return NumericField::PlayerCount;
        }
    } else if (parent == window.page && inputOfField(Surface::PlayerPage, id)) {
        return NumericField::Games;
    }
    return std::nullopt;
}

HWND partnerOf(const MainWindow& window, HWND field)
{
    const InputControl* input = inputOfField(Surface::PlayerPage, GetDlgCtrlID(field));
    if (!input || input->partner < 0)
        return nullptr;
    return GetDlgItem(window.page, inputControls[input->partner].field);
}

FieldState stateOf(const MainWindow& window, HWND field, NumericField kind)
{
    FieldState state;
    state.field = kind;
    wchar_t text[10] = L"";
    GetWindowTextW(field, text, 10);
    state.text = narrow(text);
    if (kind == NumericField::Games) {
        state.partner = fieldValue(window.page, GetDlgCtrlID(partnerOf(window, field)));
        state.limit = pairLimitOf(fieldValue(window.dialog, IDC_MATCHES_FIELD));
    }
    state.autoCalc = window.model.active().autoCalc != 0;
    state.commitPending = window.typing.commitPending;
    return state;
}

void setNumber(HWND field, int value) { SetWindowTextW(field, numberText(value).c_str()); }

void runSteps(MainWindow& window, HWND field, const Steps& steps)
{
    for (const Step& step : steps) {
        switch (step.kind) {
        case StepKind::SetText:
            setNumber(field, step.value);
            break;
        case StepKind::SetPartner:
            setNumber(partnerOf(window, field), step.value);
            break;
        case StepKind::SelectAll:
            SendMessageW(field, EM_SETSEL, 0, -1);
            break;
        case StepKind::StartTimer:
            SetTimer(window.dialog, IDT_COMMIT, static_cast<UINT>(step.value), nullptr);
            window.typing.timerField = field;
            if (step.value > 1)
                window.typing.commitPending = true;
            break;
        case StepKind::Compute:
            calculate(window, 0);
            break;
        case StepKind::Commit:
            commitPage(window, field, false);
            break;
        }
    }
}

// The timer's work for field, now: the commit it defers belongs to the field, not to whichever
// field has the focus when it fires.
void completeDeferredCommit(MainWindow& window, HWND field)
{
    TypingState& typing = window.typing;
    if (!field || typing.timerField != field || !typing.active)
        return;
    KillTimer(window.dialog, IDT_COMMIT);
    typing.timerField = nullptr;
    typing.commitPending = false;
    if (const auto kind = fieldKind(window, field))
        runSteps(window, field, commitTimerSteps(stateOf(window, field, *kind)));
}

} // namespace

void onFieldKeyReleased(MainWindow& window, HWND field, UINT key)
{
    const auto kind = fieldKind(window, field);
    if (kind && window.typing.active)
        runSteps(window, field, keyReleaseSteps(stateOf(window, field, *kind), key));
}

void onFieldFocusGained(MainWindow& window, HWND field) { window.lastFocused = field; }

void onFieldFocusLost(MainWindow& window, HWND field)
{
    completeDeferredCommit(window, field);
    window.undoHistory().closeStep(); // the next spin of any field is a step of its own
    if (GetDlgCtrlID(field) == IDC_MATCHES_FIELD && GetParent(field) == window.dialog)
        setPageSpinRanges(window.page, fieldValue(window.dialog, IDC_MATCHES_FIELD));
}

void onFieldFramePainted(MainWindow& window)
{
    // The repaint below paints frames too; one round is enough.
    if (window.typing.repaintingFrames)
        return;
    window.typing.repaintingFrames = true;
    redrawPlayerCountFields(window.dialog);
    window.typing.repaintingFrames = false;
}

void onCommitTimer(MainWindow& window)
{
    TypingState& typing = window.typing;
    KillTimer(window.dialog, IDT_COMMIT);
    typing.commitPending = false;
    typing.timerField = nullptr;
    if (!typing.active)
        return;
    const HWND focused = GetFocus();
    if (const auto kind = fieldKind(window, focused))
        runSteps(window, focused, commitTimerSteps(stateOf(window, focused, *kind)));
    else if (window.model.active().autoCalc)
        calculate(window, 0);
}

void completePendingCommit(MainWindow& window)
{
    if (window.typing.commitPending)
        completeDeferredCommit(window, window.typing.timerField);
}

void stopTyping(MainWindow& window)
{
    TypingState& typing = window.typing;
    if (typing.commitPending && typing.active)
        onCommitTimer(window);
    typing.active = false;
    typing.commitPending = false;
    typing.timerField = nullptr;
    KillTimer(window.dialog, IDT_COMMIT);
}
