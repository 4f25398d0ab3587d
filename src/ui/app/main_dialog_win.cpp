// The main dialog: its record, its initialisation and the dispatch of its messages.
#include "app/main_dialog_win.h"

#include "app/main_window_parts_win.h"
#include "base/dialog_state_win.h"
#include "base/system_win.h"
#include "base/version.h"
#include "base/window_rect_win.h"
#include "base/dialogs_win.h"
#include "controls/highlight_win.h"
#include "controls/input_fields_win.h"
#include "controls/notifications_win.h"
#include "display/calculate.h"
#include "fields/player_page_win.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "team/tabs_win.h"
#include "update/about_win.h"
#include "update/version_check_win.h"

#include <commctrl.h>
#include <cstring>
#include <windowsx.h>

namespace {

void placePage(const MainWindow& window)
{
    RECT rect = childRect(window.dialog, window.tabs);
    TabCtrl_AdjustRect(window.tabs, FALSE, &rect);
    SetWindowPos(window.page, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The team as the INI file left it; a faulty player is reported once the file is free again.
void loadTeam(MainWindow& window)
{
    std::vector<std::string> faults;
    window.model = loadTeamModel(window.iniPath, faults);
    for (const std::string& fault : faults)
        showErrorMessage(window.view, fault, "Fehler");
}

// What the number fields, the page, the tab strip and the rename field report.
bool onNotification(MainWindow& window, int id, int code, HWND from)
{
    switch (code) {
    case FN_FOCUS_GAINED:
        onFieldFocusGained(window, from);
        return true;
    case FN_FOCUS_LOST:
        onFieldFocusLost(window, from);
        return true;
    case FN_FRAME_PAINTED:
        onFieldFramePainted(window);
        return true;
    case PN_SPIN_ENDED:
        onSpinEnded(window);
        return true;
    case PN_ROW_CLEARED:
        onRowCleared(window, id);
        return true;
    case PN_CLICKED:
        hideRenameEdit(window);
        return true;
    case PN_RIGHT_PRESSED:
    case TN_RIGHT_PRESSED:
        SendMessageW(window.dialog, WM_CANCELMODE, 0, 0);
        SendMessageW(window.page, WM_CANCELMODE, 0, 0);
        if (code == TN_RIGHT_PRESSED)
            SendMessageW(window.tabs, WM_CANCELMODE, 0, 0);
        hideRenameEdit(window);
        return true;
    case PN_MENU_WANTED:
        hideRenameEdit(window);
        showTabMenu(window);
        return true;
    case PN_PAINTED:
        paintInputMarks(window);
        return true;
    case TN_PRESSED:
        window.lastFocused = window.tabs;
        SetFocus(window.tabs);
        return true;
    case TN_DOUBLE_CLICKED:
        startRename(window);
        return true;
    case TN_ARROWS_PRESSED:
        hideRenameEdit(window);
        return true;
    case TN_SCROLLED:
        redrawPage(window);
        return true;
    case RN_ACCEPTED:
        hideRenameEdit(window);
        return true;
    case RN_CANCELLED:
        cancelRename(window);
        return true;
    case RN_FOCUSED_HIDDEN:
        restoreFocus(window);
        return true;
    }
    return false;
}

// ---- Message handlers ----

void onInitDialog(HWND dialog, const MainDialogStart* start)
{
    MainWindow& window = createDialogState<MainWindow>(dialog, dialog);
    if (start) {
        window.iniPath = start->iniPath;
        window.updateFolder = start->updateFolder;
    }
    if (window.updateFolder.empty())
        window.updateFolder = programFolder();
    createStatusBar(window.downloadStatus, dialog);
    rememberFullSize(window.rollUp, dialog);
    SetWindowTextW(dialog, windowTitle);

    window.tabs = GetDlgItem(dialog, IDC_PLAYER_TABS);
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    wchar_t firstTab[] = L"Einzelspieler";
    item.pszText = firstTab;
    SendMessageW(window.tabs, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));

    window.page = CreateDialogParamW(appInstance(), MAKEINTRESOURCEW(IDD_PLAYER_PAGE), dialog, pageDialogProc, 0);
    if (SendMessageW(window.tabs, CCM_GETVERSION, 0, 0) >= 6)
        giveThemedBackground(window.page);
    placePage(window);

    window.lastFocused = inputWindow(window, League);
    SetFocus(window.lastFocused);
    HANDLE icon = LoadImageW(appInstance(), MAKEINTRESOURCEW(IDI_KADERMEISTER), IMAGE_ICON, 32, 32, LR_SHARED);
    if (icon)
        SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));

