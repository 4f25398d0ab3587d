#include "controls/numeric_field_win.h"

#include "controls/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "resource.h"

HWND lastFocused = nullptr;

void resetFieldFocus() { lastFocused = nullptr; }

namespace {

const wchar_t* const hasFocusProperty = L"Kadermeister.hasFocus";

void markFocused(HWND field) { SetPropW(field, hasFocusProperty, reinterpret_cast<HANDLE>(1)); }

void onSetFocus(HWND field)
{
    markFocused(field);
    InvalidateRect(field, nullptr, FALSE);
    SendMessageW(field, EM_SETSEL, 0, -1);
    lastFocused = field;
}

void onKillFocus(HWND field)
{
    clearHasFocus(field);
    InvalidateRect(field, nullptr, TRUE);
    if (GetDlgCtrlID(field) == IDC_MATCHES_FIELD)
        setPageSpinRanges(2 * fieldValue(mainDialog, IDC_MATCHES_FIELD));
}

// The first click into a field selects its text instead of placing the caret; true when used up.
bool onLeftButtonDown(HWND field)
{
    if (fieldHasFocus(field))
        return false;
    markFocused(field);
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    return true;
}

LRESULT CALLBACK numericFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(field, GWLP_USERDATA));
    switch (message) {
    case WM_SETFOCUS:
        onSetFocus(field);
        break;
    case WM_KILLFOCUS:
        onKillFocus(field);
        break;
    case WM_LBUTTONDOWN:
        if (onLeftButtonDown(field))
            return 0;
        break;
    case WM_CONTEXTMENU:
    case WM_PASTE:
    case WM_MOUSEWHEEL:
        return 0; // numbers come by keyboard and spin only
    case WM_NCDESTROY:
        RemovePropW(field, hasFocusProperty);
        break;
    }
    return CallWindowProcW(previous, field, message, wParam, lParam);
}

} // namespace

void installNumericField(HWND field)
{
    if (!field)
        return;
    SendMessageW(field, EM_SETLIMITTEXT, 2, 0);
    const LONG_PTR previous = SetWindowLongPtrW(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(numericFieldProc));
    SetWindowLongPtrW(field, GWLP_USERDATA, previous);
}

void restoreFocus()
{
    if (!lastFocused)
        return;
    if (!IsWindowVisible(lastFocused))
        lastFocused = GetDlgItem(mainDialog, IDC_LEAGUE_BOX);
    SetFocus(lastFocused);
}

bool fieldHasFocus(HWND field) { return GetPropW(field, hasFocusProperty) != nullptr; }

void clearHasFocus(HWND field)
{
    if (field)
        RemovePropW(field, hasFocusProperty);
}
