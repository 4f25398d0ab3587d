#pragma once
// The formula window: the standard formula picture, or the formula with the entered values.
#include <windows.h>

// Opens it modally over the main dialog; it closes on Enter, Escape or a right-button release.
void showFormulaWindow();
INT_PTR CALLBACK formulaDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The LKZ for the window, from the values the controls show.
double formulaValue();
// Paints the client area white and, unless the picture is shown, the formula with values; the
// right end of what it drew, in client pixels, or 0.
int drawValuesFormula(HWND window);

void centreOnScreen(HWND window);
void centreHorizontally(HWND window);
