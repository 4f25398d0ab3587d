#pragma once
// What every window half does with a dialog: the module that holds it, the owner of its message
// boxes, its check boxes, its place in the topmost band, pop-up menus.
#include "base/view.h"

#include <windows.h>

#include <string>

// The module that holds the dialogs and pictures: the program, or a test program beside it.
inline HINSTANCE appInstance() { return GetModuleHandleW(nullptr); }

// The owner for a message box or dialog that belongs to the main dialog: the main dialog, or
// the modal window open over it (the About box), so that the new window stays in front of both
// and closing it enables only what it disabled. Safe from any thread.
HWND modalOwner(HWND mainDialog);
// A message box owned that way, brought to the foreground. Safe from any thread.
BoxAnswer showMessageBox(HWND mainDialog, const std::string& text, const std::string& title, BoxButtons buttons,
                         BoxIcon icon);

// Sets a check box of a dialog.
void setCheck(HWND dialog, int id, int on);
// Puts the main dialog into the topmost band of windows, or out of it.
void placeOnTop(HWND dialog, bool onTop);
// Shows the first pop-up of menu at the mouse pointer; its commands go to owner.
void showMenuAtCursor(HMENU menu, HWND owner);
