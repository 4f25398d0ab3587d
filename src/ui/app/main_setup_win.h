#pragma once
// Set-up of the main dialog's controls, run once at its initialisation.
#include "base/handles_win.h"


void setUpSpins();
void subclassInputs();
void setUpSystemMenu();
// The LKZ display and its label in their large font; and the font taken back from them.
void setUpLkzDisplay();
void releaseLkzDisplay();
// The tooltips of the tab strip (its window belongs to the strip) and of the main dialog's
// controls, made in this order so the hook serves the latter; and their end.
void createTooltips();
void destroyMainTooltips();
HWND controlTooltipWindow();
void fillLeagueBox();
// Shows the team as the INI file left it: tabs, the current player and a saved LKZ order.
void showLoadedTeam();
