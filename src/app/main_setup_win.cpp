// Set-up of the main dialog's controls and the red frames around implausible inputs.
#include "app/main_dialog.h"
#include "app/text_win.h"
#include "controls/numeric_field_win.h"
#include "rating/rating_win.h"
#include "resource.h"
#include "team/team.h"

#include <commctrl.h>
#include <initializer_list>

namespace {

struct Input {
    InputKind kind;
    int field;
    int spin; // 0 for the league box
};
// The nine inputs in the order their frames are painted and cleared.
const Input inputs[] = {
    {League, IDC_LEAGUE_BOX, 0},
    {TeamCount, IDC_TEAM_COUNT_FIELD, IDC_TEAM_COUNT_SPIN},
    {Matches, IDC_MATCHES_FIELD, IDC_MATCHES_SPIN},
    {Won1, IDC_WON1_FIELD, IDC_WON1_SPIN},
    {Lost1, IDC_LOST1_FIELD, IDC_LOST1_SPIN},
    {Won2, IDC_WON2_FIELD, IDC_WON2_SPIN},
    {Lost2, IDC_LOST2_FIELD, IDC_LOST2_SPIN},
    {Won3, IDC_WON3_FIELD, IDC_WON3_SPIN},
    {Lost3, IDC_LOST3_FIELD, IDC_LOST3_SPIN},
};

const COLORREF markColour = RGB(255, 0, 0);

bool onPage(int field) { return field >= IDC_WON1_FIELD && field <= IDC_LOST3_FIELD; }

RECT childRect(HWND parent, HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

struct OsVersion {
    DWORD major, minor;
};
OsVersion osVersion()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return {info.dwMajorVersion, info.dwMinorVersion};
}

void drawFrame(int kind, COLORREF colour)
{
    HWND surface = nullptr;
    RECT rect = inputFrameRect(kind, &surface);
    if (!surface || IsRectEmpty(&rect))
        return;
    HDC dc = GetDC(surface);
    if (!dc)
        return;
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &rect, brush);
    InflateRect(&rect, -1, -1);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
    ReleaseDC(surface, dc);
}

COLORREF backgroundColour(HWND surface)
{
    COLORREF colour = CLR_INVALID;
    if (HDC dc = GetDC(surface)) {
        colour = GetPixel(dc, 1, 1);
        ReleaseDC(surface, dc);
    }
    return colour == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : colour;
}

void setSpin(HWND parent, int spin, int buddy, int low, int high, int pos, bool oneStage)
{
    HWND control = GetDlgItem(parent, spin);
    if (!control)
        return;
    SendMessageW(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(parent, buddy)), 0);
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

int isSystemVersion40()
{
    const OsVersion v = osVersion();
    return v.major == 4 && v.minor == 0;
}

int isSystemVersion51()
{
    const OsVersion v = osVersion();
    return v.major == 5 && v.minor == 1;
}

