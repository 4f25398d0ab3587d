#pragma once
// Set-up of the main dialog's controls, run once at its initialisation.
#include "base/handles_win.h"


void setUpSpins();
void subclassInputs();
void setUpSystemMenu();
// The LKZ display and its label in their large font; and the font taken back from them.
void setUpLkzDisplay();
void releaseLkzDisplay();
// The tooltip of the main dialog's controls, made last so its hook serves it; and its end.
void createMainTooltips();
void destroyMainTooltips();
HWND controlTooltipWindow();
void fillLeagueBox();
// The tooltip of the tab strip's tips; its window belongs to the tab strip.
void createTabStripTooltip();
// Shows the team as the INI file left it: tabs, the current player and a saved LKZ order.
void showLoadedTeam();
