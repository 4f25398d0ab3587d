// The main dialog: initialisation, commands, notifications and the exit sequence.
#include "app/main_dialog_win.h"

#include "app/main_setup_win.h"
#include "base/dialog_state_win.h"
#include "base/dpi_win.h"
#include "base/libraries_win.h"
#include "base/system_win.h"
#include "base/version.h"
#include "controls/dialogs_win.h"
#include "controls/focus_win.h"
#include "controls/highlight_win.h"
#include "controls/input_fields_win.h"
#include "controls/notifications_win.h"
#include "fields/numeric_field_win.h"
#include "fields/player_page_win.h"
#include "display/calculate_win.h"
#include "display/forecast_win.h"
#include "display/formula_win.h"
#include "resource.h"
#include "settings/settings.h"
#include "settings/settings_win.h"
#include "team/overview_win.h"
#include "team/tabs_win.h"
#include "team/team_win.h"
#include "update/about_win.h"
#include "update/version_check_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

namespace {

// What the main dialog keeps between messages.
struct MainWindowState {
    RECT fullWindowRect = {}; // the window's size when not rolled up
    bool rolledUp = false;
    int lastLeagueIndex = -1;
    bool closing = false; // the exit sequence runs once, whatever asks for it
    COLORREF customColours[16] = {};
};

// The main dialog's record, with its window (DWLP_USER) from WM_INITDIALOG to WM_NCDESTROY.
MainWindowState* mainWindowState() { return mainDialog ? dialogState<MainWindowState>(mainDialog) : nullptr; }

bool isChecked(int id) { return IsDlgButtonChecked(mainDialog, id) == BST_CHECKED; }

void createStatusBar(HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    const int w = client.right;
    statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), appInstance, nullptr);
    int parts[] = {w / 2, 2 * (w / 2)};
    SendMessageW(statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    progressBar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, scaled(186), scaled(2), scaled(185),
                                  scaled(20), statusBar, nullptr, appInstance, nullptr);
    SendMessageW(progressBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SendMessageW(progressBar, PBM_SETSTEP, 1, 0);

    // The status bar only shows while a download runs: until then it lies below the bottom edge.
    RECT window;
    GetWindowRect(dialog, &window);
    SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left, window.bottom - window.top - scaled(25),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(dialog, &dialogState<MainWindowState>(dialog)->fullWindowRect);
}

