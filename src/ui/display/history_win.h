#pragma once
// The season chart ("Verlauf"): each player's LKZ after every match as a line, with a legend that
// hides and shows lines, a tip on each point, copied as a picture or saved as a PNG file.
#include "display/chart_layout.h"

#include <windows.h>

// What the window shows, taken when it opens, and its size for the run: {} opens it at the
// template's size; the size it had when it closed comes back here.
struct HistorySnapshot {
    SeasonChart chart;
    SIZE size = {};
};

// Opens it modally over owner; nothing when the drawing library cannot be loaded (the user is told).
void showHistory(HWND owner, HistorySnapshot& snapshot);

// The layout the open window draws, in its client's pixels; null for any other window. For the
// tests, which read the pixels at its points.
const ChartLayout* shownChartLayout(HWND window);
