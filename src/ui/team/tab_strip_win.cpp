#include "team/tab_strip_win.h"

#include "base/subclass_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "controls/notifications_win.h"
#include "resource.h"
#include "team/tabs_win.h"
#include "team/team_win.h"

#include <windowsx.h>

namespace {

HWND ownerOf(HWND strip) { return GetAncestor(strip, GA_ROOT); }

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
    notifyMainWindow(strip, TN_TAB_DROPPED, dropped);
}

LRESULT CALLBACK tabStripProc(HWND strip, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        SetPropW(strip, pressedTabProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(tabAt(strip, lParam) + 1)));
        notifyMainWindow(strip, TN_PRESSED);
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

namespace {

bool holds(HMENU menu, UINT id)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == id)
            return true;
    return false;
}

// What a single player has no use for: the team's commands, the submenus that hold them, and the
// separators left side by side or at an end.
void trimForSinglePlayer(HMENU popup)
{
    for (UINT id : {IDM_DELETE_PLAYER, IDM_MOVE_FORWARD, IDM_MOVE_BACK, IDM_TEAM_OVERVIEW})
        DeleteMenu(popup, id, MF_BYCOMMAND);
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i)
        if (HMENU sub = GetSubMenu(popup, i); sub && (holds(sub, IDM_SORT_BY_LKZ) || holds(sub, IDM_TAB_TOOLTIP)))
            DeleteMenu(popup, i, MF_BYPOSITION);
    bool previousSeparator = true;
    for (int i = 0; i < GetMenuItemCount(popup);) {
        const bool separator = (GetMenuState(popup, i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        if (separator && previousSeparator) {
            DeleteMenu(popup, i, MF_BYPOSITION);
            continue;
        }
        previousSeparator = separator;
        ++i;
    }
}

} // namespace

void showUndoItems(HMENU menu, const MainWindow& window)
{
    const UndoHistory& history = window.undoHistory();
    const struct {
        UINT id;
        std::string text;
        const wchar_t* key;
        bool can;
    } items[] = {{IDM_UNDO, history.undoText(), L"\tStrg+Z", history.canUndo()},
                 {IDM_REDO, history.redoText(), L"\tStrg+Y", history.canRedo()}};
    for (const auto& item : items) {
        const std::wstring text = widen(item.text) + item.key;
        ModifyMenuW(menu, item.id, MF_BYCOMMAND | MF_STRING | (item.can ? MF_ENABLED : MF_GRAYED), item.id,
                    text.c_str());
    }
}

AutoMenu loadTabMenu(const MainWindow& window)
{
    const TeamModel& model = window.model;
    AutoMenu menu(LoadMenuW(appInstance(), MAKEINTRESOURCEW(IDR_TAB_MENU)));
    if (!menu)
        return menu;
    HMENU popup = GetSubMenu(menu.get(), 0);
    showUndoItems(popup, window);
    if (model.singleMode) {
        trimForSinglePlayer(popup);
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
    // No place to move to before the first or after the last.
    const PlayerRecord* current = currentPlayer(state);
    const int lineup = current ? current->lineup : 0;
    EnableMenuItem(popup, IDM_MOVE_FORWARD, MF_BYCOMMAND | (lineup > 1 ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(popup, IDM_MOVE_BACK, MF_BYCOMMAND | (lineup < state.playerCount ? MF_ENABLED : MF_GRAYED));
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
    AutoMenu menu = loadTabMenu(window);
    showMenuAtCursor(menu.get(), window.dialog);
}
