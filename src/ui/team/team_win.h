#pragma once
// Moving values between the player records and the dialog controls; team size and mode.
#include "controls/main_window_win.h"

// The page's values into the record at index of state, and its LKZ after them.
void storePageValues(MainWindow& window, TeamState& state, int index);
// storePageValues for the current player of the active mode.
void storePage(MainWindow& window);
void showPlayer(MainWindow& window, const TeamState& state, int index);
void selectPlayerLeaving(MainWindow& window, int oldIndex);  // the tab strip is about to change
void selectPlayerArriving(MainWindow& window, int newIndex); // the tab strip has changed
// Selects the tab at index without the strip's notifications, storing the player left.
void switchToPlayer(MainWindow& window, int index);
void setPlayerCount(MainWindow& window);
// SortByLineup or SortByLkz; the current player stays current, on its new tab.
void sortTeam(MainWindow& window, int order);
// sortTeam(SortByLkz) when the active mode keeps the LKZ order: after a change of values.
void keepLkzOrder(MainWindow& window);
void deletePlayer(MainWindow& window, int index);
// The current player takes line-up number target (team mode); the page stays his.
void moveCurrentPlayer(MainWindow& window, int target);

// "Rückgängig" and "Wiederholen": the squad as it was before the last change, or after the last
// change undone, with its tabs, page, LKZ display and marks.
void undoSquadChange(MainWindow& window);
void redoSquadChange(MainWindow& window);
void switchMode(MainWindow& window);
void showPlayerCountControls(const MainWindow& window, bool show);
int readPlayerCountField(const MainWindow& window);
void writePlayerCountField(const MainWindow& window, int n);
// The team as the INI file left it: tabs, the current player, the mode's controls.
void showLoadedTeam(MainWindow& window);
