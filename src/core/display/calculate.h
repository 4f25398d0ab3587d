#pragma once
// The LKZ display: the checks applied to the shown player, the result and its text. Window-free;
// it reaches the window through the view it is handed.
#include "base/view.h"
#include "rating/checks.h"
#include "team/team.h"

#include <string>

// The marks of the current player of the active mode.
void setMark(TeamModel& model, int kind, int value);
int getMark(const TeamModel& model, int kind);
bool anyMark(const TeamModel& model);
void clearMarks(TeamModel& model);

// The checks, the marks, the messages (interactive only) and the display; 1 when an LKZ was shown.
int calculateFrom(TeamModel& model, View& view, const LkzInputs& inputs, int interactive);

void clearLkz(TeamModel& model, View& view);
// Shows text in the LKZ display and refreshes the current player's stored LKZ.
void showLkzText(TeamModel& model, View& view, const std::string& text);
void toggleDecimalOutput(TeamModel& model, View& view);
