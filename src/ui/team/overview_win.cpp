#include "team/overview_win.h"

#include "base/atomic_file_win.h"
#include "base/clipboard_win.h"
#include "base/dialog_state_win.h"
#include "base/handles_win.h"
#include "base/libraries_win.h"
#include "base/system_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "resource.h"
#include "team/overview.h"
#include "controls/input_fields_win.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
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

std::wstring saveDialogPath(HWND owner)
{
    if (!loadLibrariesFor(Feature::SaveDialog))
        return {};
    ComApartment com;
    wchar_t path[MAX_PATH] = L"Mannschaft.csv";
    const std::wstring folder = programFolder();
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = L"CSV-Dateien (*.csv)\0*.csv\0Alle Dateien (*.*)\0*.*\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = L"csv";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetSaveFileNameW(&dialog) ? std::wstring(path) : std::wstring();
}

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

// Every column as wide as its widest cell, and the window as wide as all columns and as high
// as a team of 20, so no scroll bar is needed.
void fitWindow(HWND dialog)
{
    HWND list = listOf(dialog);
    int width = 0;
    for (int column = 0; column < OverviewColumnCount; ++column) {
        ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE);
        const int header = ListView_GetStringWidth(list, widen(overviewHeaders[column]).c_str()) + 16;
        const int cells = ListView_GetColumnWidth(list, column);
        ListView_SetColumnWidth(list, column, std::max(cells, header));
        width += std::max(cells, header);
    }
    RECT row = {};
    ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS);
    RECT header = {};
    GetWindowRect(ListView_GetHeader(list), &header);
    RECT frame = {0, 0, width, (header.bottom - header.top) + (row.bottom - row.top) * maxTeamSize};
    AdjustWindowRectEx(&frame, 0, FALSE, WS_EX_CLIENTEDGE);
    RECT list0;
    GetWindowRect(list, &list0);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&list0), 2);
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int listWidth = std::min<int>(std::max<int>(frame.right - frame.left + 4, list0.right - list0.left),
                                        (work.right - work.left) * 9 / 10);
    const int listHeight = std::max<int>(frame.bottom - frame.top + 4, list0.bottom - list0.top);
    const int growX = listWidth - (list0.right - list0.left);
    const int growY = listHeight - (list0.bottom - list0.top);
    SetWindowPos(list, nullptr, 0, 0, listWidth, listHeight, SWP_NOMOVE | SWP_NOZORDER);
    for (int id : {IDC_OVERVIEW_COPY, IDC_OVERVIEW_SAVE, IDCANCEL}) {
        HWND button = GetDlgItem(dialog, id);
        RECT rect;
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
        SetWindowPos(button, nullptr, rect.left + (id == IDCANCEL ? growX : 0), rect.top + growY, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER);
    }
    HWND summary = GetDlgItem(dialog, IDC_OVERVIEW_SUMMARY);
    RECT rect;
    GetWindowRect(summary, &rect);
    SetWindowPos(summary, nullptr, 0, 0, rect.right - rect.left + growX, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
    GetWindowRect(dialog, &rect);
    const int w = rect.right - rect.left + growX;
    const int h = rect.bottom - rect.top + growY;
    // Centred over the main dialog, inside the work area.
    RECT owner;
    GetWindowRect(mainDialog, &owner);
    const int x = std::max<int>(work.left, std::min<int>((owner.left + owner.right - w) / 2, work.right - w));
    const int y = std::max<int>(work.top, std::min<int>((owner.top + owner.bottom - h) / 2, work.bottom - h));
    SetWindowPos(dialog, nullptr, x, y, w, h, SWP_NOZORDER);
}

void copyTable(HWND dialog, const OverviewWindow& overviewWindow)
{
    putOnClipboard(dialog, widen(overviewText(overviewWindow.overview, overviewWindow.order)));
}

void saveTable(HWND dialog, const OverviewWindow& overviewWindow)
{
    const std::wstring path = chooseOverviewFile(dialog);
    if (path.empty())
        return;
    if (!writeFileWhole(path, overviewCsv(overviewWindow.overview, overviewWindow.order)))
        MessageBoxW(dialog, L"Die Datei konnte nicht gespeichert werden.", L"Speichern", MB_OK | MB_ICONERROR);
}

// A click on a column header orders by it; a second click turns the order round.
void onColumnClick(HWND dialog, OverviewWindow& overviewWindow, int column)
{
    if (column == overviewWindow.sortColumn) {
        overviewWindow.descending = !overviewWindow.descending;
    } else {
        overviewWindow.sortColumn = column;
        // Numbers read best from the highest; names and line-up numbers from the first.
        overviewWindow.descending = column != ColName && column != ColLineup;
    }
    overviewWindow.order = overviewOrder(overviewWindow.overview, column, overviewWindow.descending, compareNames);
    fillList(listOf(dialog), overviewWindow);
}

void onInitDialog(HWND dialog)
{
    // The page's values count, even those not yet committed; the team itself stays as it is.
    TeamState team = teamState;
    storeInputs(team, currentPlayerIndex(), readInputs());
    OverviewWindow& overviewWindow = createDialogState<OverviewWindow>(dialog);
    overviewWindow.overview = teamOverview(team);
    overviewWindow.order.resize(overviewWindow.overview.rows.size());
    for (size_t i = 0; i < overviewWindow.order.size(); ++i)
        overviewWindow.order[i] = static_cast<int>(i);
    SetDlgItemTextW(dialog, IDC_OVERVIEW_SUMMARY, widen(overviewSummary(overviewWindow.overview)).c_str());

    HWND list = listOf(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    for (int column = 0; column < OverviewColumnCount; ++column) {
        std::wstring header = widen(overviewHeaders[column]);
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        info.fmt = column == ColName ? LVCFMT_LEFT : LVCFMT_RIGHT;
        if (column == 0)
            info.fmt = LVCFMT_LEFT; // the first column is always left-aligned
        info.pszText = &header[0];
        info.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
    fillList(list, overviewWindow);
    fitWindow(dialog);
}

INT_PTR CALLBACK overviewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(dialog);
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

std::wstring (*chooseOverviewFile)(HWND owner) = saveDialogPath;

void showTeamOverview()
{
    if (teamState.singleMode)
        return;
    DialogBoxParamW(appInstance, MAKEINTRESOURCEW(IDD_OVERVIEW), mainDialog, overviewProc, 0);
}
