#pragma once
// The control that gets the focus back after a button.
#include <windows.h>

extern HWND lastFocused;
void resetFieldFocus();
// Gives the focus back to lastFocused; a control hidden meanwhile hands it to the league box.
void restoreFocus();
