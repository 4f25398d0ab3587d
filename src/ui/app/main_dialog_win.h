#pragma once
// The main dialog: its procedure, the options it switches and the exit sequence.
#include "base/handles_win.h"

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

void closeMainDialog();
void toggleOnTop();
void toggleAutoCalc();
void toggleSaveData();
// The options pop-up menu with its check marks.
AutoMenu loadOptionsMenu();

// The window-level state of the whole program back to how a first start finds it: the main
// dialog's own, its windows and the numeric fields' focus. Start-up and tests call it.
void resetWindowState();