    setUpSpins(window);
    subclassInputs(window);
    setUpSystemMenu(window);
    fillLeagueBox(window);
    loadTeam(window);
    showLoadedTeam(window);
    hookTabScroller(window);
    setUpLkzDisplay(window);
    catchUndoKeys(window);
    recalculate(window);
    // The focus ends on the league box.
    SetFocus(inputWindow(window, League));
    // No tip shows before the pointer has rested on the window, so the tooltips wait until it
    // has been drawn (a timer comes after the paint).
    SetTimer(dialog, IDT_TOOLTIPS, 0, nullptr);
}

// A tab dragged onto another while the tabs show the line-up: its player takes that place.
bool canDragTab(const MainWindow& window, int from)
{
    const TeamState& team = window.model.team;
    return !window.model.singleMode && !team.sortByLkz && from == currentIndex(team);
}

void onTabDropped(MainWindow& window, const TabDropNotification& dropped)
{
    const TeamState& team = window.model.team;
    if (!canDragTab(window, dropped.from) || dropped.to >= static_cast<int>(team.players.size()))
        return;
    moveCurrentPlayer(window, team.players[dropped.to].lineup);
}

void onCommand(MainWindow& window, int id, int code, HWND from)
{
    if (onNotification(window, id, code, from))
        return;
    if (id == IDC_LEAGUE_BOX) {
        if (code == CBN_SELCHANGE)
            onLeagueChange(window);
        return;
    }
    runCommand(window, id);
}

// "Info..." in the system menu; every other system command takes its default course.
bool onSysCommand(MainWindow& window, WPARAM command)
{
    if (command != IDM_SYS_INFO)
        return false;
    showAboutBox(window.dialog, window.iniPath);
    return true;
}

bool isTabTooltip(const MainWindow& window, const NMHDR& header)
{
    return header.hwndFrom && header.hwndFrom == TabCtrl_GetToolTips(window.tabs);
}

LRESULT onNotify(MainWindow& window, NMHDR& header)
{
    switch (header.code) {
    case TCN_SELCHANGING:
        if (header.hwndFrom == window.tabs)
            selectPlayerLeaving(window, TabCtrl_GetCurSel(window.tabs));
        break;
    case TCN_SELCHANGE:
        if (header.hwndFrom == window.tabs) {
            selectPlayerArriving(window, TabCtrl_GetCurSel(window.tabs));
            redrawPage(window);
        }
        break;
    case UDN_DELTAPOS:
        return onSpinStep(window, reinterpret_cast<const NMUPDOWN&>(header)) ? 1 : 0;
    case FN_KEY_RELEASED:
        onFieldKeyReleased(window, header.hwndFrom, reinterpret_cast<const FieldKeyNotification&>(header).key);
        break;
    case RN_FOCUS_LOST:
        finishRename(window, reinterpret_cast<const RenameFocusNotification&>(header).gettingFocus);
        break;
    case TN_DRAG_STARTING:
        // Players are dragged in the line-up only.
        return canDragTab(window, reinterpret_cast<const TabDropNotification&>(header).from) ? 0 : 1;
    case TN_TAB_DROPPED:
        onTabDropped(window, reinterpret_cast<const TabDropNotification&>(header));
        break;
    // The tab tips; the tab strip passes its tooltip's requests on to us.
    case TTN_GETDISPINFOA:
        if (isTabTooltip(window, header))
            answerTabTip(window.tabTip, window.model.active(), reinterpret_cast<NMTTDISPINFOA&>(header));
        break;
    case TTN_GETDISPINFOW:
        if (isTabTooltip(window, header))
            answerTabTip(window.tabTip, window.model.active(), reinterpret_cast<NMTTDISPINFOW&>(header));
        break;
    }
    return 0;
}

// The end of a spin's scroll stores and recomputes; the player-count spin only changes its field.
void onVScroll(MainWindow& window, int code)
{
    if (code == SB_ENDSCROLL && GetFocus() != GetDlgItem(window.dialog, IDC_PLAYER_COUNT_FIELD))
        onSpinEnded(window);
}

// The focused field, on the page too, on the highlight colour.
HBRUSH onControlColour(MainWindow& window, UINT message, HDC dc, HWND control)
{
    HWND focus = GetFocus();
    if (message == WM_CTLCOLOREDIT) {
        if (focus == GetDlgItem(window.dialog, IDC_RENAME_FIELD) || control != focus)
            return nullptr;
        return renewHighlightBrush(window.highlightBrush, window.model.highlightColour, dc);
    }
    HBRUSH brush = renewHighlightBrush(window.highlightBrush, window.model.highlightColour, dc);
    return control == focus || GetDlgCtrlID(control) == IDC_LEAGUE_DROP_LIST ? brush : nullptr;
}

