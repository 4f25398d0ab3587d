#pragma once
// The windows that show a table (the overview, the forecast): a line above it, the table (a
// report list view) and a row of buttons below. Fitted to what they show when they open.
#include <windows.h>

#include <vector>

struct TableWindowParts {
    int summary;                 // the line above the table
    int list;                    // the table; hidden when there is nothing to show
    std::vector<int> leftButtons; // below the table, from the left
    int closeButton;             // below the table, at the right
    int rows;                    // how many rows the table shows without a scroll bar
};

// Every column as wide as its widest cell or its header, the table as large as its columns and
// rows, the summary as wide as its text, the window around them and centred over owner, inside
// the work area. Sizes in pixels scale with the display.
void fitTableWindow(HWND dialog, HWND owner, const TableWindowParts& parts);
