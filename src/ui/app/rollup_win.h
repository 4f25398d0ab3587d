#pragma once
// A double click on the caption rolls the main dialog up to its title bar, and down again.
#include <windows.h>

struct RollUp {
    RECT fullWindowRect = {}; // the window's size when not rolled up
    bool rolledUp = false;
};

// Takes the window's size as it is now as its full size.
void rememberFullSize(RollUp& rollUp, HWND dialog);
void toggleRollUp(RollUp& rollUp, HWND dialog);
// The full window grows by pixels (shrinks when negative), the top edge kept; rolled up, only
// the size it rolls down to changes.
void growWindow(RollUp& rollUp, HWND dialog, int pixels);
