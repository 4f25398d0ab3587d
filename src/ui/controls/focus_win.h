#pragma once
// The control that gets the focus back after a button.
#include "controls/main_window_win.h"

// Gives the focus back to lastFocused; a control hidden meanwhile hands it to the league box.
void restoreFocus(MainWindow& window);
