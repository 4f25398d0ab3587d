#pragma once
// The windows every window half works on: the main dialog, its player page and its bars. Set
// by the main dialog's initialisation, valid until it is destroyed.
#include "controls/inputs.h"

#include <windows.h>

extern HINSTANCE appInstance;
extern HWND mainDialog;
extern HWND pageDialog;
extern HWND tabControl;
extern HWND statusBar;
extern HWND progressBar;

void resetDialogWindows();

// The owner for a message box or dialog that belongs to the main dialog: the main dialog, or
// the modal window open over it (the About box), so that the new window stays in front of both
// and closing it enables only what it disabled. Safe from any thread.
HWND modalOwner();

// The dialog that holds the controls of a surface.
HWND surfaceWindow(Surface surface);
// Sets a check box of the main dialog.
void setCheck(int id, int on);
// Puts the main dialog into the topmost band of windows, or out of it.
void placeOnTop(bool onTop);
// Shows the first pop-up of menu at the mouse pointer; its commands go to owner.
void showMenuAtCursor(HMENU menu, HWND owner);
