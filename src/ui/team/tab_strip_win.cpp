#include "team/tab_strip_win.h"

#include "base/subclass_win.h"
#include "controls/dialogs_win.h"
#include "controls/notifications_win.h"
#include "resource.h"
#include "team/tabs_win.h"
#include "team/team_win.h"

#include <windowsx.h>

namespace {

HWND ownerOf(HWND strip) { return GetAncestor(strip, GA_ROOT); }

LRESULT CALLBACK tabStripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        notifyMainWindow(strip, TN_PRESSED);
        break;
    case WM_RBUTTONDOWN:
        notifyMainWindow(strip, TN_RIGHT_PRESSED);
        break;
    case WM_LBUTTONDBLCLK: {
        // The strip handles the click first, so that it does not take the focus from the field.
        const LRESULT result = callPreviousProc(strip, message, wParam, lParam);
        notifyMainWindow(strip, TN_DOUBLE_CLICKED);
        return result;
    }
    case WM_CONTEXTMENU:
        SendMessageW(ownerOf(strip), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(strip), lParam);
        return 0;
    case WM_NOTIFY: {
        // The tip texts come from the main dialog.
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == TTN_GETDISPINFOA || header->code == TTN_GETDISPINFOW)
            return SendMessageW(ownerOf(strip), WM_NOTIFY, wParam, lParam);
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

AutoMenu loadTabMenu(const TeamModel& model)
{
    AutoMenu menu(LoadMenuW(appInstance(), MAKEINTRESOURCEW(IDR_TAB_MENU)));
    if (!menu)
        return menu;
    HMENU popup = GetSubMenu(menu.get(), 0);
    if (model.singleMode) {
        // Left: "Umbenennen", "Prognose...", "Verlauf...", a separator, "Abbrechen".
        for (int position : {7, 6, 3, 2, 1})
            DeleteMenu(popup, position, MF_BYPOSITION);
        return menu;
    }
    const TeamState& state = model.active();
    const auto check = [popup](int id, bool on) {
        CheckMenuItem(popup, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(IDM_SORT_BY_LKZ, state.sortByLkz == 1);
    check(IDM_SORT_BY_LINEUP, state.sortByLkz == 0);
    check(IDM_TAB_TOOLTIP, state.tabTooltip == 1);
    check(IDM_SAVE_SORT_ORDER, state.saveSortOrder == 1);
    return menu;
}

void showTabContextMenu(MainWindow& window, POINT screen)
{
    hideRenameEdit(window);
    if (tabScrollerContains(window, screen))
        return;
    TCHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(window.tabs, &hit.pt);
    const int index = TabCtrl_HitTest(window.tabs, &hit);
    if (index >= 0 && index != TabCtrl_GetCurSel(window.tabs))
        switchToPlayer(window, index);
    showTabMenu(window);
}

void showTabMenu(MainWindow& window)
{
    AutoMenu menu = loadTabMenu(window.model);
    showMenuAtCursor(menu.get(), window.dialog);
}
