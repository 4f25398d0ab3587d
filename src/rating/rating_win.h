#pragma once
// The window half of the rating: inputs from the controls, results to the display.
#include "rating/calculate.h"

LkzInputs readInputs();
int calculate(int interactive);
int valuesFormulaUnavailable();
// Lends the rating core the LKZ display, the frames, the league list and the message boxes.
void connectRatingToWindow();
