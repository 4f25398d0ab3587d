#pragma once
// The nine inputs on the screen: their values and the red frames around implausible ones.
#include "controls/inputs.h"
#include "controls/main_window_win.h"

#include <windows.h>

// The field (or the league box) of an input.
HWND inputWindow(const MainWindow& window, int kind);

// Value of a field as the rating reads it: the leading number of its first two characters.
int fieldValue(HWND parent, int id);
void setFieldValue(HWND parent, int id, int value);

// The nine values as the controls show them; league -1 when none is chosen.
LkzInputs readInputs(const MainWindow& window);
// Shows the nine values; a league outside the table shows none.
void showInputs(const MainWindow& window, const LkzInputs& inputs);

// Keeps the six game spins of the page within the pair limit of this many matches.
void setPageSpinRanges(const MainWindow& window, int matches);

// The rectangle, in the coordinates of the window it is drawn on, inside which the frame of
// an input lies; also tells that window. Empty, with no window, for a hidden input.
RECT inputFrameRect(const MainWindow& window, int kind, HWND* surface);
// The red frames around the marked inputs of the current player.
void paintInputMarks(const MainWindow& window);
void clearInputMarks(const MainWindow& window);

// Repaints the player-count field and spin and the team-count field and spin at once, in this
// order: under a theme their frames otherwise lag behind a focus change.
void redrawPlayerCountFields(const MainWindow& window);
