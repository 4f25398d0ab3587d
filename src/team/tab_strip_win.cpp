#include "team/tab_strip_win.h"

#include "base/subclass_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "controls/focus_win.h"
#include "resource.h"
#include "team/ordering.h"
#include "team/team_win.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

namespace {

// Names are typed up to this many characters; a longer one can only come from the INI file.
constexpr int renameLimit = 60;

struct TabStripState {
    HWND tabScroller = nullptr;   // the strip's scroll arrows, once hooked
    bool renaming = false;        // the rename field is out, a name not yet committed
    bool startingRename = false;
    bool renameCancelled = false; // Escape: the name goes back to renameOriginal
    std::string renameOriginal;
    // The last tab tip, kept until the next request: the tooltip reads it after we return.
    std::wstring tipText;
    std::string tipTextAnsi;
};
TabStripState tabStrip;

HWND renameField() { return GetDlgItem(mainDialog, IDC_RENAME_FIELD); }

void repaintPage() { RedrawWindow(pageDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

// Over the label of the selected tab, inside the strip and clear of its scroll arrows.
void placeRenameField(HWND field, int index)
{
    RECT tab;
    if (!TabCtrl_GetItemRect(tabControl, index, &tab))
        return;
    RECT client;
    GetClientRect(tabControl, &client);
    LONG right = std::min(tab.right - 2, client.right - 3);
    if (tabStrip.tabScroller && IsWindowVisible(tabStrip.tabScroller)) {
        RECT arrows;
        GetWindowRect(tabStrip.tabScroller, &arrows);
        MapWindowPoints(nullptr, tabControl, reinterpret_cast<POINT*>(&arrows), 2);
        right = std::min(right, arrows.left - 2);
    }
    RECT place = {tab.left + 3, tab.top, std::max(right, tab.left + 20), tab.bottom};
    MapWindowPoints(tabControl, mainDialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(field, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOACTIVATE);
}

// The rename ends: the typed name (or, after Escape, the old one) is stored and labels the tab.
void finishRename(HWND gettingFocus)
{
    if (!tabStrip.renaming)
        return;
    tabStrip.renaming = false;
    HWND field = renameField();
    if (IsWindowVisible(field))
        ShowWindow(field, SW_HIDE);
    const int index = TabCtrl_GetCurSel(tabControl);
    TeamState& state = activeState();
    const std::string typed = tabStrip.renameCancelled ? tabStrip.renameOriginal : narrow(windowText(field));
    tabStrip.renameCancelled = false;
    setPlayerName(state, index, renamedName(state, index, typed));
    std::wstring label = widen(tabLabel(state, index));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &label[0];
    SendMessageW(tabControl, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    syncTabTips();
    // A click on another control keeps the focus there; only a field that was hidden hands it back.
    if (gettingFocus == mainDialog)
        restoreFocus();
    repaintPage();
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
            tabStrip.renameCancelled = wParam == VK_ESCAPE;
            hideRenameEdit();
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
            restoreFocus();
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        finishRename(reinterpret_cast<HWND>(wParam));
        break;
    }
    return callPreviousProc(field, message, wParam, lParam);
}

LRESULT CALLBACK tabScrollerProc(HWND arrows, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        hideRenameEdit();
        break;
    case WM_NCDESTROY:
        tabStrip.tabScroller = nullptr;
        break;
    }
    return callPreviousProc(arrows, message, wParam, lParam);
}

// The player of another tab, without the strip's notifications: a right click selects before the menu.
void onContextMenu(POINT screen)
{
    hideRenameEdit();
    if (tabStrip.tabScroller && IsWindowVisible(tabStrip.tabScroller)) {
        RECT arrows;
        GetWindowRect(tabStrip.tabScroller, &arrows);
        if (PtInRect(&arrows, screen))
            return;
    }
    TCHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(tabControl, &hit.pt);
    const int index = TabCtrl_HitTest(tabControl, &hit);
    if (index >= 0 && index != TabCtrl_GetCurSel(tabControl))
        switchToPlayer(index);
    showTabMenu();
}

void onMenuCommand(int id)
{
    TeamState& state = activeState();
    switch (id) {
    case IDM_RENAME:
        startRename();
        break;
    case IDM_DELETE_PLAYER:
        deletePlayer(TabCtrl_GetCurSel(tabControl));
        break;
    case IDM_SORT_BY_LKZ:
        if (state.sortByLkz == 0)
            sortTeam(SortByLkz);
        break;
    case IDM_SORT_BY_LINEUP:
        if (state.sortByLkz != 0)
            sortTeam(SortByLineup);
        break;
    case IDM_TAB_TOOLTIP:
        state.tabTooltip = state.tabTooltip ? 0 : 1;
        break;
    case IDM_SAVE_SORT_ORDER:
        state.saveSortOrder = state.saveSortOrder ? 0 : 1;
        break;
    }
}

void onLeftButtonDown(HWND strip)
{
    lastFocused = strip;
    SetFocus(strip);
}

void onRightButtonDown(HWND strip)
{
    SendMessageW(mainDialog, WM_CANCELMODE, 0, 0);
    SendMessageW(pageDialog, WM_CANCELMODE, 0, 0);
    SendMessageW(strip, WM_CANCELMODE, 0, 0);
    hideRenameEdit();
}

LRESULT CALLBACK tabStripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        onLeftButtonDown(strip);
        break;
    case WM_RBUTTONDOWN:
        onRightButtonDown(strip);
        break;
    case WM_LBUTTONDBLCLK: {
        // The strip handles the click first, so that it does not take the focus from the field.
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        startRename();
        return result;
    }
    case WM_CONTEXTMENU:
        onContextMenu({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_COMMAND:
        if (lParam == 0) { // from the context menu
            onMenuCommand(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_NOTIFY: {
        // The tip texts come from the main dialog.
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW)
            return SendMessageW(mainDialog, WM_NOTIFY, wParam, lParam);
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
        syncTabTips();
        return result;
    }
    }
    return callPreviousProc(strip, message, wParam, lParam);
}

} // namespace

void installTabStrip()
{
    // The field's own limit also cuts a pasted name.
    SendMessageW(renameField(), EM_SETLIMITTEXT, renameLimit, 0);
    subclassWindow(renameField(), renameFieldProc);
    subclassWindow(tabControl, tabStripProc);
}

void hookTabScroller()
{
    if (tabStrip.tabScroller)
        return;
    HWND arrows = GetWindow(tabControl, GW_CHILD);
    if (!arrows)
        return;
    tabStrip.tabScroller = arrows;
    subclassWindow(arrows, tabScrollerProc);
}

bool isRenameEditVisible() { return IsWindowVisible(renameField()) != FALSE; }

void hideRenameEdit()
{
    if (!isRenameEditVisible())
        return;
    HWND field = renameField();
    if (GetFocus() == field)
        SetFocus(mainDialog); // the field's loss of the focus commits the name
    else
        finishRename(nullptr);
    ShowWindow(field, SW_HIDE);
}

void startRename()
{
    hookTabScroller();
    if (tabStrip.startingRename)
        return;
    const int index = TabCtrl_GetCurSel(tabControl);
    TeamState& state = activeState();
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    tabStrip.startingRename = true;
    tabStrip.renameOriginal = state.players[index].name;
    tabStrip.renameCancelled = false;
    HWND field = renameField();
    placeRenameField(field, index);
    SetWindowTextW(field, widen(tabStrip.renameOriginal).c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    tabStrip.renaming = true;
    ShowWindow(field, SW_SHOW);
    SetFocus(field);
    tabStrip.startingRename = false;
}

AutoMenu loadTabMenu()
{
    AutoMenu menu(LoadMenuW(appInstance, MAKEINTRESOURCEW(IDR_TAB_MENU)));
    if (!menu)
        return menu;
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (teamState.singleMode) {
        // Left: "Umbenennen", a separator, "Abbrechen".
        for (int position : {4, 3, 2, 1})
            DeleteMenu(popup, position, MF_BYPOSITION);
        return menu;
    }
    const TeamState& state = activeState();
    const auto check = [popup](int id, bool on) {
        CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(IDM_SORT_BY_LKZ, state.sortByLkz == 1);
    check(IDM_SORT_BY_LINEUP, state.sortByLkz == 0);
    check(IDM_TAB_TOOLTIP, state.tabTooltip == 1);
    check(IDM_SAVE_SORT_ORDER, state.saveSortOrder == 1);
    return menu;
}

void showTabMenu()
{
    AutoMenu menu = loadTabMenu();
    if (!menu)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(GetSubMenu(menu.get(), 0), TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, tabControl,
                   nullptr);
}

void syncTabTips()
{
    HWND tips = TabCtrl_GetToolTips(tabControl);
    if (!tips)
        return;
    const int count = TabCtrl_GetItemCount(tabControl);
    for (int i = 0; i < maxTeamSize + 1; ++i) {
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // every common-controls version takes it
        tool.hwnd = tabControl;
        tool.uId = static_cast<UINT_PTR>(i);
        const bool exists = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
        if (i >= count) {
            if (exists)
                SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            continue;
        }
        // A tab scrolled out of sight keeps an empty place.
        if (!TabCtrl_GetItemRect(tabControl, i, &tool.rect))
            SetRectEmpty(&tool.rect);
        if (exists) {
            SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        } else {
            tool.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

namespace {

bool tabTipWanted(const NMHDR& header)
{
    const int index = static_cast<int>(header.idFrom);
    return activeState().tabTooltip == 1 && index >= 0 && index < static_cast<int>(activeState().players.size());
}

} // namespace

bool answerTabTip(NMTTDISPINFOW& request)
{
    if (!tabTipWanted(request.hdr))
        return false;
    tabStrip.tipText = widen(tabTipText(activeState(), static_cast<int>(request.hdr.idFrom)));
    request.lpszText = &tabStrip.tipText[0];
    request.hinst = nullptr;
    return true;
}

bool answerTabTip(NMTTDISPINFOA& request)
{
    if (!tabTipWanted(request.hdr))
        return false;
    const std::wstring text = widen(tabTipText(activeState(), static_cast<int>(request.hdr.idFrom)));
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    tabStrip.tipTextAnsi.assign(std::max(length, 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &tabStrip.tipTextAnsi[0], length, nullptr, nullptr);
    request.lpszText = &tabStrip.tipTextAnsi[0];
    request.hinst = nullptr;
    return true;
}

void resetTabStrip() { tabStrip = TabStripState{}; }
