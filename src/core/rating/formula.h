#pragma once
// The formula with the entered values, as the formula window shows it. Window-free.
#include "rating/lkz.h"

#include <string>

// "LKZ = ((2,3 * 10 - 4) + (1,5 * 2 - 1))": the terms of the Paarkreuze with games; "LKZ = "
// only in front of the 1. Paarkreuz's term.
std::string formulaLeftPart(const LkzInputs& inputs);

// The numerator of the matches' fraction, "9 * 2".
std::string formulaMatchesText(const LkzInputs& inputs);

// " = 207" or, with decimal, " = 207,176".
std::string formulaResultText(double value, int decimal);