void setFocusOrder()
{
    const struct {
        HWND parent;
        int id;
    } order[] = {
        {mainDialog, IDC_MATCHES_FIELD},   {mainDialog, IDC_TEAM_COUNT_FIELD}, {mainDialog, IDC_LEAGUE_BOX},
        {pageDialog, IDC_LOST3_FIELD},     {pageDialog, IDC_WON3_FIELD},       {pageDialog, IDC_LOST2_FIELD},
        {pageDialog, IDC_WON2_FIELD},      {pageDialog, IDC_LOST1_FIELD},      {pageDialog, IDC_WON1_FIELD},
        {mainDialog, IDC_EXIT_BUTTON},     {mainDialog, IDC_FORMULA_BUTTON},   {mainDialog, IDC_CALCULATE_BUTTON},
        {mainDialog, IDC_APPLY_COUNT_BUTTON}, {mainDialog, IDC_PLAYER_COUNT_FIELD}, {mainDialog, IDC_MODE_BUTTON},
        {mainDialog, IDC_DECIMAL_CHECK},   {mainDialog, IDC_ON_TOP_CHECK},     {mainDialog, IDC_SAVE_DATA_CHECK},
        {mainDialog, IDC_AUTO_CALC_CHECK},
    };
    for (const auto& entry : order)
        SetWindowPos(GetDlgItem(entry.parent, entry.id), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void setUpSpins()
{
    setSpin(mainDialog, IDC_TEAM_COUNT_SPIN, IDC_TEAM_COUNT_FIELD, 1, 14, 12, false);
    setSpin(mainDialog, IDC_MATCHES_SPIN, IDC_MATCHES_FIELD, 1, 13, 1, false);
    setSpin(pageDialog, IDC_WON1_SPIN, IDC_WON1_FIELD, 0, 26, 0, true);
    setSpin(pageDialog, IDC_LOST1_SPIN, IDC_LOST1_FIELD, 0, 26, 0, true);
    setSpin(pageDialog, IDC_WON2_SPIN, IDC_WON2_FIELD, 0, 26, 0, true);
    setSpin(pageDialog, IDC_LOST2_SPIN, IDC_LOST2_FIELD, 0, 26, 0, true);
    setSpin(pageDialog, IDC_WON3_SPIN, IDC_WON3_FIELD, 0, 26, 0, true);
    setSpin(pageDialog, IDC_LOST3_SPIN, IDC_LOST3_FIELD, 0, 26, 0, true);
    setSpin(mainDialog, IDC_PLAYER_COUNT_SPIN, IDC_PLAYER_COUNT_FIELD, 4, 20, 6, true);
}

void subclassInputs()
{
    for (int id : {IDC_TEAM_COUNT_FIELD, IDC_MATCHES_FIELD})
        installNumericField(GetDlgItem(mainDialog, id));
    for (int id : {IDC_WON1_FIELD, IDC_LOST1_FIELD, IDC_WON2_FIELD, IDC_LOST2_FIELD, IDC_WON3_FIELD, IDC_LOST3_FIELD})
        installNumericField(GetDlgItem(pageDialog, id));
    installNumericField(GetDlgItem(mainDialog, IDC_PLAYER_COUNT_FIELD));
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
    lkzFont = CreateFontW(-27, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_STROKE_PRECIS,
                          CLIP_STROKE_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
    if (lkzFont) {
        SendDlgItemMessageW(mainDialog, IDC_LKZ_DISPLAY, WM_SETFONT, reinterpret_cast<WPARAM>(lkzFont), TRUE);
        SendDlgItemMessageW(mainDialog, IDC_LKZ_LABEL, WM_SETFONT, reinterpret_cast<WPARAM>(lkzFont), TRUE);
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

RECT inputFrameRect(int kind, HWND* surface)
{
    RECT rect = {};
    *surface = nullptr;
    if (kind < 0 || kind >= InputKindCount)
        return rect;
    const Input& input = inputs[kind];
    HWND parent = onPage(input.field) ? pageDialog : mainDialog;
    HWND field = GetDlgItem(parent, input.field);
    if (!field || !IsWindowVisible(field))
        return rect;
    rect = childRect(parent, field);
    if (input.spin) {
        // A field and its spin are one input: the frame goes round both, 2 px wide, 1 px away.
        const RECT spin = childRect(parent, GetDlgItem(parent, input.spin));
        UnionRect(&rect, &rect, &spin);
        InflateRect(&rect, 3, 3);
    } else {
        InflateRect(&rect, 2, 2);
    }
    *surface = parent;
    return rect;
}

void paintInputMarks()
{
    if (!mainDialog || !pageDialog)
        return;
    const PlayerRecord* player = currentPlayer();
    if (!player)
        return;
    // A frame without a mark takes the colour of the background it stands on, so it vanishes.
    const COLORREF mainNeutral = backgroundColour(mainDialog);
    const COLORREF pageNeutral = backgroundColour(pageDialog);
    for (const Input& input : inputs) {
        if (player->invalid[input.kind])
            drawFrame(input.kind, markColour);
        else if (teamState.singleMode)
            drawFrame(input.kind, onPage(input.field) ? pageNeutral : mainNeutral);
    }
}

void paintWithInputMarks(HWND window)
{
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    paintInputMarks();
    EndPaint(window, &paint);
}

void clearInputMarks()
{
    for (const Input& input : inputs) {
        HWND surface = nullptr;
        const RECT frame = inputFrameRect(input.kind, &surface);
        if (!surface)
            continue;
        // Four strips, two pixels wide, that the background covers again.
        const RECT strips[] = {
            {frame.left, frame.top, frame.right, frame.top + 2},
            {frame.left, frame.bottom - 2, frame.right, frame.bottom},
            {frame.left, frame.top, frame.left + 2, frame.bottom},
            {frame.right - 2, frame.top, frame.right, frame.bottom},
        };
        for (const RECT& strip : strips)
            RedrawWindow(surface, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    }
}