// Dragging the background moves the window as its caption would.
void onLeftButtonDown(MainWindow& window)
{
    ReleaseCapture();
    SendMessageW(window.dialog, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    hideRenameEdit(window);
}

// A double click inside the LKZ frame switches between the whole and the decimal form.
void onLeftButtonDoubleClick(MainWindow& window, POINT point)
{
    ClientToScreen(window.dialog, &point);
    RECT frame;
    GetWindowRect(GetDlgItem(window.dialog, IDC_LKZ_FRAME), &frame);
    if (PtInRect(&frame, point))
        toggleDecimalOutput(window.model, window.view);
}

void onRightButtonDown(MainWindow& window)
{
    SendMessageW(window.dialog, WM_CANCELMODE, 0, 0);
    SendMessageW(window.page, WM_CANCELMODE, 0, 0);
    hideRenameEdit(window);
}

// The tab strip passes on its context menu; any other is the system's.
bool onContextMenu(MainWindow& window, HWND from, LPARAM position)
{
    if (from != window.tabs)
        return false;
    showTabContextMenu(window, {GET_X_LPARAM(position), GET_Y_LPARAM(position)});
    return true;
}

// A double click on the caption rolls the window up; elsewhere the system handles it.
bool onNonClientDoubleClick(MainWindow& window, WPARAM hitTest)
{
    if (hitTest != HTCAPTION)
        return false;
    toggleRollUp(window.rollUp, window.dialog);
    return true;
}

void onPaint(MainWindow& window)
{
    {
        ScopedPaint paint(window.dialog);
    }
    paintInputMarks(window);
}

void onTimer(MainWindow& window, WPARAM id)
{
    if (id == IDT_COMMIT) {
        onCommitTimer(window);
    } else if (id == IDT_TOOLTIPS) {
        KillTimer(window.dialog, IDT_TOOLTIPS);
        createTooltips(window);
    }
}

float floatOf(LPARAM bits)
{
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The record goes with the window; a colour request after the exit sequence may have made one
// more brush, which goes with it.
void onNcDestroy(MainWindow& window)
{
    releaseUndoKeys(window);
    destroyDialogState<MainWindow>(window.dialog);
}

} // namespace

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(dialog, reinterpret_cast<const MainDialogStart*>(lParam));
        return FALSE; // the focus is set
    }
    MainWindow* record = dialogState<MainWindow>(dialog);
    if (!record)
        return FALSE;
    MainWindow& window = *record;
    switch (message) {
    case WM_COMMAND:
        onCommand(window, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return LOWORD(wParam) == IDC_EXIT_BUTTON;
    case WM_NOTIFY:
        return SetDlgMsgResult(dialog, message, onNotify(window, *reinterpret_cast<NMHDR*>(lParam)));
    case WM_VSCROLL:
        onVScroll(window, LOWORD(wParam));
        return FALSE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        // Colour requests answer the brush itself, not through DWLP_MSGRESULT.
        return reinterpret_cast<INT_PTR>(
            onControlColour(window, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_PAINT:
        onPaint(window);
        return FALSE;
    case WM_ACTIVATE:
        redrawPlayerCountFields(window.dialog);
        return FALSE;
    case WM_KILLFOCUS:
        hideRenameEdit(window);
        return FALSE;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(window);
        return FALSE;
    case WM_LBUTTONDBLCLK:
        onLeftButtonDoubleClick(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return FALSE;
    case WM_RBUTTONDOWN:
        onRightButtonDown(window);
        return FALSE;
    case WM_RBUTTONUP:
        showOptionsMenu(window);
        return FALSE;
    case WM_CONTEXTMENU:
        return onContextMenu(window, reinterpret_cast<HWND>(wParam), lParam);
    case WM_NCLBUTTONDBLCLK:
        return onNonClientDoubleClick(window, wParam);
    case WM_SYSCOMMAND:
        return onSysCommand(window, wParam);
    case WM_TIMER:
        onTimer(window, wParam);
        return FALSE;
    case WM_DOWNLOAD_STARTED:
        growWindow(window.rollUp, dialog,
                   onDownloadStarted(window.downloadStatus, dialog, static_cast<uint64_t>(wParam)));
        return TRUE;
    case WM_DOWNLOAD_PROGRESS:
        onDownloadProgress(window.downloadStatus, dialog, static_cast<uint64_t>(wParam), floatOf(lParam));
        return TRUE;
    case WM_DOWNLOAD_ENDED:
        growWindow(window.rollUp, dialog, onDownloadEnded(window.downloadStatus));
        return TRUE;
    case WM_UPDATE_TASK:
        answerVersionCheck(dialog, window.update);
        return TRUE;
    case WM_ENDSESSION:
        // A shutdown or log-off saves like "Beenden" does.
        if (wParam)
            closeMainDialog(window);
        return FALSE;
    case WM_CLOSE:
        closeMainDialog(window);
        return TRUE;
    case WM_NCDESTROY:
        onNcDestroy(window);
        return FALSE;
    }
    return FALSE;
}
