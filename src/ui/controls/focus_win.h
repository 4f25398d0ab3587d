#pragma once
// The control that gets the focus back after a button.
#include <windows.h>

// Gives the focus back to lastFocused, a control of dialog; one hidden meanwhile hands it to the
// league box, which is remembered instead.
void restoreFocus(HWND dialog, HWND& lastFocused);