void placePage()
{
    RECT rect;
    GetWindowRect(tabControl, &rect);
    MapWindowPoints(nullptr, mainDialog, reinterpret_cast<POINT*>(&rect), 2);
    TabCtrl_AdjustRect(tabControl, FALSE, &rect);
    SetWindowPos(pageDialog, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void onLeagueChange()
{
    MainWindowState* state = mainWindowState();
    if (!state)
        return;
    MainWindowState& mainWindow = *state;
    HWND box = inputWindow(League);
    lastFocused = box;
    const int index = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (index != mainWindow.lastLeagueIndex) {
        if (getMark(League)) {
            setMark(League, 0);
            clearInputMarks();
            paintInputMarks();
        }
        // Stored first, so the player's stored LKZ is computed with the new league.
        storePage();
        recalculate();
    }
    mainWindow.lastLeagueIndex = index;
}

void chooseHighlightColour()
{
    MainWindowState* state = mainWindowState();
    if (!state)
        return;
    MainWindowState& mainWindow = *state;
    if (!loadLibrariesFor(Feature::ColourDialog))
        return;
    for (COLORREF& colour : mainWindow.customColours)
        colour = RGB(255, 255, 255);
    mainWindow.customColours[0] = RGB(255, 255, 160);
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = mainDialog;
    choose.rgbResult = highlightColour;
    choose.lpCustColors = mainWindow.customColours;
    choose.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (ChooseColorW(&choose))
        highlightColour = choose.rgbResult;
    if (lastFocused) {
        restoreFocus();
        if (!isSystemVersion40())
            SendMessageW(lastFocused, WM_NCPAINT, 1, 0);
    }
}

void toggleRollUp()
{
    MainWindowState* state = mainWindowState();
    if (!state)
        return;
    MainWindowState& mainWindow = *state;
    RECT window;
    GetWindowRect(mainDialog, &window);
    if (!mainWindow.rolledUp) {
        TITLEBARINFO title = {};
        title.cbSize = sizeof title;
        GetTitleBarInfo(mainDialog, &title);
        const int height = title.rcTitleBar.bottom - window.top + scaled(5);
        SetWindowPos(mainDialog, nullptr, 0, 0, window.right - window.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const RECT& full = mainWindow.fullWindowRect;
        SetWindowPos(mainDialog, nullptr, 0, 0, full.right - full.left, full.bottom - full.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    mainWindow.rolledUp = !mainWindow.rolledUp;
}

void showOptionsMenu()
{
    AutoMenu menu = loadOptionsMenu();
    showMenuAtCursor(menu.get(), mainDialog);
}

// A step of the team-count or match-count spin, before the spin changes its field.
void onMainSpinStep(const NMUPDOWN& step)
{
    const int pos = step.iPos;
    const int delta = step.iDelta;
    int low = 0, high = 0;
    SendMessageW(step.hdr.hwndFrom, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    if (!stepStaysInRange(pos, delta, low, high))
        return;
    if (step.hdr.idFrom == IDC_TEAM_COUNT_SPIN) {
        storePage();
        recalculate();
        if (const auto matches = matchesAfterTeamStep(pos, delta, fieldValue(mainDialog, IDC_MATCHES_FIELD)))
            setFieldValue(mainDialog, IDC_MATCHES_FIELD, *matches);
    } else {
        storePage();
        setPageSpinRanges(2 * (pos + delta));
        if (const auto teams = teamsAfterMatchStep(pos, delta, fieldValue(mainDialog, IDC_TEAM_COUNT_FIELD)))
            setFieldValue(mainDialog, IDC_TEAM_COUNT_FIELD, *teams);
        recalculate();
    }
}

void onCalculateButton()
{
    calculate(1);
    // A list dropped for "no league" stays open; moving the focus would close it.
    if (!SendMessageW(inputWindow(League), CB_GETDROPPEDSTATE, 0, 0))
        restoreFocus();
}

// A spin of the main dialog or the page finished its steps.
void onSpinEnded()
{
    storePage();
    recalculate();
    keepLkzOrder();
}

// A clear button of the page emptied its row: the player keeps the cleared values.
void onRowCleared(int button)
{
    storePage();
    InputKind won, lost;
    if (activeState().autoCalc && clearedRow(button, won, lost)) {
        setMark(won, 0);
        setMark(lost, 0);
        calculate(0);
    } else {
        // The LKZ order sorts by the stored values, cleared row included.
        recomputePlayerLkz(activeState(), currentPlayerIndex());
    }
    keepLkzOrder();
    restoreFocus();
}

// What the number fields and the player page report.
bool onFieldOrPageNotification(int id, int code)
{
    switch (code) {
    case FN_COMMIT:
        storePage();
        return true;
    case PN_SPIN_ENDED:
        onSpinEnded();
        return true;
    case PN_ROW_CLEARED:
        onRowCleared(id);
        return true;
    case PN_CLICKED:
        hideRenameEdit();
        return true;
    }
    return false;
}

// ---- Message handlers ----

void onInitDialog(HWND dialog)
{
    resetWindowState();
    mainDialog = dialog;
    createDialogState<MainWindowState>(dialog);
    installDialogView();
    createStatusBar(dialog);
    SetWindowTextW(dialog, windowTitle);

    tabControl = GetDlgItem(dialog, IDC_PLAYER_TABS);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    wchar_t firstTab[] = L"Einzelspieler";
    item.pszText = firstTab;
    SendMessageW(tabControl, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

    pageDialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_PLAYER_PAGE), dialog, pageDialogProc, 0);
    if (SendMessageW(tabControl, CCM_GETVERSION, 0, 0) >= 6)
        giveThemedBackground(pageDialog);
    placePage();

    lastFocused = inputWindow(League);
    SetFocus(lastFocused);
    HANDLE icon = LoadImageW(appInstance, MAKEINTRESOURCEW(IDI_KADERMEISTER), IMAGE_ICON, 32, 32, LR_SHARED);
    if (icon)
        SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

    setUpSpins();
    subclassInputs();
    setUpSystemMenu();
    fillLeagueBox();
    loadTeamModel();
    showLoadedTeam();
    hookTabScroller();
    setUpLkzDisplay();
    recalculate();
    // The focus ends on the league box.
    SetFocus(inputWindow(League));
    // No tip shows before the pointer has rested on the window, so the tooltips wait until it
    // has been drawn (a timer comes after the paint).
    SetTimer(dialog, IDT_TOOLTIPS, 0, nullptr);
}

void onCommand(int id, int code)
{
    if (onFieldOrPageNotification(id, code))
        return;
    switch (id) {
    case IDC_CALCULATE_BUTTON:
        onCalculateButton();
        break;
    case IDC_LEAGUE_BOX:
        if (code == CBN_SELCHANGE)
            onLeagueChange();
        break;
    case IDC_SAVE_DATA_CHECK:
    case IDM_SAVE_DATA:
        toggleSaveData();
        break;
    case IDC_ON_TOP_CHECK:
    case IDM_ON_TOP:
        toggleOnTop();
        break;
    case IDC_APPLY_COUNT_BUTTON:
        setPlayerCount();
        break;
    case IDC_AUTO_CALC_CHECK:
    case IDM_AUTO_CALC:
        toggleAutoCalc();
        break;
    case IDC_DECIMAL_CHECK:
    case IDM_DECIMAL:
        toggleDecimalOutput();
        break;
    case IDC_MODE_BUTTON:
        switchMode();
        break;
    case IDC_EXIT_BUTTON:
        closeMainDialog();
        break;
    case IDM_HIGHLIGHT_COLOUR:
        chooseHighlightColour();
        break;
    case IDC_FORMULA_BUTTON:
        showFormulaWindow();
        break;
    case IDM_TEAM_OVERVIEW:
        showTeamOverview();
        break;
    case IDM_FORECAST:
        showForecast();
        break;
    case IDM_INFO:
        showAboutBox(iniPath);
        break;
    case IDM_CHECK_UPDATE:
        startVersionCheck();
        break;
    }
}

// "Info..." in the system menu; every other system command takes its default course.
bool onSysCommand(WPARAM command)
{
    if (command != IDM_SYS_INFO)
        return false;
    showAboutBox(iniPath);
    return true;
}

bool isTabTooltip(const NMHDR& header)
{
    return header.hwndFrom && header.hwndFrom == TabCtrl_GetToolTips(tabControl);
}

LRESULT onNotify(const NMHDR& header)
{
    switch (header.code) {
    case TCN_SELCHANGING:
        if (header.hwndFrom == tabControl)
            selectPlayerLeaving(TabCtrl_GetCurSel(tabControl));
        break;
    case TCN_SELCHANGE:
        if (header.hwndFrom == tabControl)
            selectPlayerArriving(TabCtrl_GetCurSel(tabControl));
        break;
    case UDN_DELTAPOS:
        if (header.idFrom == IDC_TEAM_COUNT_SPIN || header.idFrom == IDC_MATCHES_SPIN)
            onMainSpinStep(reinterpret_cast<const NMUPDOWN&>(header));
        break;
    // The tab tips; the tab strip passes its tooltip's requests on to us.
    case TTN_GETDISPINFOA:
        if (isTabTooltip(header))
            answerTabTip(const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header)));
        break;
    case TTN_GETDISPINFOW:
        if (isTabTooltip(header))
            answerTabTip(const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header)));
        break;
    }
    return 0;
}

// The end of a spin's scroll stores and recomputes; the player-count spin only changes its field.
void onVScroll(int code)
{
    if (code == SB_ENDSCROLL && GetFocus() != GetDlgItem(mainDialog, IDC_PLAYER_COUNT_FIELD))
        onSpinEnded();
}

HBRUSH onControlColour(UINT message, HDC dc, HWND control)
{
    HWND focus = GetFocus();
    if (message == WM_CTLCOLOREDIT) {
        if (focus == GetDlgItem(mainDialog, IDC_RENAME_FIELD) || control != focus)
            return nullptr;
        return renewHighlightBrush(dc);
    }
    HBRUSH brush = renewHighlightBrush(dc);
    return control == focus || GetDlgCtrlID(control) == IDC_LEAGUE_DROP_LIST ? brush : nullptr;
}

// Dragging the background moves the window as its caption would.
void onLeftButtonDown()
{
    ReleaseCapture();
    SendMessageW(mainDialog, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    hideRenameEdit();
}

// A double click inside the LKZ frame switches between the whole and the decimal form.
void onLeftButtonDoubleClick(POINT point)
{
    ClientToScreen(mainDialog, &point);
    RECT frame;
    GetWindowRect(GetDlgItem(mainDialog, IDC_LKZ_FRAME), &frame);
    if (PtInRect(&frame, point))
        toggleDecimalOutput();
}

void onRightButtonDown()
{
    SendMessageW(mainDialog, WM_CANCELMODE, 0, 0);
    SendMessageW(pageDialog, WM_CANCELMODE, 0, 0);
    hideRenameEdit();
}

// A double click on the caption rolls the window up; elsewhere the system handles it.
bool onNonClientDoubleClick(WPARAM hitTest)
{
    if (hitTest != HTCAPTION)
        return false;
    toggleRollUp();
    return true;
}

// A shutdown or log-off saves like "Beenden" does.
void onEndSession(bool ending)
{
    if (ending)
        closeMainDialog();
}

void onTimer(WPARAM id)
{
    if (id == IDT_COMMIT) {
        onCommitTimer();
    } else if (id == IDT_TOOLTIPS) {
        KillTimer(mainDialog, IDT_TOOLTIPS);
        createTooltips();
    }
}

// A colour request after the exit sequence may have made one more brush.
void onNcDestroy(HWND dialog)
{
    highlightBrush.reset();
    destroyDialogState<MainWindowState>(dialog);
}

} // namespace

AutoMenu loadOptionsMenu()
{
    AutoMenu menu(LoadMenuW(appInstance, MAKEINTRESOURCEW(IDR_OPTIONS_MENU)));
    if (!menu)
        return menu;
    const auto check = [&menu](int id, bool on) {
        CheckMenuItem(menu.get(), id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    };
    check(IDM_ON_TOP, teamState.onTop == 1 && singleState.onTop == 1);
    check(IDM_AUTO_CALC, activeState().autoCalc);
    check(IDM_DECIMAL, activeState().decimal);
    check(IDM_SAVE_DATA, activeState().saveData);
    // A single player has no team to show.
    EnableMenuItem(menu.get(), IDM_TEAM_OVERVIEW, MF_BYCOMMAND | (teamState.singleMode ? MF_GRAYED : MF_ENABLED));
    return menu;
}

void toggleOnTop()
{
    const int on = isChecked(IDC_ON_TOP_CHECK) ? 0 : 1;
    placeOnTop(on);
    setCheck(IDC_ON_TOP_CHECK, on);
    setOnTop(on);
}

void toggleAutoCalc()
{
    clearInputMarks();
    if (isChecked(IDC_AUTO_CALC_CHECK)) {
        activeState().autoCalc = 0;
        if (PlayerRecord* player = currentPlayer())
            for (int32_t& mark : player->invalid)
                mark = 0;
        clearLkz();
        setCheck(IDC_AUTO_CALC_CHECK, 0);
    } else {
        activeState().autoCalc = 1;
        calculate(0);
        setCheck(IDC_AUTO_CALC_CHECK, 1);
    }
}

void toggleSaveData()
{
    const int on = isChecked(IDC_SAVE_DATA_CHECK) ? 0 : 1;
    activeState().saveData = on;
    setCheck(IDC_SAVE_DATA_CHECK, on);
}

void closeMainDialog()
{
    MainWindowState* state = mainWindowState();
    if (!state || state->closing)
        return;
    state->closing = true;
    // A running update check ends first: it must not write into windows that are going.
    stopVersionCheck();
    // A commit still queued must not reach the players while they are saved and freed.
    stopNumericFields();
    releaseLkzDisplay();
    highlightBrush.reset();
    saveAll();
    destroyMainTooltips();
    EndDialog(mainDialog, 0);
}

void resetWindowState()
{
    resetVersionCheck();
    destroyMainTooltips();
    resetDialogWindows();
    resetFieldFocus();
    resetNumericFields();
    resetTabs();
    highlightBrush.reset();
    releaseLkzDisplay();
    highlightColour = defaultHighlightColour;
}

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return FALSE; // the focus is set
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam));
        return LOWORD(wParam) == IDC_EXIT_BUTTON;
    case WM_NOTIFY:
        return SetDlgMsgResult(dialog, message, onNotify(*reinterpret_cast<const NMHDR*>(lParam)));
    case WM_VSCROLL:
        onVScroll(LOWORD(wParam));
        return FALSE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        // Colour requests answer the brush itself, not through DWLP_MSGRESULT.
        return reinterpret_cast<INT_PTR>(
            onControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_PAINT:
        paintWithInputMarks(dialog);
        return FALSE;
    case WM_ACTIVATE:
        redrawPlayerCountFields();
        return FALSE;
    case WM_KILLFOCUS:
        hideRenameEdit();
        return FALSE;
    case WM_LBUTTONDOWN:
        onLeftButtonDown();
        return FALSE;
    case WM_LBUTTONDBLCLK:
        onLeftButtonDoubleClick({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return FALSE;
    case WM_RBUTTONDOWN:
        onRightButtonDown();
        return FALSE;
    case WM_RBUTTONUP:
        showOptionsMenu();
        return FALSE;
    case WM_NCLBUTTONDBLCLK:
        return onNonClientDoubleClick(wParam);
    case WM_SYSCOMMAND:
        return onSysCommand(wParam);
    case WM_TIMER:
        onTimer(wParam);
        return FALSE;
    case WM_ENDSESSION:
        onEndSession(wParam != 0);
        return FALSE;
    case WM_CLOSE:
        closeMainDialog();
        return TRUE;
    case WM_NCDESTROY:
        onNcDestroy(dialog);
        return FALSE;
    }
    return FALSE;
}
