// Set-up of the main dialog's controls: focus order, spins, fields, system menu, LKZ display.
#include "app/main_setup_win.h"

#include "base/dpi_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "fields/numeric_field_win.h"
#include "controls/tooltip_win.h"
#include "display/calculate.h"
#include "resource.h"
#include "team/tab_strip_win.h"
#include "team/ordering.h"
#include "team/tabs_win.h"
#include "team/team_win.h"

#include <commctrl.h>
#include <initializer_list>
#include <memory>

namespace {
// The large font of the LKZ display and its label.
AutoFont lkzFont;
} // namespace

namespace {

std::unique_ptr<Tooltip> controlTooltip;
// Shows the tab tips; its window belongs to the tab strip, which destroys it when it goes.
std::unique_ptr<Tooltip> tabStripTooltip;

struct ToolText {
    Surface surface;
    int control;
    const char* text; // UTF-8
};
const char* const teamsTip = "Anzahl der Mannschaften pro Staffel.\r\nKampflose Spiele hier abziehen.";
const char* const matchesTip = "Anzahl der tatsächlich durchgeführten Punktspiele.";
const char* const playersTip = "Anzahl der Spieler in der Mannschaft.";
// In the order they are added.
const ToolText toolTexts[] = {
    {Surface::MainDialog, IDC_TEAM_COUNT_SPIN, teamsTip},
    {Surface::MainDialog, IDC_MATCHES_SPIN, matchesTip},
    {Surface::MainDialog, IDC_TEAM_COUNT_FIELD, teamsTip},
    {Surface::MainDialog, IDC_MATCHES_FIELD, matchesTip},
    {Surface::PlayerPage, IDC_CLEAR1_BUTTON, "Spiele im 1. Paarkreuz löschen."},
    {Surface::PlayerPage, IDC_CLEAR2_BUTTON, "Spiele im 2. Paarkreuz löschen."},
    {Surface::PlayerPage, IDC_CLEAR3_BUTTON, "Spiele im 3. Paarkreuz löschen."},
    {Surface::MainDialog, IDC_ON_TOP_CHECK, "Programm immer im Vordergrund."},
    {Surface::MainDialog, IDC_SAVE_DATA_CHECK,
     "Namen der Spieler/Spielklasse/Anzahl Mannschaften/Anzahl Punktspiele/\nAnzahl durchgeführter Einzel beim "
     "Beenden speichern."},
    {Surface::MainDialog, IDC_AUTO_CALC_CHECK, "Berechnung der LKZ bei Dateneingabe."},
    {Surface::MainDialog, IDC_DECIMAL_CHECK, "Ausgabe der LKZ als Dezimalzahl."},
    {Surface::MainDialog, IDC_APPLY_COUNT_BUTTON, "Anzahl der Spieler in der Mannschaft verändern."},
    {Surface::MainDialog, IDC_MODE_BUTTON, "Umschalten zwischen Einzel- und Mannschaftsansicht."},
    {Surface::MainDialog, IDC_FORMULA_BUTTON,
     "Anzeige der LKZ-Formel mit eingegebenen Werten.\nDoppelklick schaltet zu Standardformel um."},
    {Surface::MainDialog, IDC_PLAYER_COUNT_FIELD, playersTip},
    {Surface::MainDialog, IDC_PLAYER_COUNT_SPIN, playersTip},
};

void setSpin(HWND parent, int spin, int buddy, int low, int high, int pos, bool oneStage)
{
    HWND control = GetDlgItem(parent, spin);
    if (!control)
        return;
    SendMessageW(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(parent, buddy)), 0);
    // Styles the spin only now has: aligned, it would move both windows (the template has placed
    // them), yet it draws the field's border round itself; with arrow keys, it would put the
    // system's subclassing on the field, which costs every message of the field a property
    // lookup. The field passes the arrow keys on itself.
    SetWindowLongPtrW(control, GWL_STYLE, GetWindowLongPtrW(control, GWL_STYLE) | UDS_ALIGNRIGHT | UDS_ARROWKEYS);
    SendMessageW(control, UDM_SETRANGE32, low, high);
    SendMessageW(control, UDM_SETPOS32, 0, pos);
    if (oneStage) {
        // Every step changes the value by exactly 1, however long the arrow is held.
        UDACCEL accel[8] = {};
        const auto count = SendMessageW(control, UDM_GETACCEL, 8, reinterpret_cast<LPARAM>(accel));
        if (count < 1)
            accel[0].nInc = 1;
        accel[0].nSec = 10;
        SendMessageW(control, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(accel));
    }
}

} // namespace

