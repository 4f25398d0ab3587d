#include "team/tab_strip_win.h"

#include "base/subclass_win.h"
#include "controls/dialogs_win.h"
#include "controls/focus_win.h"
#include "resource.h"
#include "team/ordering.h"
#include "team/overview_win.h"
#include "team/tabs_win.h"
#include "team/team_win.h"

#include <windowsx.h>

namespace {

// A right click on another tab selects its player before the menu opens.
void onContextMenu(POINT screen)
{
    hideRenameEdit();
    if (tabScrollerContains(screen))
        return;
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
    case IDM_TEAM_OVERVIEW:
    case IDM_FORECAST:
        // Windows of the whole program: the main dialog opens them, as from its own menu.
        SendMessageW(mainDialog, WM_COMMAND, id, 0);
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

void installTabStrip() { subclassWindow(tabControl, tabStripProc); }

AutoMenu loadTabMenu()
{
    AutoMenu menu(LoadMenuW(appInstance, MAKEINTRESOURCEW(IDR_TAB_MENU)));
    if (!menu)
        return menu;
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (teamState.singleMode) {
        // Left: "Umbenennen", "Prognose...", a separator, "Abbrechen".
        for (int position : {6, 5, 3, 2, 1})
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
    showMenuAtCursor(menu.get(), tabControl);
}
