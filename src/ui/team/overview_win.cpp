#include "team/overview_win.h"

#include "base/atomic_file_win.h"
#include "base/clipboard_win.h"
#include "base/dialog_state_win.h"
#include "base/save_dialog_win.h"
#include "base/text_win.h"
#include "base/dialogs_win.h"
#include "controls/table_window_win.h"
#include "resource.h"

#include <commctrl.h>

#include <vector>

namespace {

// What the open overview shows: a snapshot of the team, and the order of its rows. With the
// window (DWLP_USER).
struct OverviewWindow {
    Overview overview;
    std::vector<int> order;
    int sortColumn = -1; // -1: the order of the tabs
    bool descending = false;
};

HWND listOf(HWND dialog) { return GetDlgItem(dialog, IDC_OVERVIEW_LIST); }

void fillList(HWND list, const OverviewWindow& overviewWindow)
{
    ListView_DeleteAllItems(list);
    const Overview& overview = overviewWindow.overview;
    for (size_t i = 0; i < overviewWindow.order.size(); ++i) {
        const OverviewRow& row = overview.rows[overviewWindow.order[i]];
        for (int column = 0; column < OverviewColumnCount; ++column) {
            std::wstring text = widen(overviewCell(overview, row, column));
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = static_cast<int>(i);
            item.iSubItem = column;
            item.pszText = &text[0];
            SendMessageW(list, column == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
        }
    }
}

void copyTable(HWND dialog, const OverviewWindow& overviewWindow)
{
    putOnClipboard(dialog, widen(overviewText(overviewWindow.overview, overviewWindow.order)));
}

void saveTable(HWND dialog, const OverviewWindow& overviewWindow)
{
    const std::wstring path =
        askSavePath(dialog, L"Mannschaft.csv", L"CSV-Dateien (*.csv)\0*.csv\0Alle Dateien (*.*)\0*.*\0", L"csv");
    if (path.empty())
        return;
    if (!writeFileWhole(path, overviewCsv(overviewWindow.overview, overviewWindow.order)))
        tellSaveFailed(dialog);
}

// A click on a column header orders by it; a second click turns the order round.
void onColumnClick(HWND dialog, OverviewWindow& overviewWindow, int column)
{
    if (column == overviewWindow.sortColumn) {
        overviewWindow.descending = !overviewWindow.descending;
    } else {
        overviewWindow.sortColumn = column;
        // Numbers read best from the highest; names, line-up numbers and ranks from the first.
        overviewWindow.descending = column != ColName && column != ColLineup && column != ColRank;
    }
    overviewWindow.order = overviewOrder(overviewWindow.overview, column, overviewWindow.descending, compareNames);
    fillList(listOf(dialog), overviewWindow);
}

void onInitDialog(HWND dialog, const Overview& overview)
{
    OverviewWindow& overviewWindow = createDialogState<OverviewWindow>(dialog);
    overviewWindow.overview = overview;
    overviewWindow.order.resize(overviewWindow.overview.rows.size());
    for (size_t i = 0; i < overviewWindow.order.size(); ++i)
        overviewWindow.order[i] = static_cast<int>(i);
    SetDlgItemTextW(dialog, IDC_OVERVIEW_SUMMARY, widen(overviewSummary(overviewWindow.overview)).c_str());
    SetDlgItemTextW(dialog, IDC_OVERVIEW_LINEUP, widen(overviewWindow.overview.lineup).c_str());

    HWND list = listOf(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int column = 0; column < OverviewColumnCount; ++column) {
        std::wstring header = widen(overviewHeaders[column]);
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        const bool text = column == ColName || column == ColOrder || column == ColBlockMark;
        info.fmt = text ? LVCFMT_LEFT : LVCFMT_RIGHT;
        if (column == 0)
            info.fmt = LVCFMT_LEFT; // the first column is always left-aligned
        info.pszText = &header[0];
        info.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
    fillList(list, overviewWindow);
    fitTableWindow(dialog, GetParent(dialog),
                   {{IDC_OVERVIEW_SUMMARY, IDC_OVERVIEW_LINEUP}, IDC_OVERVIEW_LIST, 0,
                    {IDC_OVERVIEW_COPY, IDC_OVERVIEW_SAVE, IDC_OVERVIEW_RULES}, IDCANCEL, maxTeamSize});
}

INT_PTR CALLBACK overviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(dialog, *reinterpret_cast<const Overview*>(lParam));
        return TRUE;
    }
    OverviewWindow* state = dialogState<OverviewWindow>(dialog);
    if (!state)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_OVERVIEW_COPY:
            copyTable(dialog, *state);
            return TRUE;
        case IDC_OVERVIEW_SAVE:
            saveTable(dialog, *state);
            return TRUE;
        case IDC_OVERVIEW_RULES:
            // The rules are the main dialog's to change; it opens the overview again after.
            EndDialog(dialog, IDC_OVERVIEW_RULES);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_OVERVIEW_LIST && header->code == LVN_COLUMNCLICK)
            onColumnClick(dialog, *state, reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
        return FALSE;
    }
    case WM_NCDESTROY:
        destroyDialogState<OverviewWindow>(dialog);
        return FALSE;
    }
    return FALSE;
}

} // namespace

OverviewEnd showTeamOverview(HWND owner, const Overview& overview)
{
    const INT_PTR result = DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_OVERVIEW), owner, overviewProc,
                                           reinterpret_cast<LPARAM>(&overview));
    return result == IDC_OVERVIEW_RULES ? OverviewEnd::RulesWanted : OverviewEnd::Closed;
}
