#pragma once
// The player page: the six game counts over the tab strip's display area.
#include <windows.h>

INT_PTR CALLBACK pageDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// The themed tab-page background, where the system has one.
void giveThemedBackground(HWND page);
