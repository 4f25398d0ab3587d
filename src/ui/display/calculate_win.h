#pragma once
// The window half of the LKZ display: inputs from the controls, the main dialog as the view.
#include "display/calculate.h"

// calculate on the values the controls show.
int calculate(int interactive);
int valuesFormulaUnavailable();
// calculate(0) with automatic calculation on, else clearLkz().
void recalculate();

// Makes the main dialog the core's view; the view stays until the process ends.
void installDialogView();
