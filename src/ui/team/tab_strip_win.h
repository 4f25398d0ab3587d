#pragma once
// The tab strip as users handle it: clicks, the double click that renames, the context menu.
#include "base/handles_win.h"
#include "controls/main_window_win.h"

#include <windows.h>

// Puts the program's procedure in front of the tab strip's: it tells the main dialog of presses,
// double clicks and the context menu, and passes its tooltip's requests on.
void installTabStrip(HWND strip);
// The context menu as it is shown for the active mode, trimmed and checked.
AutoMenu loadTabMenu(const MainWindow& window);
// "Rückgängig: ..." and "Wiederholen: ..." of a menu as the active mode's history has them,
// greyed when there is nothing.
void showUndoItems(HMENU menu, const MainWindow& window);
// The context menu asked for at screen (-1, -1 for the keyboard): a click on another tab first
// selects its player. Its commands go to the main dialog.
void showTabContextMenu(MainWindow& window, POINT screen);
// The menu for the current player, at the pointer.
void showTabMenu(MainWindow& window);
