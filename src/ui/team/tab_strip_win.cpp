#include "team/tab_strip_win.h"

#include "base/subclass_win.h"
#include "base/text_win.h"
#include "controls/notifications_win.h"
#include "resource.h"
#include "team/tabs_win.h"

#include <windowsx.h>

namespace {

// The tab a press went down on, plus one, while the button is held: a drag's start.
const wchar_t* const pressedTabProperty = L"Kadermeister.pressedTab";

int tabAt(HWND strip, LPARAM point)
{
    TCHITTESTINFO hit = {};
    hit.pt = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    return TabCtrl_HitTest(strip, &hit);
}

// A press on one tab and its release on another: the strip tells where from and where to.
void onLeftButtonUp(HWND strip, LPARAM point)
{
    const int from = static_cast<int>(reinterpret_cast<INT_PTR>(RemovePropW(strip, pressedTabProperty))) - 1;
    const int to = tabAt(strip, point);
    if (from < 0 || to < 0 || to == from)
        return;
    TabDropNotification dropped = {};
    dropped.from = from;
    dropped.to = to;
    notifyParent(strip, TN_TAB_DROPPED, dropped);
}

LRESULT CALLBACK tabStripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        SetPropW(strip, pressedTabProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(tabAt(strip, lParam) + 1)));
        notifyParent(strip, TN_PRESSED);
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        onLeftButtonUp(strip, lParam);
        return result;
    }
    case WM_NCDESTROY:
        RemovePropW(strip, pressedTabProperty);
        break;
    case WM_RBUTTONDOWN:
        notifyParent(strip, TN_RIGHT_PRESSED);
        break;
    case WM_COMMAND:
        // The scroll arrows inside the strip tell it of a press; its parent must hear it.
        if (HIWORD(wParam) == TN_ARROWS_PRESSED) {
            notifyParent(strip, TN_ARROWS_PRESSED);
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK: {
        // The strip handles the click first, so that it does not take the focus from the field.
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        notifyParent(strip, TN_DOUBLE_CLICKED);
        return result;
    }
    case WM_CONTEXTMENU:
        SendMessageW(GetParent(strip), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip), lParam);
        return 0;
    case WM_NOTIFY: {
        // The tip texts come from the main dialog.
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW)
            return SendMessageW(GetParent(strip), WM_NOTIFY, wParam, lParam);
        break;
    }
    case WM_MOUSEMOVE: {
        // Wine's tab control tells its tooltip of every move as a button press, which keeps
        // the tip away; the move told once more, afterwards, lets the tip come.
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        if (HWND tips = TabCtrl_GetToolTips(strip)) {
            MSG move = {strip, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
            const DWORD position = GetMessagePos();
            move.pt = {GET_X_LPARAM(position), GET_Y_LPARAM(position)};
            SendMessageW(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
        }
        return result;
    }
    case WM_HSCROLL: {
        // The arrows have moved the tabs under their tips.
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        syncTabTips(strip);
        return result;
    }
    }
    return callPreviousProc(strip, message, wParam, lParam);
}

} // namespace

void installTabStrip(HWND strip) { subclassWindow(strip, tabStripProc); }
