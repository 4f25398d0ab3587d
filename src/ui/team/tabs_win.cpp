#include "team/tabs_win.h"

#include "base/dpi_win.h"
#include "base/subclass_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"
#include "controls/focus_win.h"
#include "controls/notifications_win.h"
#include "resource.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Names are typed up to this many characters; a longer one can only come from the INI file.
constexpr int renameLimit = 60;

HWND renameField(const MainWindow& window) { return GetDlgItem(window.dialog, IDC_RENAME_FIELD); }

// The strip's scroll arrows, while they exist.
HWND scrollArrows(const MainWindow& window)
{
    return IsWindow(window.tabsState.tabScroller) ? window.tabsState.tabScroller : nullptr;
}

void repaintPage(const MainWindow& window) { RedrawWindow(window.page, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

// Over the label of the selected tab, inside the strip and clear of its scroll arrows.
void placeRenameField(const MainWindow& window, HWND field, int index)
{
    RECT tab;
    if (!TabCtrl_GetItemRect(window.tabs, index, &tab))
        return;
    RECT client;
    GetClientRect(window.tabs, &client);
    LONG right = std::min(tab.right - 2, client.right - 3);
    HWND arrows = scrollArrows(window);
    if (arrows && IsWindowVisible(arrows)) {
        right = std::min(right, childRect(window.tabs, arrows).left - 2);
    }
    RECT place = {tab.left + 3, tab.top, std::max(right, tab.left + 20), tab.bottom};
    MapWindowPoints(window.tabs, window.dialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(field, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOACTIVATE);
}

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
            notifyMainWindow(field, wParam == VK_ESCAPE ? RN_CANCELLED : RN_ACCEPTED);
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
            notifyMainWindow(field, RN_FOCUSED_HIDDEN);
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        RenameFocusNotification lost = {};
        lost.gettingFocus = reinterpret_cast<HWND>(wParam);
        notifyMainWindow(field, RN_FOCUS_LOST, lost);
        break;
    }
    }
    return callPreviousProc(field, message, wParam, lParam);
}

LRESULT CALLBACK tabScrollerProc(HWND arrows, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN)
        notifyMainWindow(arrows, TN_ARROWS_PRESSED);
    return callPreviousProc(arrows, message, wParam, lParam);
}

} // namespace

void rebuildTabs(MainWindow& window)
{
    TabCtrl_DeleteAllItems(window.tabs);
    const TeamState& state = window.model.active();
    for (size_t i = 0; i < state.players.size(); ++i) {
        std::wstring text = widen(tabLabel(state, static_cast<int>(i)));
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &text[0];
        SendMessageW(window.tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    syncTabTips(window.tabs);
}

void relabelTabs(MainWindow& window)
{
    const TeamState& state = window.model.active();
    HWND strip = window.tabs;
    const int count = static_cast<int>(state.players.size());
    if (TabCtrl_GetItemCount(strip) != count) {
        rebuildTabs(window);
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

void hookTabScroller(MainWindow& window)
{
    if (scrollArrows(window))
        return;
    HWND arrows = GetWindow(window.tabs, GW_CHILD);
    if (!arrows)
        return;
    window.tabsState.tabScroller = arrows;
    subclassWindow(arrows, tabScrollerProc);
}

bool isRenameEditVisible(const MainWindow& window) { return IsWindowVisible(renameField(window)) != FALSE; }

void finishRename(MainWindow& window, HWND gettingFocus)
{
    TabsState& tabs = window.tabsState;
    if (!tabs.renaming)
        return;
    tabs.renaming = false;
    HWND field = renameField(window);
    if (IsWindowVisible(field))
        ShowWindow(field, SW_HIDE);
    const int index = TabCtrl_GetCurSel(window.tabs);
    TeamState& state = window.model.active();
    const std::string typed = tabs.renameCancelled ? tabs.renameOriginal : narrow(windowText(field));
    tabs.renameCancelled = false;
    const TeamState before = state;
    setPlayerName(state, index, renamedName(state, index, typed));
    if (index >= 0 && index < static_cast<int>(state.players.size()) &&
        std::string(before.players[index].name) != state.players[index].name)
        window.recordSquadChange(SquadChange::Rename, before);
    std::wstring label = widen(tabLabel(state, index));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &label[0];
    SendMessageW(window.tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    syncTabTips(window.tabs);
    // A click on another control keeps the focus there; only a field that was hidden hands it back.
    if (gettingFocus == window.dialog)
        restoreFocus(window);
    repaintPage(window);
}

void hideRenameEdit(MainWindow& window)
{
    if (!isRenameEditVisible(window))
        return;
    HWND field = renameField(window);
    if (GetFocus() == field)
        SetFocus(window.dialog); // the field's loss of the focus commits the name
    else
        finishRename(window, nullptr);
    ShowWindow(field, SW_HIDE);
}

void cancelRename(MainWindow& window)
{
    window.tabsState.renameCancelled = true;
    hideRenameEdit(window);
}

void startRename(MainWindow& window)
{
    hookTabScroller(window);
    TabsState& tabs = window.tabsState;
    if (tabs.startingRename)
        return;
    const int index = TabCtrl_GetCurSel(window.tabs);
    const TeamState& state = window.model.active();
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    tabs.startingRename = true;
    tabs.renameOriginal = state.players[index].name;
    tabs.renameCancelled = false;
    HWND field = renameField(window);
    placeRenameField(window, field, index);
    SetWindowTextW(field, widen(tabs.renameOriginal).c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    tabs.renaming = true;
    ShowWindow(field, SW_SHOW);
    SetFocus(field);
    tabs.startingRename = false;
}

bool tabScrollerContains(const MainWindow& window, POINT screen)
{
    HWND arrows = scrollArrows(window);
    if (!arrows || !IsWindowVisible(arrows))
        return false;
    RECT place;
    GetWindowRect(arrows, &place);
    return PtInRect(&place, screen) != FALSE;
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

bool tabTipWanted(const MainWindow& window, const NMHDR& header)
{
    const TeamState& state = window.model.active();
    const int index = static_cast<int>(header.idFrom);
    return state.tabTooltip == 1 && index >= 0 && index < static_cast<int>(state.players.size());
}

} // namespace

bool answerTabTip(MainWindow& window, NMTTDISPINFOW& request)
{
    if (!tabTipWanted(window, request.hdr))
        return false;
    TabsState& tabs = window.tabsState;
    tabs.tipText = widen(tabTipText(window.model.active(), static_cast<int>(request.hdr.idFrom)));
    request.lpszText = &tabs.tipText[0];
    request.hinst = nullptr;
    return true;
}

bool answerTabTip(MainWindow& window, NMTTDISPINFOA& request)
{
    if (!tabTipWanted(window, request.hdr))
        return false;
    TabsState& tabs = window.tabsState;
    const std::wstring text = widen(tabTipText(window.model.active(), static_cast<int>(request.hdr.idFrom)));
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    tabs.tipTextAnsi.assign(std::max(length, 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &tabs.tipTextAnsi[0], length, nullptr, nullptr);
    request.lpszText = &tabs.tipTextAnsi[0];
    request.hinst = nullptr;
    return true;
}
