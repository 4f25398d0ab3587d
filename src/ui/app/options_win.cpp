// The options: their check boxes, the options menu and the colour of the focused field.
#include "app/main_window_parts_win.h"

#include "base/libraries_win.h"
#include "controls/dialogs_win.h"
#include "controls/focus_win.h"
#include "controls/input_fields_win.h"
#include "display/calculate_win.h"
#include "resource.h"
#include "team/tab_strip_win.h"

#include <commdlg.h>

namespace {

bool isChecked(const MainWindow& window, int id) { return IsDlgButtonChecked(window.dialog, id) == BST_CHECKED; }

} // namespace

void toggleOnTop(MainWindow& window)
{
    const int on = isChecked(window, IDC_ON_TOP_CHECK) ? 0 : 1;
    placeOnTop(window.dialog, on);
    setCheck(window.dialog, IDC_ON_TOP_CHECK, on);
    window.model.onTop = on;
}

void toggleAutoCalc(MainWindow& window)
{
    clearInputMarks(window);
    if (isChecked(window, IDC_AUTO_CALC_CHECK)) {
        window.model.active().autoCalc = 0;
        clearMarks(window.model);
        clearLkz(window.model, window.view);
        setCheck(window.dialog, IDC_AUTO_CALC_CHECK, 0);
    } else {
        window.model.active().autoCalc = 1;
        calculate(window, 0);
        setCheck(window.dialog, IDC_AUTO_CALC_CHECK, 1);
    }
}

void toggleSaveData(MainWindow& window)
{
    const int on = isChecked(window, IDC_SAVE_DATA_CHECK) ? 0 : 1;
    window.model.active().saveData = on;
    setCheck(window.dialog, IDC_SAVE_DATA_CHECK, on);
}

void chooseHighlightColour(MainWindow& window)
{
    if (!loadLibrariesFor(Feature::ColourDialog, window.dialog))
        return;
    for (COLORREF& colour : window.customColours)
        colour = RGB(255, 255, 255);
    window.customColours[0] = RGB(255, 255, 160);
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = window.dialog;
    choose.rgbResult = window.model.highlightColour;
    choose.lpCustColors = window.customColours;
    choose.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (ChooseColorW(&choose))
        window.model.highlightColour = choose.rgbResult;
    if (window.lastFocused) {
        restoreFocus(window);
        SendMessageW(window.lastFocused, WM_NCPAINT, 1, 0);
    }
}

AutoMenu loadOptionsMenu(const MainWindow& window)
{
    const TeamModel& model = window.model;
    AutoMenu menu(LoadMenuW(appInstance(), MAKEINTRESOURCEW(IDR_OPTIONS_MENU)));
    if (!menu)
        return menu;
    showUndoItems(menu.get(), window);
    const auto check = [&menu](int id, bool on) {
        CheckMenuItem(menu.get(), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(IDM_ON_TOP, model.onTop == 1);
    check(IDM_AUTO_CALC, model.active().autoCalc);
    check(IDM_DECIMAL, model.active().decimal);
    check(IDM_SAVE_DATA, model.active().saveData);
    // A single player has no team to show.
    for (UINT id : {IDM_TEAM_OVERVIEW, IDM_LINEUP_RULES})
        EnableMenuItem(menu.get(), id, MF_BYCOMMAND | (model.singleMode ? MF_GRAYED : MF_ENABLED));
    return menu;
}

void showOptionsMenu(MainWindow& window)
{
    AutoMenu menu = loadOptionsMenu(window);
    showMenuAtCursor(menu.get(), window.dialog);
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
