// Set-up of the main dialog's controls: spins, fields, system menu, LKZ display, tooltips.
#include "app/main_window_parts_win.h"

#include "base/dpi_win.h"
#include "base/text_win.h"
#include "base/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "display/calculate.h"
#include "fields/numeric_field_win.h"
#include "resource.h"
#include "team/tab_strip_win.h"
#include "team/tabs_win.h"

#include <initializer_list>
#include <memory>

namespace {

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

void setUpSpins(MainWindow& window)
{
    for (const InputControl& input : inputControls)
        if (input.spin)
            setSpin(surfaceWindow(window.inputs(), input.surface), input.spin, input.field, inputRanges[input.kind].low,
                    inputRanges[input.kind].high, inputRanges[input.kind].start, input.oneStage);
    setSpin(window.dialog, IDC_PLAYER_COUNT_SPIN, IDC_PLAYER_COUNT_FIELD, minTeamSize, maxTeamSize, defaultTeamSize,
            true);
}

void subclassInputs(MainWindow& window)
{
    for (const InputControl& input : inputControls)
        if (input.spin)
            installNumericField(inputWindow(window, input.kind));
    installNumericField(GetDlgItem(window.dialog, IDC_PLAYER_COUNT_FIELD));
    installRenameField(GetDlgItem(window.dialog, IDC_RENAME_FIELD));
    installTabStrip(window.tabs);
}

void setUpSystemMenu(MainWindow& window)
{
    HMENU menu = GetSystemMenu(window.dialog, FALSE);
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
    HANDLE icon = LoadImageW(appInstance(), MAKEINTRESOURCEW(IDI_KADERMEISTER), IMAGE_ICON,
                             GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED);
    if (icon)
        SendMessageW(window.dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void setUpLkzDisplay(MainWindow& window)
{
    window.lkzFont.reset(CreateFontW(-scaled(27), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                     OUT_STROKE_PRECIS, CLIP_STROKE_PRECIS, CLEARTYPE_QUALITY,
                                     VARIABLE_PITCH | FF_SWISS, L"Arial"));
    if (window.lkzFont) {
        const auto font = reinterpret_cast<WPARAM>(window.lkzFont.get());
        SendDlgItemMessageW(window.dialog, IDC_LKZ_DISPLAY, WM_SETFONT, font, TRUE);
        SendDlgItemMessageW(window.dialog, IDC_LKZ_LABEL, WM_SETFONT, font, TRUE);
    }
    SetDlgItemTextW(window.dialog, IDC_LKZ_LABEL, L"LKZ:");
    showLkzText(window.model, window.view, "0");
}

void fillLeagueBox(MainWindow& window)
{
    HWND box = GetDlgItem(window.dialog, IDC_LEAGUE_BOX);
    for (int i = 0; i < leagueCount; ++i) {
        const LRESULT index =
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(LeagueTable[i].name).c_str()));
        SendMessageW(box, CB_SETITEMDATA, index, LeagueTable[i].base);
    }
}

void createTooltips(MainWindow& window)
{
    window.tabStripTooltip = std::make_unique<Tooltip>(window.dialog);
    window.tabStripTooltip->setMaxTipWidth(550);
    window.tabStripTooltip->setReshowDelay(750);
    SendMessageW(window.tabs, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(window.tabStripTooltip->handOver()), 0);
    syncTabTips(window.tabs);

    window.controlTooltip = std::make_unique<Tooltip>(window.dialog);
    window.controlTooltip->setMaxTipWidth(550);
    for (const ToolText& tool : toolTexts)
        window.controlTooltip->addTool(GetDlgItem(surfaceWindow(window.inputs(), tool.surface), tool.control), widen(tool.text));
}

void destroyTooltips(MainWindow& window)
{
    // With the last instance goes the message hook that relays the mouse to them.
    window.controlTooltip.reset();
    window.tabStripTooltip.reset();
}

void releaseLkzDisplay(MainWindow& window)
{
    if (!window.lkzFont)
        return;
    // The controls must not keep a font that is gone.
    if (IsWindow(window.dialog)) {
        SendDlgItemMessageW(window.dialog, IDC_LKZ_DISPLAY, WM_SETFONT, 0, FALSE);
        SendDlgItemMessageW(window.dialog, IDC_LKZ_LABEL, WM_SETFONT, 0, FALSE);
    }
    window.lkzFont.reset();
}