void setUpSpins()
{
    for (const InputControl& input : inputControls)
        if (input.spin)
            setSpin(surfaceWindow(input.surface), input.spin, input.field, inputRanges[input.kind].low, inputRanges[input.kind].high, inputRanges[input.kind].start,
                    input.oneStage);
    setSpin(mainDialog, IDC_PLAYER_COUNT_SPIN, IDC_PLAYER_COUNT_FIELD, minTeamSize, maxTeamSize, defaultTeamSize, true);
}

void subclassInputs()
{
    for (const InputControl& input : inputControls)
        if (input.spin)
            installNumericField(inputWindow(input.kind));
    installNumericField(GetDlgItem(mainDialog, IDC_PLAYER_COUNT_FIELD));
    installRenameField();
    installTabStrip();
}

void setUpSystemMenu()
{
    HMENU menu = GetSystemMenu(mainDialog, FALSE);
    if (menu) {
        // Maximise, Size and Restore go; left are Move, Minimise, separator, Close.
        for (int position : {4, 2, 0})
            RemoveMenu(menu, position, MF_BYPOSITION);
        // Before the separator above Close; Wine adds items of its own below Close.
        int position = GetMenuItemCount(menu) - 2;
        for (int i = 1; i < GetMenuItemCount(menu); ++i)
            if (GetMenuItemID(menu, i) == SC_CLOSE)
                position = i - 1;
        InsertMenuW(menu, position, MF_BYPOSITION | MF_STRING, IDM_SYS_INFO, L"Info...");
    }
    HANDLE icon = LoadImageW(appInstance, MAKEINTRESOURCEW(IDI_KADERMEISTER), IMAGE_ICON,
                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (icon)
        SendMessageW(mainDialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void setUpLkzDisplay()
{
    lkzFont.reset(CreateFontW(-scaled(27), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_STROKE_PRECIS,
                              CLIP_STROKE_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial"));
    if (lkzFont) {
        const auto font = reinterpret_cast<WPARAM>(lkzFont.get());
        SendDlgItemMessageW(mainDialog, IDC_LKZ_DISPLAY, WM_SETFONT, font, TRUE);
        SendDlgItemMessageW(mainDialog, IDC_LKZ_LABEL, WM_SETFONT, font, TRUE);
    }
    SetDlgItemTextW(mainDialog, IDC_LKZ_LABEL, L"LKZ:");
    showLkzText("0");
}

void fillLeagueBox()
{
    HWND box = GetDlgItem(mainDialog, IDC_LEAGUE_BOX);
    for (int i = 0; i < leagueCount; ++i) {
        const LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(LeagueTable[i].name).c_str()));
        SendMessageW(box, CB_SETITEMDATA, index, LeagueTable[i].base);
    }
}

void createTooltips()
{
    tabStripTooltip = std::make_unique<Tooltip>(mainDialog);
    tabStripTooltip->setMaxTipWidth(550);
    tabStripTooltip->setReshowDelay(750);
    SendMessageW(tabControl, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tabStripTooltip->handOver()), 0);
    syncTabTips();

    controlTooltip = std::make_unique<Tooltip>(mainDialog);
    controlTooltip->setMaxTipWidth(550);
    for (const ToolText& tool : toolTexts)
        controlTooltip->addTool(GetDlgItem(surfaceWindow(tool.surface), tool.control), widen(tool.text));
}

void destroyMainTooltips()
{
    // With the last instance goes the message hook that relays the mouse to them.
    controlTooltip.reset();
    tabStripTooltip.reset();
}

HWND controlTooltipWindow() { return controlTooltip ? controlTooltip->window() : nullptr; }


void showLoadedTeam()
{
    // A saved LKZ order is restored before the tabs are made, so they are made once and in it;
    // started as a single player, the team's order waits in its array for team mode.
    if (teamState.sortByLkz)
        sortByLkzValue(teamState);
    writePlayerCountField(teamState.playerCount);
    relabelTabs(); // a single player keeps the first tab; a team gets its own
    if (teamState.singleMode) {
        showPlayer(singleState, 0);
        showPlayerCountControls(false);
    } else {
        TabCtrl_SetCurSel(tabControl, currentPlayerIndex());
        showPlayer(teamState, currentPlayerIndex());
    }
}

void releaseLkzDisplay()
{
    if (!lkzFont)
        return;
    // The controls must not keep a font that is gone.
    if (mainDialog && IsWindow(mainDialog)) {
        SendDlgItemMessageW(mainDialog, IDC_LKZ_DISPLAY, WM_SETFONT, 0, FALSE);
        SendDlgItemMessageW(mainDialog, IDC_LKZ_LABEL, WM_SETFONT, 0, FALSE);
    }
    lkzFont.reset();
}
