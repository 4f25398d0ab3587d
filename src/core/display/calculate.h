#pragma once
// The LKZ display: the checks applied to the shown player, the result and its text. Window-free;
// it reaches the window through the installed view.
#include "rating/checks.h"
#include "team/team.h"

#include <string>

// The LKZ last shown.
extern float currentLkz;

// The marks of the current player of the active mode.
void setMark(int kind, int value);
int getMark(int kind);
bool anyMark();

// The checks, the marks, the messages (interactive only) and the display; 1 when an LKZ was shown.
int calculateFrom(const LkzInputs& inputs, int interactive);

void clearLkz();
// Shows text in the LKZ display and refreshes the current player's stored LKZ.
void showLkzText(const std::string& text);
void toggleDecimalOutput();
