#include "controls/table_window_win.h"

#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/text_win.h"
#include "base/window_rect_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace {

void place(HWND dialog, int id, int x, int y, int width, int height)
{
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int textWidth(HWND control, const std::wstring& text)
{
    ScopedGetDC dc(control);
    ScopedSelectObject font(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

std::wstring headerText(HWND list, int column)
{
    wchar_t text[128] = L"";
    HDITEMW item = {};
    item.mask = HDI_TEXT;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(ListView_GetHeader(list), HDM_GETITEMW, column, reinterpret_cast<LPARAM>(&item));
    return text;
}

std::wstring cellText(HWND list, int row, int column)
{
    wchar_t text[512] = L"";
    ListView_GetItemText(list, row, column, text, 512);
    return text;
}

// Sets each column to its widest cell or header with the list's own margins; the sum of them.
int fitColumns(HWND list)
{
    const int columns = Header_GetItemCount(ListView_GetHeader(list));
    const int rows = ListView_GetItemCount(list);
    int total = 0;
    for (int column = 0; column < columns; ++column) {
        // The list view leaves some pixels on either side of a cell's text, more in a header.
        int width = ListView_GetStringWidth(list, headerText(list, column).c_str()) + scaled(16);
        for (int row = 0; row < rows; ++row)
            width = std::max(width, ListView_GetStringWidth(list, cellText(list, row, column).c_str()) + scaled(14));
        // The first column holds the rows' check boxes, where the list has them.
        int boxWidth = 0, boxHeight = 0;
        if (HIMAGELIST boxes = column == 0 ? ListView_GetImageList(list, LVSIL_STATE) : nullptr)
            if (ImageList_GetIconSize(boxes, &boxWidth, &boxHeight))
                width += boxWidth;
        ListView_SetColumnWidth(list, column, width);
        total += width;
    }
    return total;
}

// The outer size of the list that shows its columns and this many rows without a scroll bar.
SIZE tableSize(HWND list, int columnsWidth, int rows)
{
    // The height the header asks for; its window may not be laid out before the list shows.
    RECT bounds = {0, 0, columnsWidth, 10000};
    WINDOWPOS place = {};
    HDLAYOUT layout = {&bounds, &place};
    Header_Layout(ListView_GetHeader(list), &layout);
    const int headerHeight = place.cy;
    RECT row = {};
    if (!ListView_GetItemRect(list, 0, &row, LVIR_BOUNDS)) {
        // No row yet: one as high as the list's font needs.
        ScopedGetDC dc(list);
        ScopedSelectObject font(dc, reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0)));
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        row.bottom = metrics.tmHeight + scaled(3);
    }
    RECT frame = {0, 0, columnsWidth, headerHeight + (row.bottom - row.top) * rows};
    const LONG style = GetWindowLongW(list, GWL_STYLE) & ~(WS_HSCROLL | WS_VSCROLL);
    AdjustWindowRectEx(&frame, static_cast<DWORD>(style), FALSE, static_cast<DWORD>(GetWindowLongW(list, GWL_EXSTYLE)));
    // A pixel to spare each way: a table that is exactly full still gets its bars.
    return {frame.right - frame.left + scaled(2), frame.bottom - frame.top + scaled(2)};
}

} // namespace

void fitTableWindow(HWND dialog, HWND owner, const TableWindowParts& parts)
{
    const RECT first = childRect(dialog, parts.above.front());
    const RECT last = childRect(dialog, parts.above.back());
    const RECT list = childRect(dialog, parts.list);
    const RECT close = childRect(dialog, parts.closeButton);
    const int margin = first.left;
    const int gap = list.top - last.bottom;
    const int buttonWidth = close.right - close.left, buttonHeight = close.bottom - close.top;
    const int buttonGap = parts.leftButtons.size() > 1
                              ? childRect(dialog, parts.leftButtons[1]).left - childRect(dialog, parts.leftButtons[0]).right
                              : margin;
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int widest = (work.right - work.left) - 2 * margin - 2 * GetSystemMetrics(SM_CXFIXEDFRAME);

    int contentWidth = static_cast<int>(parts.leftButtons.size() + 1) * (buttonWidth + buttonGap);
    for (int id : parts.above) {
        HWND line = GetDlgItem(dialog, id);
        contentWidth = std::max(contentWidth, textWidth(line, windowText(line)) + scaled(4));
    }
    int bottom = last.bottom;
    HWND table = GetDlgItem(dialog, parts.list);
    SIZE size = {};
    const bool tableShown = (GetWindowLongW(table, GWL_STYLE) & WS_VISIBLE) != 0;
    if (tableShown) {
        // Made large first: a list that has put up its scroll bars keeps them when it is then
        // made just large enough for its content, since they take part of that room.
        place(dialog, parts.list, margin, list.top, work.right - work.left, work.bottom - work.top);
        size = tableSize(table, fitColumns(table), parts.rows);
        // Wider than the screen allows: the table scrolls sideways, and its bar takes no row.
        if (size.cx > widest)
            size.cy += GetSystemMetrics(SM_CYHSCROLL);
        contentWidth = std::max<int>(contentWidth, size.cx);
    }
    contentWidth = std::min(contentWidth, widest);
    for (int id : parts.above) {
        const RECT line = childRect(dialog, id);
        place(dialog, id, margin, line.top, contentWidth, line.bottom - line.top);
    }
    if (tableShown) {
        place(dialog, parts.list, margin, list.top, contentWidth, size.cy);
        bottom = list.top + size.cy;
    }
    if (parts.below) {
        HWND text = GetDlgItem(dialog, parts.below);
        const std::wstring lines = windowText(text);
        if (lines.empty()) {
            ShowWindow(text, SW_HIDE);
        } else {
            ScopedGetDC dc(text);
            ScopedSelectObject font(dc, reinterpret_cast<HFONT>(SendMessageW(text, WM_GETFONT, 0, 0)));
            RECT needed = {0, 0, contentWidth, 0};
            DrawTextW(dc, lines.c_str(), static_cast<int>(lines.size()), &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
            place(dialog, parts.below, margin, bottom + gap, contentWidth, needed.bottom);
            bottom += gap + needed.bottom;
        }
    }
    const int buttonTop = bottom + gap;
    int x = margin;
    for (int id : parts.leftButtons) {
        place(dialog, id, x, buttonTop, buttonWidth, buttonHeight);
        x += buttonWidth + buttonGap;
    }
    place(dialog, parts.closeButton, margin + contentWidth - buttonWidth, buttonTop, buttonWidth, buttonHeight);

    RECT window = {0, 0, contentWidth + 2 * margin, buttonTop + buttonHeight + margin};
    AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)));
    centreOver(dialog, owner, window.right - window.left, window.bottom - window.top);
}
