#include "display/forecast_win.h"

#include "base/clipboard_win.h"
#include "base/dialog_state_win.h"
#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "rating/forecast.h"
#include "resource.h"
#include "team/team.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// With the window (DWLP_USER); the page cannot change while it is open, since it is modal.
struct ForecastWindow {
    Forecast forecast;
};

HWND listOf(HWND dialog) { return GetDlgItem(dialog, IDC_FORECAST_LIST); }

// "Jürgen Müller: LKZ 207 nach 9 Punktspielen"
std::wstring summaryText(const Forecast& forecast, const LkzInputs& today)
{
    if (!forecast.available())
        return widen(forecast.refusal);
    const TeamState& state = activeState();
    const int matches = today[Matches];
    return widen(tabLabel(state, currentPlayerIndex()) + ": LKZ " + forecast.todayText + " nach " +
                 std::to_string(matches) + (matches == 1 ? " Punktspiel" : " Punktspielen"));
}

void fillList(HWND list, const Forecast& forecast)
{
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const std::vector<std::string> headers = forecastHeaders(forecast);
    for (size_t column = 0; column < headers.size(); ++column) {
        std::wstring header = widen(headers[column]);
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        // The changes end each cell: right-aligned, their signs stand one under the other.
        info.fmt = column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        info.pszText = &header[0];
        info.iSubItem = static_cast<int>(column);
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
    for (int row = 0; row < matchResultCount; ++row)
        for (int column = 0; column <= paarkreuzCount; ++column) {
            std::wstring text = widen(column == 0 ? matchResultText(matchResults[row])
                                                  : forecastCellText(forecast.cells[row][column - 1]));
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = column;
            item.pszText = &text[0];
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
}

// Every column as wide as its widest cell or header; the sum of them.
int fitColumns(HWND list, const Forecast& forecast)
{
    const std::vector<std::string> headers = forecastHeaders(forecast);
    int width = 0;
    for (size_t column = 0; column < headers.size(); ++column) {
        const int c = static_cast<int>(column);
        ListView_SetColumnWidth(list, c, LVSCW_AUTOSIZE);
        const int cells = ListView_GetColumnWidth(list, c) + scaled(8);
        const int header = ListView_GetStringWidth(list, widen(headers[column]).c_str()) + scaled(16);
        ListView_SetColumnWidth(list, c, std::max(cells, header));
        width += std::max(cells, header);
    }
    return width;
}

int textWidth(HWND control, const std::wstring& text)
{
    ScopedGetDC dc(control);
    ScopedSelectObject font(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

RECT childRect(HWND dialog, int id)
{
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void place(HWND dialog, int id, int x, int y, int width, int height)
{
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window as large as its content: the summary line, the whole table without scroll bars
// and the buttons below, at whatever resolution; centred over the main dialog.
void fitWindow(HWND dialog, const Forecast& forecast)
{
    const RECT summary = childRect(dialog, IDC_FORECAST_SUMMARY);
    const RECT list = childRect(dialog, IDC_FORECAST_LIST);
    const RECT copy = childRect(dialog, IDC_FORECAST_COPY);
    const int margin = summary.left;
    const int buttonWidth = copy.right - copy.left, buttonHeight = copy.bottom - copy.top;
    const int gap = list.top - summary.bottom;

    HWND summaryControl = GetDlgItem(dialog, IDC_FORECAST_SUMMARY);
    int contentWidth = std::max<int>(textWidth(summaryControl, windowText(summaryControl)) + scaled(4),
                                     2 * buttonWidth + margin);
    int bottom = summary.bottom;
    if (forecast.available()) {
        HWND table = listOf(dialog);
        RECT row = {};
        ListView_GetItemRect(table, 0, &row, LVIR_BOUNDS);
        RECT header = {};
        GetWindowRect(ListView_GetHeader(table), &header);
        RECT frame = {0, 0, fitColumns(table, forecast),
                      (header.bottom - header.top) + (row.bottom - row.top) * matchResultCount};
        AdjustWindowRectEx(&frame, GetWindowLongW(table, GWL_STYLE), FALSE, GetWindowLongW(table, GWL_EXSTYLE));
        const int tableWidth = frame.right - frame.left + scaled(2);
        contentWidth = std::max(contentWidth, tableWidth);
        place(dialog, IDC_FORECAST_LIST, margin, list.top, contentWidth, frame.bottom - frame.top + scaled(2));
        bottom = list.top + frame.bottom - frame.top + scaled(2);
    }
    place(dialog, IDC_FORECAST_SUMMARY, margin, summary.top, contentWidth, summary.bottom - summary.top);
    const int buttonTop = bottom + gap;
    place(dialog, IDC_FORECAST_COPY, margin, buttonTop, buttonWidth, buttonHeight);
    place(dialog, IDCANCEL, margin + contentWidth - buttonWidth, buttonTop, buttonWidth, buttonHeight);

    RECT window = {0, 0, contentWidth + 2 * margin, buttonTop + buttonHeight + margin};
    AdjustWindowRectEx(&window, GetWindowLongW(dialog, GWL_STYLE), FALSE, GetWindowLongW(dialog, GWL_EXSTYLE));
    const int w = window.right - window.left, h = window.bottom - window.top;
    RECT owner, work;
    GetWindowRect(mainDialog ? mainDialog : GetParent(dialog), &owner);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = std::max<int>(work.left, std::min<int>((owner.left + owner.right - w) / 2, work.right - w));
    const int y = std::max<int>(work.top, std::min<int>((owner.top + owner.bottom - h) / 2, work.bottom - h));
    SetWindowPos(dialog, nullptr, x, y, w, h, SWP_NOZORDER);
}

void onInitDialog(HWND dialog)
{
    ForecastWindow& forecastWindow = createDialogState<ForecastWindow>(dialog);
    // The page's values count, even those not yet committed; the team itself stays as it is.
    const LkzInputs today = readInputs();
    forecastWindow.forecast = forecastNextMatch(today, activeState().decimal);
    const Forecast& forecast = forecastWindow.forecast;
    SetDlgItemTextW(dialog, IDC_FORECAST_SUMMARY, summaryText(forecast, today).c_str());
    if (forecast.available()) {
        fillList(listOf(dialog), forecast);
    } else {
        ShowWindow(listOf(dialog), SW_HIDE);
        EnableWindow(GetDlgItem(dialog, IDC_FORECAST_COPY), FALSE);
    }
    fitWindow(dialog, forecast);
}

// The player's own Paarkreuz on a light ground, so the eye finds it first.
LRESULT onCustomDraw(const ForecastWindow& forecastWindow, NMLVCUSTOMDRAW& draw)
{
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
        return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM:
        draw.clrTextBk = draw.iSubItem == forecastWindow.forecast.ownPaarkreuz + 1 ? RGB(232, 240, 252) : CLR_DEFAULT;
        return CDRF_NEWFONT;
    }
    return CDRF_DODEFAULT;
}

bool onNotify(HWND dialog, const ForecastWindow& forecastWindow, NMHDR& header)
{
    if (header.idFrom != IDC_FORECAST_LIST || header.code != NM_CUSTOMDRAW)
        return false;
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, onCustomDraw(forecastWindow, reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
    return true;
}

INT_PTR CALLBACK forecastProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(dialog);
        return TRUE;
    }
    ForecastWindow* state = dialogState<ForecastWindow>(dialog);
    if (!state)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_FORECAST_COPY:
            putOnClipboard(dialog, widen(forecastText(state->forecast)));
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY:
        return onNotify(dialog, *state, *reinterpret_cast<NMHDR*>(lParam));
    case WM_NCDESTROY:
        destroyDialogState<ForecastWindow>(dialog);
        return FALSE;
    }
    return FALSE;
}

} // namespace

void showForecast()
{
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(IDD_FORECAST), mainDialog, forecastProc, 0);
}
