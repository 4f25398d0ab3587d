// Every command of the main dialog once: its handler, its check mark, whether it is enabled and
// what a single player sees of it. The buttons, both menus and the keys go through this table.
#include "app/main_window_parts_win.h"

#include "base/dialogs_win.h"
#include "base/text_win.h"
#include "display/calculate.h"
#include "resource.h"
#include "team/ordering.h"
#include "team/tabs_win.h"
#include "update/about_win.h"
#include "update/version_check_win.h"

#include <string>

namespace {

// What a menu does with a command in single-player mode.
enum class InSingleMode { Shown, Greyed, Removed };

struct Command {
    UINT id;
    void (*run)(MainWindow&);                 // null: the menu's "Abbrechen"
    bool (*checked)(const MainWindow&);       // null: never checked
    bool (*enabled)(const MainWindow&);       // null: always, where the mode has it
    std::string (*label)(const MainWindow&);  // null: the menu's own text
    InSingleMode inOptionsMenu = InSingleMode::Shown;
    InSingleMode inTabMenu = InSingleMode::Shown;
};

const TeamState& active(const MainWindow& window) { return window.model.active(); }
int currentLineup(const MainWindow& window)
{
    const PlayerRecord* current = currentPlayer(active(window));
    return current ? current->lineup : 0;
}
bool currentBlockMark(const MainWindow& window)
{
    const PlayerRecord* current = currentPlayer(active(window));
    return current && current->blockMark;
}
void moveBy(MainWindow& window, int step)
{
    if (const int lineup = currentLineup(window))
        moveCurrentPlayer(window, lineup + step);
}
std::string withKey(std::string text, const char* key) { return text + "\t" + key; }

constexpr InSingleMode Greyed = InSingleMode::Greyed, Removed = InSingleMode::Removed, Shown = InSingleMode::Shown;

const Command commands[] = {
    // The buttons and check boxes of the main dialog.
    {IDC_CALCULATE_BUTTON, [](MainWindow& w) { onCalculateButton(w); }, nullptr, nullptr, nullptr},
    {IDC_FORMULA_BUTTON, openFormulaWindow, nullptr, nullptr, nullptr},
    {IDC_APPLY_COUNT_BUTTON, setPlayerCount, nullptr, nullptr, nullptr},
    {IDC_MODE_BUTTON, switchMode, nullptr, nullptr, nullptr},
    {IDC_EXIT_BUTTON, closeMainDialog, nullptr, nullptr, nullptr},
    {IDC_ON_TOP_CHECK, toggleOnTop, nullptr, nullptr, nullptr},
    {IDC_AUTO_CALC_CHECK, toggleAutoCalc, nullptr, nullptr, nullptr},
    {IDC_DECIMAL_CHECK, [](MainWindow& w) { toggleDecimalOutput(w.model, w.view); }, nullptr, nullptr, nullptr},
    {IDC_SAVE_DATA_CHECK, toggleSaveData, nullptr, nullptr, nullptr},
    // Both menus, and Ctrl+Z and Ctrl+Y.
    {IDM_UNDO, undoSquadChange, nullptr, [](const MainWindow& w) { return w.undoHistory().canUndo(); },
     [](const MainWindow& w) { return withKey(w.undoHistory().undoText(), "Strg+Z"); }},
    {IDM_REDO, redoSquadChange, nullptr, [](const MainWindow& w) { return w.undoHistory().canRedo(); },
     [](const MainWindow& w) { return withKey(w.undoHistory().redoText(), "Strg+Y"); }},
    {IDM_TEAM_OVERVIEW, openTeamOverview, nullptr, nullptr, nullptr, Greyed, Removed},
    {IDM_FORECAST, openForecast, nullptr, nullptr, nullptr},
    {IDM_HISTORY, openHistory, nullptr, nullptr, nullptr},
    // The options menu.
    {IDM_ON_TOP, toggleOnTop, [](const MainWindow& w) { return w.model.onTop == 1; }, nullptr, nullptr},
    {IDM_AUTO_CALC, toggleAutoCalc, [](const MainWindow& w) { return active(w).autoCalc != 0; }, nullptr, nullptr},
    {IDM_DECIMAL, [](MainWindow& w) { toggleDecimalOutput(w.model, w.view); },
     [](const MainWindow& w) { return active(w).decimal != 0; }, nullptr, nullptr},
    {IDM_SAVE_DATA, toggleSaveData, [](const MainWindow& w) { return active(w).saveData != 0; }, nullptr, nullptr},
    {IDM_HIGHLIGHT_COLOUR, chooseHighlightColour, nullptr, nullptr, nullptr},
    {IDM_LINEUP_RULES, [](MainWindow& w) { editRules(w); }, nullptr, nullptr, nullptr, Greyed},
    {IDM_PASTE_BALANCES, pasteBalances, nullptr, nullptr, nullptr},
    {IDM_BALANCES_FILE, openBalancesFile, nullptr, nullptr, nullptr},
    {IDM_CHECK_UPDATE, [](MainWindow& w) { startVersionCheck(w.dialog, w.update, w.updateFolder); }, nullptr, nullptr, nullptr},
    {IDM_INFO, [](MainWindow& w) { showAboutBox(w.dialog, w.iniPath); }, nullptr, nullptr, nullptr},
    {IDM_OPTIONS_CANCEL, nullptr, nullptr, nullptr, nullptr},
    // The tab menu.
    {IDM_RENAME, startRename, nullptr, nullptr, nullptr},
    {IDM_DELETE_PLAYER, [](MainWindow& w) { deletePlayer(w, TabCtrl_GetCurSel(w.tabs)); }, nullptr, nullptr, nullptr,
     Shown, Removed},
    // No place to move to before the first or after the last.
    {IDM_MOVE_FORWARD, [](MainWindow& w) { moveBy(w, -1); }, nullptr,
     [](const MainWindow& w) { return currentLineup(w) > 1; }, nullptr, Shown, Removed},
    {IDM_MOVE_BACK, [](MainWindow& w) { moveBy(w, 1); }, nullptr,
     [](const MainWindow& w) { return currentLineup(w) < active(w).playerCount; }, nullptr, Shown, Removed},
    {IDM_BLOCK_MARK, toggleBlockMark, [](const MainWindow& w) { return currentBlockMark(w); },
     [](const MainWindow& w) { return canChangeBlockMark(active(w), currentIndex(active(w))); }, nullptr, Shown,
     Removed},
    {IDM_SORT_BY_LINEUP, [](MainWindow& w) { if (active(w).sortByLkz != 0) sortTeam(w, SortByLineup); },
     [](const MainWindow& w) { return active(w).sortByLkz == 0; }, nullptr, nullptr, Shown, Removed},
    {IDM_SORT_BY_LKZ, [](MainWindow& w) { if (active(w).sortByLkz == 0) sortTeam(w, SortByLkz); },
     [](const MainWindow& w) { return active(w).sortByLkz == 1; }, nullptr, nullptr, Shown, Removed},
    {IDM_TAB_TOOLTIP, [](MainWindow& w) { w.model.active().tabTooltip = active(w).tabTooltip ? 0 : 1; },
     [](const MainWindow& w) { return active(w).tabTooltip == 1; }, nullptr, nullptr, Shown, Removed},
    {IDM_SAVE_SORT_ORDER, [](MainWindow& w) { w.model.active().saveSortOrder = active(w).saveSortOrder ? 0 : 1; },
     [](const MainWindow& w) { return active(w).saveSortOrder == 1; }, nullptr, nullptr, Shown, Removed},
    {IDM_TAB_CANCEL, nullptr, nullptr, nullptr, nullptr},
};

const Command* findCommand(UINT id)
{
    for (const Command& command : commands)
        if (command.id == id)
            return &command;
    return nullptr;
}

enum class Menu { Options, Tab };

InSingleMode inSingleMode(const Command& command, Menu menu)
{
    return menu == Menu::Options ? command.inOptionsMenu : command.inTabMenu;
}

// A single player has a command only where no menu greys or removes it for him.
bool available(const MainWindow& window, const Command& command)
{
    if (window.model.singleMode && (command.inOptionsMenu != Shown || command.inTabMenu != Shown))
        return false;
    return !command.enabled || command.enabled(window);
}

// Each item of popup and its submenus as the table has it; a submenu left empty goes, and so does a
// separator at the top or after another.
void fitMenu(HMENU popup, const MainWindow& window, Menu menu)
{
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
        if (HMENU sub = GetSubMenu(popup, i)) {
            fitMenu(sub, window, menu);
            if (GetMenuItemCount(sub) == 0)
                DeleteMenu(popup, i, MF_BYPOSITION);
            continue;
        }
        const Command* command = findCommand(GetMenuItemID(popup, i));
        if (!command)
            continue;
        const bool single = window.model.singleMode != 0;
        if (single && inSingleMode(*command, menu) == Removed) {
            DeleteMenu(popup, i, MF_BYPOSITION);
            continue;
        }
        const bool enabled = available(window, *command);
        UINT flags = MF_BYPOSITION | MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED) |
                     (command->checked && command->checked(window) ? MF_CHECKED : MF_UNCHECKED);
        if (command->label) {
            ModifyMenuW(popup, i, flags, command->id, widen(command->label(window)).c_str());
        } else {
            EnableMenuItem(popup, i, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
            CheckMenuItem(popup, i, MF_BYPOSITION | (flags & MF_CHECKED));
        }
    }
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

AutoMenu loadMenu(const MainWindow& window, int resource, Menu which)
{
    AutoMenu menu(LoadMenuW(appInstance(), MAKEINTRESOURCEW(resource)));
    if (menu)
        fitMenu(GetSubMenu(menu.get(), 0), window, which);
    return menu;
}

} // namespace

