#include "fields/numeric_field_win.h"

#include "base/numbers.h"
#include "base/subclass_win.h"
#include "base/system_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "controls/focus_win.h"
#include "controls/input_fields_win.h"
#include "controls/notifications_win.h"
#include "controls/numeric_rules.h"
#include "display/calculate_win.h"
#include "resource.h"

#include <optional>

namespace {

const wchar_t* const hasFocusProperty = L"Kadermeister.hasFocus";

bool commitPending = false;
HWND timerField = nullptr; // the field whose key release armed the commit timer
bool fieldsActive = true;  // false once the exit sequence runs: the player arrays go

std::optional<NumericField> fieldKind(HWND field)
{
    if (!field)
        return std::nullopt;
    const HWND parent = GetParent(field);
    const int id = GetDlgCtrlID(field);
    if (parent == mainDialog) {
        switch (id) {
        case IDC_TEAM_COUNT_FIELD: return NumericField::TeamCount;
        case IDC_MATCHES_FIELD: return NumericField::Matches;
        case IDC_PLAYER_COUNT_FIELD: return NumericField::PlayerCount;
        }
    } else if (parent == pageDialog && inputOfField(Surface::PlayerPage, id)) {
        return NumericField::Games;
    }
    return std::nullopt;
}

// The field's text as far as the rules look at it.
std::string shortText(HWND field)
{
    wchar_t text[10] = L"";
    GetWindowTextW(field, text, 10);
    return narrow(text);
}

HWND partnerOf(HWND field)
{
    const InputControl* input = inputOfField(Surface::PlayerPage, GetDlgCtrlID(field));
    if (!input || input->partner < 0)
        return nullptr;
    return GetDlgItem(pageDialog, inputControls[input->partner].field);
}

FieldState stateOf(HWND field, NumericField kind)
{
    FieldState state;
    state.field = kind;
    state.text = shortText(field);
    if (kind == NumericField::Games) {
        state.partner = decimalValue(shortText(partnerOf(field)));
        state.limit = 2 * decimalValue(narrow(windowText(GetDlgItem(mainDialog, IDC_MATCHES_FIELD))));
    }
    state.autoCalc = activeState().autoCalc != 0;
    state.commitPending = commitPending;
    return state;
}

// The spin beside the field.
HWND spinOf(HWND field)
{
    const int id = GetDlgCtrlID(field);
    const HWND parent = GetParent(field);
    if (parent == mainDialog && id == IDC_PLAYER_COUNT_FIELD)
        return GetDlgItem(mainDialog, IDC_PLAYER_COUNT_SPIN);
    const InputControl* input = inputOfField(parent == pageDialog ? Surface::PlayerPage : Surface::MainDialog, id);
    return input && input->spin ? GetDlgItem(parent, input->spin) : nullptr;
}

void setNumber(HWND field, int value) { SetWindowTextW(field, numberText(value).c_str()); }

void startCommitTimer(UINT milliseconds) { SetTimer(mainDialog, IDT_COMMIT, milliseconds, nullptr); }

void runSteps(HWND field, const Steps& steps)
{
    for (const Step& step : steps) {
        switch (step.kind) {
        case StepKind::SetText:
            setNumber(field, step.value);
            break;
        case StepKind::SetPartner:
            setNumber(partnerOf(field), step.value);
            break;
        case StepKind::SelectAll:
            SendMessageW(field, EM_SETSEL, 0, -1);
            break;
        case StepKind::StartTimer:
            startCommitTimer(step.value);
            timerField = field;
            if (step.value > 1)
                commitPending = true;
            break;
        case StepKind::Compute:
            calculate(0);
            break;
        case StepKind::Commit:
            notifyMainWindow(field, FN_COMMIT);
            break;
        }
    }
}

void markFocused(HWND field) { SetPropW(field, hasFocusProperty, reinterpret_cast<HANDLE>(1)); }

// The frame follows the focus under a theme; Windows 95 and NT 4.0 draw it themselves.
void redrawFrame(HWND field)
{
    if (!isSystemVersion40())
        SendMessageW(field, WM_NCPAINT, 1, 0);
}

bool isButton(HWND window)
{
    wchar_t name[16] = L"";
    return window && GetClassNameW(window, name, 16) && lstrcmpiW(name, L"Button") == 0;
}

// Focus handed back by a button (its command done) leaves the next click a first click.
void onSetFocus(HWND field, HWND previous)
{
    if (!isButton(previous))
        markFocused(field);
    InvalidateRect(field, nullptr, FALSE);
    redrawFrame(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    lastFocused = field;
}

// The timer's work for field, now: the commit it defers belongs to the field, not to whichever
// field has the focus when it fires.
void completeDeferredCommit(HWND field)
{
    if (timerField != field || !fieldsActive)
        return;
    KillTimer(mainDialog, IDT_COMMIT);
    timerField = nullptr;
    commitPending = false;
    if (const auto kind = fieldKind(field))
        runSteps(field, commitTimerSteps(stateOf(field, *kind)));
}

void onKillFocus(HWND field)
{
    completeDeferredCommit(field);
    clearHasFocus(field);
    InvalidateRect(field, nullptr, TRUE);
    if (GetDlgCtrlID(field) == IDC_MATCHES_FIELD && GetParent(field) == mainDialog)
        setPageSpinRanges(2 * fieldValue(mainDialog, IDC_MATCHES_FIELD));
    redrawFrame(field);
}

// The first click into a field selects its text instead of placing the caret; true when used up.
bool onLeftButtonDown(HWND field)
{
    if (fieldHasFocus(field))
        return false;
    SendMessageW(field, EM_SETSEL, 0, -1);
    markFocused(field);
    SetFocus(field);
    return true;
}

// True when the character is used up here.
bool onChar(HWND field, unsigned ch)
{
    DWORD start = 0, end = 0;
    SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    switch (filterChar(shortText(field), static_cast<int>(start), static_cast<int>(end), ch)) {
    case CharVerdict::Pass:
        return false;
    case CharVerdict::Beep:
        MessageBeep(0xFFFFFFFF);
        return true;
    case CharVerdict::Swallow:
        return true;
    }
    return false;
}

void onKeyUp(HWND field, unsigned key)
{
    const auto kind = fieldKind(field);
    if (kind && fieldsActive)
        runSteps(field, keyReleaseSteps(stateOf(field, *kind), key));
}

void onNcPaint()
{
    // The repaint below paints frames too; one round is enough.
    static bool repainting = false;
    if (repainting)
        return;
    repainting = true;
    redrawPlayerCountFields();
    repainting = false;
}

LRESULT CALLBACK numericFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Arrows and characters, but Tab and Enter stay with the dialog.
        return DLGC_WANTARROWS | DLGC_HASSETSEL | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        onSetFocus(field, reinterpret_cast<HWND>(wParam));
        break;
    case WM_KILLFOCUS:
        onKillFocus(field);
        break;
    case WM_LBUTTONDOWN:
        if (onLeftButtonDown(field))
            return 0;
        break;
    case WM_CHAR:
        if (onChar(field, static_cast<unsigned>(wParam)))
            return 0;
        break;
    case WM_KEYDOWN:
        // Up and down step the spin, as a click on its arrows would.
        if (wParam == VK_UP || wParam == VK_DOWN) {
            if (HWND spin = spinOf(field))
                SendMessageW(spin, WM_KEYDOWN, wParam, lParam);
            return 0;
        }
        break;
    case WM_KEYUP:
        onKeyUp(field, static_cast<unsigned>(wParam));
        break;
    case WM_NCPAINT:
        onNcPaint();
        break;
    case WM_CONTEXTMENU:
    case WM_PASTE:
    case WM_MOUSEWHEEL:
        return 0; // numbers come by keyboard and spin only
    case WM_NCDESTROY:
        RemovePropW(field, hasFocusProperty);
        break;
    }
    return callPreviousProc(field, message, wParam, lParam);
}

} // namespace

void installNumericField(HWND field)
{
    if (!field)
        return;
    SendMessageW(field, EM_SETLIMITTEXT, 2, 0);
    subclassWindow(field, numericFieldProc);
}

bool fieldHasFocus(HWND field) { return GetPropW(field, hasFocusProperty) != nullptr; }

void clearHasFocus(HWND field)
{
    if (field)
        RemovePropW(field, hasFocusProperty);
}

void onCommitTimer()
{
    KillTimer(mainDialog, IDT_COMMIT);
    commitPending = false;
    timerField = nullptr;
    if (!fieldsActive)
        return;
    const HWND focused = GetFocus();
    if (const auto kind = fieldKind(focused))
        runSteps(focused, commitTimerSteps(stateOf(focused, *kind)));
    else if (activeState().autoCalc)
        calculate(0);
}

void stopNumericFields()
{
    if (commitPending && fieldsActive)
        onCommitTimer();
    fieldsActive = false;
    commitPending = false;
    timerField = nullptr;
    if (mainDialog)
        KillTimer(mainDialog, IDT_COMMIT);
}

void resetNumericFields()
{
    fieldsActive = true;
    commitPending = false;
    timerField = nullptr;
}
