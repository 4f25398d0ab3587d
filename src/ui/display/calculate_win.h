#pragma once
// The window half of the LKZ display: the checks on the values the controls show.
#include "controls/main_window_win.h"
#include "display/calculate.h"

// calculate on the values the controls show; 1 when an LKZ was shown.
int calculate(MainWindow& window, int interactive);
// calculate(0) with automatic calculation on, else clearLkz.
void recalculate(MainWindow& window);
