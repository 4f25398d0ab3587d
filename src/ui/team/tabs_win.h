#pragma once
// The tabs of the players, their tips, and the field that renames a player over its tab.
#include "team/team.h"

#include <windows.h>
#include <commctrl.h>

#include <string>

// One tab per player of state, in array order.
void rebuildTabs(HWND strip, const TeamState& state);
// The same after a change of order only: the tabs stay, and a label is set only where it
// changed, so the strip is neither emptied nor laid out once per tab. Rebuilds when the number
// of players differs.
void relabelTabs(HWND strip, const TeamState& state);
// The label of the tab at index, as state names its player.
void relabelTab(HWND strip, const TeamState& state, int index);
// One tooltip tool per tab of strip, over the tab's place, so each tab can have its tip.
void syncTabTips(HWND strip);
// Hooks the strip's scroll arrows once they exist, so that a press on them is told; scroller
// keeps them.
void hookTabScroller(HWND strip, HWND& scroller);
bool tabScrollerContains(HWND scroller, POINT screen);

// The rename field tells its parent of Enter, Escape and the focus it loses.
void installRenameField(HWND field);
// Over the label of the tab at index, inside the strip and clear of its scroll arrows.
void placeRenameField(HWND field, HWND strip, HWND scroller, int index);

// The last tab tip, kept until the next request: the tooltip reads it after we return.
struct TabTip {
    std::wstring text;
    std::string textAnsi;
};
// The tip of a tab, when state shows tab tips; false leaves the request unanswered.
bool answerTabTip(TabTip& tip, const TeamState& state, NMTTDISPINFOA& request);
bool answerTabTip(TabTip& tip, const TeamState& state, NMTTDISPINFOW& request);
