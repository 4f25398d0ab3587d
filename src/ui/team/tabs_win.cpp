#include "team/tabs_win.h"

#include "base/dpi_win.h"
#include "base/subclass_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"
#include "controls/notifications_win.h"
#include "resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Names are typed up to this many characters; a longer one can only come from the INI file.
constexpr int renameLimit = 60;

// The strip's scroll arrows, while they exist.
HWND scrollArrows(HWND scroller) { return IsWindow(scroller) ? scroller : nullptr; }

LRESULT CALLBACK renameFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Enter and Escape end the rename instead of pressing the dialog's buttons.
        return callPreviousProc(field, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_LBUTTONDBLCLK:
        SendMessageW(field, EM_SETSEL, 0, -1);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_RETURN) {
            notifyParent(field, wParam == VK_ESCAPE ? RN_CANCELLED : RN_ACCEPTED);
            return 0; // the field would pass Enter on to the dialog's default button
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r' || wParam == 0x1B)
            return 0; // the key has ended the rename already; the field would only beep
        break;
    case WM_SETFOCUS:
        // A dialog coming back to the front restores the focus it saved, maybe to this field.
        if (!IsWindowVisible(field)) {
            notifyParent(field, RN_FOCUSED_HIDDEN);
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        RenameFocusNotification lost = {};
        lost.gettingFocus = reinterpret_cast<HWND>(wParam);
        notifyParent(field, RN_FOCUS_LOST, lost);
        break;
    }
    }
    return callPreviousProc(field, message, wParam, lParam);
}

LRESULT CALLBACK tabScrollerProc(HWND arrows, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
        notifyParent(arrows, TN_ARROWS_PRESSED);
    return callPreviousProc(arrows, message, wParam, lParam);
}

} // namespace

void rebuildTabs(HWND strip, const TeamState& state)
{
    TabCtrl_DeleteAllItems(strip);
    for (size_t i = 0; i < state.players.size(); ++i) {
        std::wstring text = widen(tabLabel(state, static_cast<int>(i)));
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &text[0];
        SendMessageW(strip, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    syncTabTips(strip);
}

void relabelTabs(HWND strip, const TeamState& state)
{
    const int count = static_cast<int>(state.players.size());
    if (TabCtrl_GetItemCount(strip) != count) {
        rebuildTabs(strip, state);
        return;
    }
    std::vector<std::wstring> changed(count);
    bool anyChanged = false;
    for (int i = 0; i < count; ++i) {
        std::wstring label = widen(tabLabel(state, i));
        wchar_t shown[256] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = shown;
        item.cchTextMax = 256;
        SendMessageW(strip, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        if (label != shown) {
            changed[i] = std::move(label);
            anyChanged = true;
        }
    }
    if (!anyChanged)
        return;
    // One repaint of the strip for all the new labels, not one per label.
    SendMessageW(strip, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
        if (changed[i].empty())
            continue;
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &changed[i][0];
        SendMessageW(strip, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(strip, WM_SETREDRAW, TRUE, 0);
    // Only the row of tabs changed, not the area below them that the page covers.
    RECT row;
    GetClientRect(strip, &row);
    RECT first;
    if (TabCtrl_GetItemRect(strip, 0, &first))
        row.bottom = std::min(row.bottom, first.bottom + scaled(4)); // the selected tab stands out
    RedrawWindow(strip, &row, nullptr, RDW_INVALIDATE | RDW_ERASE);
    syncTabTips(strip);
}

void installRenameField(HWND field)
{
    // The field's own limit also cuts a pasted name.
    SendMessageW(field, EM_SETLIMITTEXT, renameLimit, 0);
    subclassWindow(field, renameFieldProc);
}

void hookTabScroller(HWND strip, HWND& scroller)
{
    if (scrollArrows(scroller))
        return;
    HWND arrows = GetWindow(strip, GW_CHILD);
    if (!arrows)
        return;
    scroller = arrows;
    subclassWindow(arrows, tabScrollerProc);
}

bool tabScrollerContains(HWND scroller, POINT screen)
{
    HWND arrows = scrollArrows(scroller);
    if (!arrows || !IsWindowVisible(arrows))
        return false;
    RECT place;
    GetWindowRect(arrows, &place);
    return PtInRect(&place, screen) != FALSE;
}

void placeRenameField(HWND field, HWND strip, HWND scroller, int index)
{
    RECT tab;
    if (!TabCtrl_GetItemRect(strip, index, &tab))
        return;
    RECT client;
    GetClientRect(strip, &client);
    LONG right = std::min(tab.right - 2, client.right - 3);
    HWND arrows = scrollArrows(scroller);
    if (arrows && IsWindowVisible(arrows)) {
        right = std::min(right, childRect(strip, arrows).left - 2);
    }
    RECT place = {tab.left + 3, tab.top, std::max(right, tab.left + 20), tab.bottom};
    MapWindowPoints(strip, GetParent(field), reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(field, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOACTIVATE);
}

void relabelTab(HWND strip, const TeamState& state, int index)
{
    std::wstring label = widen(tabLabel(state, index));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &label[0];
    SendMessageW(strip, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    syncTabTips(strip);
}

void syncTabTips(HWND strip)
{
    HWND tips = TabCtrl_GetToolTips(strip);
    if (!tips)
        return;
    const int count = TabCtrl_GetItemCount(strip);
    for (int i = 0; i < maxTeamSize + 1; ++i) {
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // every common-controls version takes it
        tool.hwnd = strip;
        tool.uId = static_cast<UINT_PTR>(i);
        const bool exists = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
        if (i >= count) {
            if (exists)
                SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            continue;
        }
        // A tab scrolled out of sight keeps an empty place.
        RECT place;
        if (!TabCtrl_GetItemRect(strip, i, &place))
            SetRectEmpty(&place);
        if (exists) {
            if (!EqualRect(&place, &tool.rect)) {
                tool.rect = place;
                SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        } else {
            tool.rect = place;
            tool.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

namespace {

bool tabTipWanted(const TeamState& state, const NMHDR& header)
{
    const int index = static_cast<int>(header.idFrom);
    return state.tabTooltip == 1 && index >= 0 && index < static_cast<int>(state.players.size());
}

} // namespace

bool answerTabTip(TabTip& tip, const TeamState& state, NMTTDISPINFOW& request)
{
    if (!tabTipWanted(state, request.hdr))
        return false;
    tip.text = widen(tabTipText(state, static_cast<int>(request.hdr.idFrom)));
    request.lpszText = &tip.text[0];
    request.hinst = nullptr;
    return true;
}

bool answerTabTip(TabTip& tip, const TeamState& state, NMTTDISPINFOA& request)
{
    if (!tabTipWanted(state, request.hdr))
        return false;
    const std::wstring text = widen(tabTipText(state, static_cast<int>(request.hdr.idFrom)));
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    tip.textAnsi.assign(std::max(length, 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &tip.textAnsi[0], length, nullptr, nullptr);
    request.lpszText = &tip.textAnsi[0];
    request.hinst = nullptr;
    return true;
}
