#pragma once
// The tab strip as users handle it: clicks, renaming in place, the context menu, the tab tips.
#include "base/handles_win.h"

#include <windows.h>
#include <commctrl.h>

// Puts the program's procedures in front of the tab strip and the rename field.
void installTabStrip();
// Hooks the strip's scroll arrows once they exist, so a click on them ends a rename.
void hookTabScroller();
bool isRenameEditVisible();
// Ends a rename in progress, keeping the typed name.
void hideRenameEdit();
void startRename();
// The context menu as it is shown for the active mode, trimmed and checked.
AutoMenu loadTabMenu();
void showTabMenu();
// One tooltip tool per tab, over the tab's place in the strip, so each tab can have its tip.
void syncTabTips();
// The tip of a tab, when the active mode shows tab tips; false leaves the request unanswered.
bool answerTabTip(NMTTDISPINFOA& request);
bool answerTabTip(NMTTDISPINFOW& request);
void resetTabStrip();
