#pragma once
// The windows that show a table (the overview, the forecast): a line above it, the table (a
// report list view) and a row of buttons below. Fitted to what they show when they open.
#include <windows.h>

#include <vector>

struct TableWindowParts {
    std::vector<int> above;       // lines above the table, each one line of text, where the template puts them
    int list;                     // the table; hidden when there is nothing to show
    int below;                    // a text of some lines under the table, 0 for none; hidden when empty
    std::vector<int> leftButtons; // below all that, from the left
    int closeButton;              // below all that, at the right
    int rows;                     // how many rows the table shows without a scroll bar
};

// Every column as wide as its widest cell or its header (the first with the rows' check boxes,
// where the list has them), the table as large as its columns and rows, the lines as wide as
// their texts, the text below as high as its lines, the window around them and centred over
// owner, inside the work area. Sizes in pixels scale with the display.
void fitTableWindow(HWND dialog, HWND owner, const TableWindowParts& parts);
