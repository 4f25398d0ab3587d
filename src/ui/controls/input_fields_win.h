#pragma once
// The nine inputs on the screen: their values and the red frames around implausible ones.
#include "controls/inputs.h"
#include "team/team.h"

#include <windows.h>

// The two dialogs the nine inputs lie on: the main dialog and its player page.
struct InputSurfaces {
    HWND dialog;
    HWND page;
};

// The dialog that holds the controls of a surface.
HWND surfaceWindow(const InputSurfaces& surfaces, Surface surface);
// The field (or the league box) of an input.
HWND inputWindow(const InputSurfaces& surfaces, int kind);

// Value of a field as the rating reads it: the leading number of its first two characters.
int fieldValue(HWND parent, int id);
void setFieldValue(HWND parent, int id, int value);

// The nine values as the controls show them; league -1 when none is chosen.
LkzInputs readInputs(const InputSurfaces& surfaces);
// Shows the nine values; a league outside the table shows none.
void showInputs(const InputSurfaces& surfaces, const LkzInputs& inputs);

// Keeps the six game spins of the page within the pair limit of this many matches.
void setPageSpinRanges(HWND page, int matches);

// The rectangle, in the coordinates of the window it is drawn on, inside which the frame of
// an input lies; also tells that window. Empty, with no window, for a hidden input.
RECT inputFrameRect(const InputSurfaces& surfaces, int kind, HWND* surface);
// The red frames around the marked inputs of player (none without one); with neutralFrames the
// unmarked inputs get a frame in their background's colour, over any red one left behind.
void paintInputMarks(const InputSurfaces& surfaces, const PlayerRecord* player, bool neutralFrames);
void clearInputMarks(const InputSurfaces& surfaces);

// Repaints the player-count field and spin and the team-count field and spin at once, in this
// order: under a theme their frames otherwise lag behind a focus change.
void redrawPlayerCountFields(HWND dialog);
