#include "display/formula_win.h"

#include "base/dialog_state_win.h"
#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"
#include "base/dialogs_win.h"
#include "rating/checks.h"
#include "rating/formula.h"
#include "resource.h"

#include <windowsx.h>

#include <cstdio>

namespace {

// With the window (DWLP_USER).
struct FormulaWindowState {
    FormulaSnapshot shown;
    bool showStandardFormula = true;
    int templateWidth = 0;
    int valuesWidth = 0;
    AutoBitmap largePicture; // the picture drawn for 150 %, while the window shows it
};

std::wstring number(const char* pattern, int value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, pattern, value);
    return widen(buffer);
}

SIZE extent(HDC dc, const std::wstring& text)
{
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// Single line, top at y.
void drawAt(HDC dc, const std::wstring& text, int x, int y)
{
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

// Single line, vertically centred in the band top..bottom, not clipped.
void drawCentred(HDC dc, const std::wstring& text, int x, int top, int bottom)
{
    RECT band = {x, top, x + 1, bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &band, DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
}

AutoFont formulaFont(HDC dc, bool underline)
{
    const int height = MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72);
    return AutoFont(CreateFontW(-height, 0, 0, 0, 500, TRUE, underline, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial"));
}

// Denominator x under a numerator of width wn drawn at x: centred, each half truncated.
int under(int x, int wn, int wd) { return x + wn / 2 - wd / 2 - 1; }

void setWidth(HWND window, int width)
{
    RECT rect;
    GetWindowRect(window, &rect);
    SetWindowPos(window, nullptr, 0, 0, width, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void showPicture(HWND window, bool show) { ShowWindow(GetDlgItem(window, IDC_FORMULA_PICTURE), show ? SW_SHOW : SW_HIDE); }

// From 150 % on, the picture drawn for it; the template's would look small in a larger window.
void useLargePicture(HWND window, FormulaWindowState& formulaWindow)
{
    if (displayDpi() < 132)
        return;
    formulaWindow.largePicture.reset(static_cast<HBITMAP>(
        LoadImageW(appInstance(), MAKEINTRESOURCEW(IDB_FORMULA_LARGE), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!formulaWindow.largePicture)
        return;
    const auto previous = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(
        window, IDC_FORMULA_PICTURE, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(formulaWindow.largePicture.get())));
    // The control made that one from the template and hands it over.
    if (previous)
        DeleteObject(previous);
}

int drawValuesFormula(HWND window);
void centreOnScreen(HWND window);
void centreHorizontally(HWND window);

void onInitDialog(HWND window, const FormulaSnapshot& snapshot)
{
    RECT rect;
    GetWindowRect(window, &rect);
    FormulaWindowState& formulaWindow = createDialogState<FormulaWindowState>(window);
    formulaWindow.shown = snapshot;
    useLargePicture(window, formulaWindow);
    formulaWindow.templateWidth = rect.right - rect.left;
    if (!snapshot.lkz)
        return;
    formulaWindow.showStandardFormula = false;
    showPicture(window, false);
    formulaWindow.valuesWidth = drawValuesFormula(window) + scaled(20);
    setWidth(window, formulaWindow.valuesWidth);
    centreOnScreen(window);
}

void onPaint(HWND window)
{
    {
        ScopedPaint paint(window);
    }
    drawValuesFormula(window);
}

void onDoubleClick(HWND window, FormulaWindowState& formulaWindow)
{
    if (!formulaWindow.shown.lkz)
        return;
    formulaWindow.showStandardFormula = !formulaWindow.showStandardFormula;
    showPicture(window, formulaWindow.showStandardFormula);
    setWidth(window, formulaWindow.showStandardFormula ? formulaWindow.templateWidth : formulaWindow.valuesWidth);
    InvalidateRect(window, nullptr, TRUE);
    centreHorizontally(window);
}

// A press anywhere drags the window, as its caption would.
void onLeftButtonDown(HWND window)
{
    ReleaseCapture();
    SendMessageW(window, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void centre(HWND window, bool vertically)
{
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    RECT& r = placement.rcNormalPosition;
    const int hw = (r.right - r.left) / 2, hh = (r.bottom - r.top) / 2;
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    r.left = sw / 2 - hw;
    r.right = sw / 2 + hw;
    if (vertically) {
        r.top = sh / 2 - hh;
        r.bottom = sh / 2 + hh;
    }
    SetWindowPlacement(window, &placement);
}

// Paints the client area white and, unless the picture is shown, the formula with values; the
// right end of what it drew, in client pixels, or 0.
int drawValuesFormula(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    ScopedGetDC dc(window);
    if (!dc)
        return 0;
    // The picture paints itself; the white goes round it.
    HWND picture = GetDlgItem(window, IDC_FORMULA_PICTURE);
    if (picture && IsWindowVisible(picture)) {
        const RECT area = childRect(window, picture);
        ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
    }
    AutoBrush white(CreateSolidBrush(RGB(255, 255, 255)));
    FillRect(dc, &client, white.get());
    SelectClipRgn(dc, nullptr);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, RGB(255, 255, 255));
    const FormulaWindowState* state = dialogState<FormulaWindowState>(window);
    if (!state || !state->shown.lkz || state->showStandardFormula)
        return 0;
    const LkzInputs& in = state->shown.inputs;

    AutoFont plain = formulaFont(dc, false);
    AutoFont underlined = formulaFont(dc, true);
    ScopedSelectObject selected(dc, plain.get());
    const int bottom = client.bottom;
    const std::wstring star = L" * ";

    const std::wstring left = widen(formulaLeftPart(in));
    drawCentred(dc, left, scaled(15), 0, bottom);
    int x = scaled(15) + extent(dc, left).cx;
    drawAt(dc, star, x, scaled(32));
    x += extent(dc, star).cx;
    const int h = extent(dc, star).cy;

    // matches * 2 over the singles
    SelectObject(dc, underlined.get());
    const std::wstring matches = widen(formulaMatchesText(in));
    drawAt(dc, matches, x, scaled(20));
    const int wn = extent(dc, matches).cx;
    const int r1 = x + wn;
    SelectObject(dc, plain.get());
    const std::wstring singles = number("%d", in.singles());
    drawAt(dc, singles, under(x, wn, extent(dc, singles).cx), scaled(20) + h);

    drawCentred(dc, star, r1 + 1, scaled(10), bottom);
    x = r1 + 1 + extent(dc, star).cx;

    // 11 over the other teams
    SelectObject(dc, underlined.get());
    const std::wstring eleven = number("%d", lkzWeights.teams);
    drawAt(dc, eleven, x, scaled(20));
    const int w11 = extent(dc, eleven).cx;
    const int r2 = x + w11;
    SelectObject(dc, plain.get());
    const std::wstring others = number("%d", in[TeamCount] - 1);
    drawAt(dc, others, under(x, w11, extent(dc, others).cx), scaled(20) + h);

    x = r2;
    const std::wstring bonus = number(" + %d", leagueBase(in[League]));
    drawCentred(dc, bonus, x, 0, bottom);
    x += extent(dc, bonus).cx + 1;

    const std::wstring result = widen(formulaResultText(*state->shown.lkz, state->shown.decimal));
    drawCentred(dc, result, x, 0, bottom);
    return x + extent(dc, result).cx;
}

void centreOnScreen(HWND window) { centre(window, true); }

void centreHorizontally(HWND window) { centre(window, false); }

INT_PTR CALLBACK formulaDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(window, *reinterpret_cast<const FormulaSnapshot*>(lParam));
        return TRUE;
    }
    FormulaWindowState* state = dialogState<FormulaWindowState>(window);
    if (!state)
        return FALSE;
    switch (message) {
    case WM_PAINT:
        onPaint(window);
        return TRUE;
    case WM_LBUTTONDBLCLK:
        onDoubleClick(window, *state);
        return TRUE;
    case WM_LBUTTONDOWN:
        onLeftButtonDown(window);
        return TRUE;
    case WM_RBUTTONUP:
        EndDialog(window, 0);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(window, LOWORD(wParam));
        return TRUE;
    case WM_NCDESTROY:
        destroyDialogState<FormulaWindowState>(window);
        return FALSE;
    }
    return FALSE;
}

} // namespace

FormulaSnapshot formulaSnapshot(const LkzInputs& inputs, int decimal)
{
    FormulaSnapshot snapshot;
    snapshot.inputs = inputs;
    snapshot.decimal = decimal;
    if (!valuesFormulaUnavailable(inputs))
        snapshot.lkz = meaningfulLkz(inputs);
    return snapshot;
}

void showFormulaWindow(HWND owner, const FormulaSnapshot& snapshot)
{
    DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_FORMULA), owner, formulaDialogProc,
                    reinterpret_cast<LPARAM>(&snapshot));
}
