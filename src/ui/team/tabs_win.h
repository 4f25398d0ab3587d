#pragma once
// The tabs of the players, their tips, and the field that renames a player over its tab.
#include "controls/main_window_win.h"

#include <windows.h>
#include <commctrl.h>

// One tab per player of the active mode, in array order.
void rebuildTabs(MainWindow& window);
// The same after a change of order only: the tabs stay, and a label is set only where it
// changed, so the strip is neither emptied nor laid out once per tab. Rebuilds when the number
// of players differs.
void relabelTabs(MainWindow& window);
// One tooltip tool per tab of strip, over the tab's place, so each tab can have its tip.
void syncTabTips(HWND strip);
// Hooks the strip's scroll arrows once they exist, so a click on them ends a rename.
void hookTabScroller(MainWindow& window);
bool tabScrollerContains(const MainWindow& window, POINT screen);

// The rename field tells the main dialog of Enter, Escape and the focus it loses.
void installRenameField(HWND field);
bool isRenameEditVisible(const MainWindow& window);
// Ends a rename in progress, keeping the typed name (or, after Escape, the old one).
void hideRenameEdit(MainWindow& window);
void cancelRename(MainWindow& window);
// The rename field has lost the focus to gettingFocus: the name is stored and labels the tab.
void finishRename(MainWindow& window, HWND gettingFocus);
void startRename(MainWindow& window);

// The tip of a tab, when the active mode shows tab tips; false leaves the request unanswered.
bool answerTabTip(MainWindow& window, NMTTDISPINFOA& request);
bool answerTabTip(MainWindow& window, NMTTDISPINFOW& request);
