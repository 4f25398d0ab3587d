#pragma once
// The tab strip as users handle it: presses, drops, the double click that renames, the context menu.
#include <windows.h>

// Puts the program's procedure in front of the tab strip's: it tells its parent of presses,
// double clicks, drops and the context menu, and passes its tooltip's requests on.
void installTabStrip(HWND strip);
