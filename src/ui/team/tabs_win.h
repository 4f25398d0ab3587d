#pragma once
// The tabs of the players, their tips, and the field that renames a player over its tab.
#include <windows.h>
#include <commctrl.h>

// One tab per player of the active mode, in array order.
void rebuildTabs();
// The same after a change of order only: the tabs stay, and a label is set only where it
// changed, so the strip is neither emptied nor laid out once per tab. Rebuilds when the number
// of players differs.
void relabelTabs();
// One tooltip tool per tab, over the tab's place in the strip, so each tab can have its tip.
void syncTabTips();
// Hooks the strip's scroll arrows once they exist, so a click on them ends a rename.
void hookTabScroller();
bool tabScrollerContains(POINT screen);

void installRenameField();
bool isRenameEditVisible();
// Ends a rename in progress, keeping the typed name.
void hideRenameEdit();
void startRename();

// The tip of a tab, when the active mode shows tab tips; false leaves the request unanswered.
bool answerTabTip(NMTTDISPINFOA& request);
bool answerTabTip(NMTTDISPINFOW& request);
void resetTabs();
