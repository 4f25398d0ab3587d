#include "team/tab_strip_win.h"

#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/subclass_win.h"
#include "controls/tab_drag.h"
#include "controls/notifications_win.h"
#include "resource.h"
#include "team/tabs_win.h"

#include <windowsx.h>

namespace {

// A press on a tab while the button is held, kept with the strip until the button comes up.
struct TabPress {
    int from = -1;          // the tab pressed
    POINT at = {};          // where, in the strip's client coordinates
    bool dragging = false;  // the pointer has moved beyond the drag distance, and the parent agreed
    int target = -1;        // the tab under the pointer while dragging
};
const wchar_t* const pressProperty = L"Kadermeister.tabPress";
// While a drag rests on the scroll arrows, they scroll the strip a tab at this pace.
constexpr UINT_PTR dragScrollTimer = 0x4B4D;
constexpr UINT dragScrollMilliseconds = 300;

TabPress* pressOf(HWND strip) { return static_cast<TabPress*>(GetPropW(strip, pressProperty)); }

int tabAt(HWND strip, POINT point)
{
    TCHITTESTINFO hit = {};
    hit.pt = point;
    return TabCtrl_HitTest(strip, &hit);
}

POINT pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

HWND scrollArrows(HWND strip)
{
    HWND arrows = GetWindow(strip, GW_CHILD);
    return arrows && IsWindowVisible(arrows) ? arrows : nullptr;
}

// The bar between tabs where the dragged player would go.
RECT dropBar(HWND strip, const TabPress& press)
{
    RECT bar = {};
    RECT tab;
    const DropEdge edge = dropEdge(press.from, press.target);
    if (edge == DropEdge::None || !TabCtrl_GetItemRect(strip, press.target, &tab))
        return bar;
    const int width = scaled(3);
    const int x = edge == DropEdge::Left ? tab.left : tab.right;
    return {x - width / 2, tab.top, x - width / 2 + width, tab.bottom};
}

void invalidateBar(HWND strip, const TabPress& press)
{
    RECT bar = dropBar(strip, press);
    if (!IsRectEmpty(&bar))
        InvalidateRect(strip, &bar, TRUE);
}

void drawDropBar(HWND strip)
{
    const TabPress* press = pressOf(strip);
    if (!press || !press->dragging)
        return;
    RECT bar = dropBar(strip, *press);
    if (IsRectEmpty(&bar))
        return;
    ScopedGetDC dc(strip);
    FillRect(dc, &bar, GetSysColorBrush(COLOR_HIGHLIGHT));
}

void endPress(HWND strip)
{
    TabPress* press = static_cast<TabPress*>(RemovePropW(strip, pressProperty));
    if (!press)
        return;
    KillTimer(strip, dragScrollTimer);
    if (press->dragging)
        invalidateBar(strip, *press);
    delete press;
    if (GetCapture() == strip)
        ReleaseCapture();
}

void onLeftButtonDown(HWND strip, POINT point)
{
    endPress(strip);
    const int from = tabAt(strip, point);
    if (from < 0)
        return;
    auto* press = new TabPress;
    press->from = from;
    press->at = point;
    SetPropW(strip, pressProperty, press);
    SetCapture(strip);
}

// Beyond the drag distance the press becomes a drag, if the parent lets this tab be dragged.
void onMouseMove(HWND strip, POINT point)
{
    TabPress* press = pressOf(strip);
    if (!press)
        return;
    if (!press->dragging) {
        if (!movedBeyondDragDistance(point.x - press->at.x, point.y - press->at.y, GetSystemMetrics(SM_CXDRAG),
                                     GetSystemMetrics(SM_CYDRAG)))
            return;
        TabDropNotification starting = {};
        starting.from = press->from;
        starting.to = -1;
        if (notifyParent(strip, TN_DRAG_STARTING, starting) != 0) {
            endPress(strip);
            return;
        }
        press->dragging = true;
        SetTimer(strip, dragScrollTimer, dragScrollMilliseconds, nullptr);
    }
    const int target = tabAt(strip, point);
    if (target != press->target) {
        invalidateBar(strip, *press);
        press->target = target;
        invalidateBar(strip, *press);
    }
}

// A drag resting on the scroll arrows scrolls the strip toward the arrow it rests on.
void onDragScrollTimer(HWND strip)
{
    HWND arrows = scrollArrows(strip);
    POINT cursor;
    RECT place;
    if (!arrows || !GetCursorPos(&cursor) || !GetWindowRect(arrows, &place) || !PtInRect(&place, cursor))
        return;
    int low = 0, high = 0;
    SendMessageW(arrows, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    const int step = cursor.x < (place.left + place.right) / 2 ? -1 : 1;
    const int position = static_cast<int>(SendMessageW(arrows, UDM_GETPOS32, 0, 0)) + step;
    if (position < low || position > high)
        return;
    if (TabPress* press = pressOf(strip))
        invalidateBar(strip, *press);
    SendMessageW(arrows, UDM_SETPOS32, 0, position);
    SendMessageW(strip, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, position), reinterpret_cast<LPARAM>(arrows));
}

// A drag ends on the tab under the pointer: the strip tells where from and where to.
void onLeftButtonUp(HWND strip, POINT point)
{
    const TabPress* press = pressOf(strip);
    const bool dragged = press && press->dragging;
    const int from = press ? press->from : -1;
    endPress(strip);
    const int to = tabAt(strip, point);
    if (!dragged || to < 0 || to == from)
        return;
    TabDropNotification dropped = {};
    dropped.from = from;
    dropped.to = to;
    notifyParent(strip, TN_TAB_DROPPED, dropped);
}

LRESULT CALLBACK tabStripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN: {
        // The strip selects the tab first, and may scroll it into view under the pointer.
        onLeftButtonDown(strip, pointOf(lParam));
        notifyParent(strip, TN_PRESSED);
        break;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        onLeftButtonUp(strip, pointOf(lParam));
        return result;
    }
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != strip)
            endPress(strip);
        break;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE && pressOf(strip)) {
            endPress(strip);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        // Escape ends a drag instead of reaching the dialog.
        if (pressOf(strip))
            return callPreviousProc(strip, message, wParam, lParam) | DLGC_WANTALLKEYS;
        break;
    case WM_TIMER:
        if (wParam == dragScrollTimer) {
            onDragScrollTimer(strip);
            return 0;
        }
        break;
    case WM_PAINT: {
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        drawDropBar(strip);
        return result;
    }
    case WM_NCDESTROY:
        endPress(strip);
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
        onMouseMove(strip, pointOf(lParam));
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
        notifyParent(strip, TN_SCROLLED);
        return result;
    }
    }
    return callPreviousProc(strip, message, wParam, lParam);
}

} // namespace

void installTabStrip(HWND strip) { subclassWindow(strip, tabStripProc); }
