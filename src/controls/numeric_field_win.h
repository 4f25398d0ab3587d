#pragma once
// The nine number fields: focus tracking and the control that gets the focus back.
#include <windows.h>

// The control to which buttons give the focus back.
extern HWND lastFocused;
void resetFieldFocus();

void installNumericField(HWND field);
// Gives the focus back to lastFocused; a control hidden meanwhile hands it to the league box.
void restoreFocus();
bool fieldHasFocus(HWND field);
void clearHasFocus(HWND field);
