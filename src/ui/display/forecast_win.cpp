#include "display/forecast_win.h"

#include "base/clipboard_win.h"
#include "base/dialog_state_win.h"
#include "base/text_win.h"
#include "base/dialogs_win.h"
#include "controls/table_window_win.h"
#include "resource.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace {

// With the window (DWLP_USER): what it shows.
struct ForecastWindow {
    Forecast forecast;
};

HWND listOf(HWND dialog) { return GetDlgItem(dialog, IDC_FORECAST_LIST); }

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

void onInitDialog(HWND dialog, const ForecastSnapshot& snapshot)
{
    ForecastWindow& forecastWindow = createDialogState<ForecastWindow>(dialog);
    forecastWindow.forecast = snapshot.forecast;
    const Forecast& forecast = forecastWindow.forecast;
    SetDlgItemTextW(dialog, IDC_FORECAST_SUMMARY, widen(snapshot.summary).c_str());
    std::string notes;
    for (const std::string& line : snapshot.notes)
        notes += (notes.empty() ? "" : "\r\n") + line;
    SetDlgItemTextW(dialog, IDC_FORECAST_NOTES, widen(notes).c_str());
    if (forecast.available()) {
        fillList(listOf(dialog), forecast);
    } else {
        ShowWindow(listOf(dialog), SW_HIDE);
        EnableWindow(GetDlgItem(dialog, IDC_FORECAST_COPY), FALSE);
    }
    fitTableWindow(dialog, GetParent(dialog),
                   {{IDC_FORECAST_SUMMARY}, IDC_FORECAST_LIST, IDC_FORECAST_NOTES, {IDC_FORECAST_COPY}, IDCANCEL,
                    matchResultCount});
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
        onInitDialog(dialog, *reinterpret_cast<const ForecastSnapshot*>(lParam));
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

void showForecast(HWND owner, const ForecastSnapshot& snapshot)
{
    DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_FORECAST), owner, forecastProc,
                    reinterpret_cast<LPARAM>(&snapshot));
}
