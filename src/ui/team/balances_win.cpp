#include "team/balances_win.h"

#include "base/dialog_state_win.h"
#include "base/dialogs_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"
#include "controls/table_window_win.h"
#include "resource.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// What the open preview shows: its own copies of the table and the squad, and the preview of
// the ticks as they stand. With the window (DWLP_USER).
struct PreviewWindow {
    BalanceTable table;
    TeamState state;
    BalancePreview preview; // its rows point into table
    std::vector<bool>* chosen = nullptr;
    bool filling = false;   // the list's notifications are our own changes
    SIZE minimum = {};      // the smallest window the user may drag it to: the template's or the fitted size
    int margin = 0;         // the list's distance from the window's edges; 0 while it is being fitted
    int buttonHeight = 0;
};

struct PreviewStart {
    const BalanceTable& table;
    const TeamState& state;
    std::vector<bool>& ticks;
};

HWND listOf(HWND dialog) { return GetDlgItem(dialog, IDC_BALANCES_LIST); }

// The rows' cells and ticks, the line above and "Übernehmen" as the preview has them.
void showPreview(HWND dialog, PreviewWindow& window)
{
    HWND list = listOf(dialog);
    window.filling = true;
    const BalancePreview& preview = window.preview;
    for (int row = 0; row < static_cast<int>(preview.rows.size()); ++row) {
        for (int column = 0; column < PreviewColumnCount; ++column) {
            std::wstring text = widen(previewCell(preview, row, column));
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = row;
            item.iSubItem = column;
            item.pszText = &text[0];
            const bool insert = column == 0 && row >= ListView_GetItemCount(list);
            SendMessageW(list, insert ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
        ListView_SetCheckState(list, row, preview.rows[row].ticked);
    }
    window.filling = false;
    SetDlgItemTextW(dialog, IDC_BALANCES_SUMMARY, widen(preview.summary).c_str());
    EnableWindow(GetDlgItem(dialog, IDOK), preview.canApply());
}

void onInitDialog(HWND dialog, const PreviewStart& start)
{
    PreviewWindow& window = createDialogState<PreviewWindow>(dialog);
    window.table = start.table;
    window.state = start.state;
    window.chosen = &start.ticks;
    window.preview = matchBalances(window.table, window.state);
    RECT unfitted;
    GetWindowRect(dialog, &unfitted);

    HWND list = listOf(dialog);
    ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES);
    for (int column = 0; column < PreviewColumnCount; ++column) {
        std::wstring header = widen(previewHeaders[column]);
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT | LVCF_FMT | LVCF_SUBITEM;
        const bool words = column <= PreviewName || column == PreviewTarget || column == PreviewReason;
        info.fmt = words ? LVCFMT_LEFT : LVCFMT_RIGHT;
        info.pszText = &header[0];
        info.iSubItem = column;
        SendMessageW(list, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
    }
    showPreview(dialog, window);
    const int rows = std::max(1, std::min(static_cast<int>(window.preview.rows.size()), maxTeamSize));
    fitTableWindow(dialog, GetParent(dialog), {{IDC_BALANCES_SUMMARY}, IDC_BALANCES_LIST, 0, {IDOK}, IDCANCEL, rows});

    RECT fitted;
    GetWindowRect(dialog, &fitted);
    window.minimum = {std::min(unfitted.right - unfitted.left, fitted.right - fitted.left),
                      std::min(unfitted.bottom - unfitted.top, fitted.bottom - fitted.top)};
    const RECT table = childRect(dialog, IDC_BALANCES_LIST), button = childRect(dialog, IDCANCEL);
    window.margin = table.left;
    window.buttonHeight = button.bottom - button.top;
}

// The list takes what the window gains or loses; the buttons stay below it at their edges.
void onSize(HWND dialog, const PreviewWindow& window)
{
    if (!window.margin)
        return; // still being fitted
    RECT client;
    GetClientRect(dialog, &client);
    const int margin = window.margin, width = std::max<int>(1, client.right - 2 * margin);
    const RECT table = childRect(dialog, IDC_BALANCES_LIST), ok = childRect(dialog, IDOK);
    const RECT summary = childRect(dialog, IDC_BALANCES_SUMMARY);
    const int buttonTop = client.bottom - margin - window.buttonHeight, gap = ok.top - table.bottom;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(GetDlgItem(dialog, IDC_BALANCES_SUMMARY), nullptr, 0, 0, width, summary.bottom - summary.top,
                 flags | SWP_NOMOVE);
    SetWindowPos(listOf(dialog), nullptr, 0, 0, width, std::max<int>(1, buttonTop - gap - table.top), flags | SWP_NOMOVE);
    SetWindowPos(GetDlgItem(dialog, IDOK), nullptr, margin, buttonTop, 0, 0, flags | SWP_NOSIZE);
    const RECT cancel = childRect(dialog, IDCANCEL);
    SetWindowPos(GetDlgItem(dialog, IDCANCEL), nullptr, client.right - margin - (cancel.right - cancel.left), buttonTop,
                 0, 0, flags | SWP_NOSIZE);
    InvalidateRect(dialog, nullptr, TRUE);
}

// A row's check box clicked (or its space bar): the preview again with the ticks after it, which
// may untick it again, or in single-player mode every other row.
void onItemChanged(HWND dialog, PreviewWindow& window, const NMLISTVIEW& change)
{
    const int row = change.iItem;
    if (window.filling || !(change.uChanged & LVIF_STATE) || row < 0 ||
        row >= static_cast<int>(window.preview.rows.size()) ||
        !((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK))
        return;
    if ((ListView_GetCheckState(listOf(dialog), row) != 0) == window.preview.rows[row].ticked)
        return;
    window.preview = matchBalances(window.table, window.state, ticksAfterClick(window.preview, row));
    showPreview(dialog, window);
}

void onApply(HWND dialog, const PreviewWindow& window)
{
    if (!window.preview.canApply())
        return;
    window.chosen->clear();
    for (const PreviewRow& row : window.preview.rows)
        window.chosen->push_back(row.ticked);
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK previewProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        onInitDialog(dialog, *reinterpret_cast<const PreviewStart*>(lParam));
        return TRUE;
    }
    PreviewWindow* state = dialogState<PreviewWindow>(dialog);
    if (!state)
        return FALSE;
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            onApply(dialog, *state);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_BALANCES_LIST && header->code == LVN_ITEMCHANGED)
            onItemChanged(dialog, *state, *reinterpret_cast<const NMLISTVIEW*>(lParam));
        return FALSE;
    }
    case WM_SIZE:
        onSize(dialog, *state);
        return TRUE;
    case WM_GETMINMAXINFO:
        keepAtLeast(lParam, state->minimum);
        return TRUE;
    case WM_NCDESTROY:
        destroyDialogState<PreviewWindow>(dialog);
        return FALSE;
    }
    return FALSE;
}

} // namespace

bool showBalancePreview(HWND owner, const BalanceTable& table, const TeamState& state, std::vector<bool>& ticks)
{
    PreviewStart start{table, state, ticks};
    return DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_BALANCES), owner, previewProc,
                           reinterpret_cast<LPARAM>(&start)) == IDOK;
}