bool runCommand(MainWindow& window, int id)
{
    const Command* command = findCommand(static_cast<UINT>(id));
    if (!command)
        return false;
    if (command->run && available(window, *command))
        command->run(window);
    return true;
}

AutoMenu loadOptionsMenu(const MainWindow& window) { return loadMenu(window, IDR_OPTIONS_MENU, Menu::Options); }

AutoMenu loadTabMenu(const MainWindow& window) { return loadMenu(window, IDR_TAB_MENU, Menu::Tab); }

void showOptionsMenu(MainWindow& window)
{
    AutoMenu menu = loadOptionsMenu(window);
    showMenuAtCursor(menu.get(), window.dialog);
}

void showTabMenu(MainWindow& window)
{
    AutoMenu menu = loadTabMenu(window);
    showMenuAtCursor(menu.get(), window.dialog);
}

void showTabContextMenu(MainWindow& window, POINT screen)
{
    hideRenameEdit(window);
    if (tabScrollerContains(window.tabScroller, screen))
        return;
    TCHITTESTINFO hit = {};
    hit.pt = screen;
    ScreenToClient(window.tabs, &hit.pt);
    const int index = TabCtrl_HitTest(window.tabs, &hit);
    if (index >= 0 && index != TabCtrl_GetCurSel(window.tabs))
        switchToPlayer(window, index);
    showTabMenu(window);
}

