#pragma once
// The formula window: the standard formula picture, or the formula with the entered values.
#include "rating/lkz.h"

#include <windows.h>

#include <optional>

// What the window shows, taken when it opens.
struct FormulaSnapshot {
    LkzInputs inputs;
    std::optional<double> lkz; // the LKZ the display shows for them; none: only the picture
    int decimal = 0;
};
// The snapshot of these inputs: the formula with values only when they give a meaningful LKZ
// and there are games.
FormulaSnapshot formulaSnapshot(const LkzInputs& inputs, int decimal);

// Opens it modally over owner; it closes on Enter, Escape or a right-button release.
void showFormulaWindow(HWND owner, const FormulaSnapshot& snapshot);
