#include "fields/numeric_field_win.h"

#include "base/subclass_win.h"
#include "base/text_win.h"
#include "controls/notifications_win.h"
#include "controls/numeric_rules.h"

#include <commctrl.h>

namespace {

// Set while the field has the focus from a click or a key rather than from a button handing it
// back, so that the next click is not a first click.
const wchar_t* const hasFocusProperty = L"Kadermeister.hasFocus";

bool hasFocusMark(HWND field) { return GetPropW(field, hasFocusProperty) != nullptr; }
void markFocused(HWND field) { SetPropW(field, hasFocusProperty, reinterpret_cast<HANDLE>(1)); }

// The field's text as far as the rules look at it.
std::string shortText(HWND field)
{
    wchar_t text[10] = L"";
    GetWindowTextW(field, text, 10);
    return narrow(text);
}

// The spin whose buddy the field is.
HWND spinOf(HWND field)
{
    for (HWND sibling = GetWindow(GetParent(field), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        wchar_t name[32] = L"";
        if (GetClassNameW(sibling, name, 32) && lstrcmpiW(name, UPDOWN_CLASSW) == 0 &&
            reinterpret_cast<HWND>(SendMessageW(sibling, UDM_GETBUDDY, 0, 0)) == field)
            return sibling;
    }
    return nullptr;
}

// The frame follows the focus under a theme.
void redrawFrame(HWND field) { SendMessageW(field, WM_NCPAINT, 1, 0); }

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
    notifyParent(field, FN_FOCUS_GAINED);
}

void onKillFocus(HWND field)
{
    // First: a commit the timer still defers belongs to this field.
    notifyParent(field, FN_FOCUS_LOST);
    RemovePropW(field, hasFocusProperty);
    InvalidateRect(field, nullptr, TRUE);
    redrawFrame(field);
}

// The first click into a field selects its text instead of placing the caret; true when used up.
bool onLeftButtonDown(HWND field)
{
    if (hasFocusMark(field))
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
    FieldKeyNotification released = {};
    released.key = key;
    notifyParent(field, FN_KEY_RELEASED, released);
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
        notifyParent(field, FN_FRAME_PAINTED);
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