namespace {

// Marks a main dialog for the hook below, which has no data of its own to tell it by.
const wchar_t* const undoKeysProperty = L"Kadermeister.undoKeys";

// Every dialog's loop hands its messages here first (IsDialogMessage): Ctrl+Z and Ctrl+Y for a
// control of a main dialog become its commands. Handled, the message goes no further, so a second
// main dialog's hook never sees it again.
LRESULT CALLBACK undoKeysHook(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && msg && msg->message == WM_KEYDOWN && (msg->wParam == 'Z' || msg->wParam == 'Y') &&
        GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        if (root && GetPropW(root, undoKeysProperty) && GetDlgCtrlID(msg->hwnd) != IDC_RENAME_FIELD) {
            SendMessageW(root, WM_COMMAND, msg->wParam == 'Z' ? IDM_UNDO : IDM_REDO, 0);
            return TRUE;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

void catchUndoKeys(MainWindow& window)
{
    SetPropW(window.dialog, undoKeysProperty, reinterpret_cast<HANDLE>(1));
    window.undoKeys.reset(SetWindowsHookExW(WH_MSGFILTER, undoKeysHook, nullptr, GetCurrentThreadId()));
}

void releaseUndoKeys(MainWindow& window)
{
    window.undoKeys.reset();
    RemovePropW(window.dialog, undoKeysProperty);
}
