#pragma once
// The tab strip as users handle it: clicks, the double click that renames, the context menu.
#include "base/handles_win.h"

#include <windows.h>

// Puts the program's procedure in front of the tab strip's.
void installTabStrip();
// The context menu as it is shown for the active mode, trimmed and checked.
AutoMenu loadTabMenu();
void showTabMenu();
