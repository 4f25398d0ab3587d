#pragma once
// The player page: the six game counts over the tab strip's display area. It empties a row when
// its clear button is pressed and passes everything else to the main dialog: spin steps and
// colour requests as they come, clicks and its paint as notifications.
#include <windows.h>

INT_PTR CALLBACK pageDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// The themed tab-page background, where the system has one.
void giveThemedBackground(HWND page);
