#pragma once
// Moving values between the player records and the dialog controls; team size and mode.
#include "team/team.h"

void storePageValues(TeamState& state, int index);
// storePageValues for the current player of the active mode.
void storePage();
void showPlayer(TeamState& state, int index);
void selectPlayerLeaving(int oldIndex);   // the tab strip is about to change
void selectPlayerArriving(int newIndex);  // the tab strip has changed
// Selects the tab at index without the strip's notifications, storing the player left.
void switchToPlayer(int index);
void setPlayerCount();
// SortByLineup or SortByLkz; the current player stays current, on its new tab.
void sortTeam(int order);
// sortTeam(SortByLkz) when the active mode keeps the LKZ order: after a change of values.
void keepLkzOrder();
void deletePlayer(int index);
void switchMode();
void showPlayerCountControls(bool show);
int readPlayerCountField();
void writePlayerCountField(int n);
