// Renaming a player in the field over his tab: started by a double click or the tab menu, ended by
// Enter, Escape or the focus going elsewhere.
#include "app/main_window_parts_win.h"

#include "base/text_win.h"
#include "resource.h"
#include "team/tabs_win.h"

namespace {

HWND renameField(const MainWindow& window) { return GetDlgItem(window.dialog, IDC_RENAME_FIELD); }

} // namespace

bool isRenameEditVisible(const MainWindow& window) { return IsWindowVisible(renameField(window)) != FALSE; }

void finishRename(MainWindow& window, HWND gettingFocus)
{
    RenameState& rename = window.rename;
    if (!rename.renaming)
        return;
    rename.renaming = false;
    HWND field = renameField(window);
    if (IsWindowVisible(field))
        ShowWindow(field, SW_HIDE);
    const int index = TabCtrl_GetCurSel(window.tabs);
    TeamState& state = window.model.active();
    const std::string typed = rename.cancelled ? rename.original : narrow(windowText(field));
    rename.cancelled = false;
    const TeamState before = state;
    setPlayerName(state, index, renamedName(state, index, typed));
    if (index >= 0 && index < static_cast<int>(state.players.size()) &&
        std::string(before.players[index].name) != state.players[index].name)
        window.recordSquadChange(SquadChange::Rename, before);
    relabelTab(window.tabs, state, index);
    // A click on another control keeps the focus there; only a field that was hidden hands it back.
    if (gettingFocus == window.dialog)
        restoreFocus(window);
    redrawPage(window);
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
    window.rename.cancelled = true;
    hideRenameEdit(window);
}

void startRename(MainWindow& window)
{
    hookTabScroller(window);
    RenameState& rename = window.rename;
    if (rename.starting)
        return;
    const int index = TabCtrl_GetCurSel(window.tabs);
    const TeamState& state = window.model.active();
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    rename.starting = true;
    rename.original = state.players[index].name;
    rename.cancelled = false;
    HWND field = renameField(window);
    placeRenameField(field, window.tabs, window.tabScroller, index);
    SetWindowTextW(field, widen(rename.original).c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    rename.renaming = true;
    ShowWindow(field, SW_SHOW);
    SetFocus(field);
    rename.starting = false;
}
