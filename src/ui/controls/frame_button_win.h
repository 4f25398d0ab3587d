#pragma once
// A "..." push button inside an edit field's frame, at its right end, without a window of its
// own. A click posts WM_COMMAND with the command id (high word 0, no control) to the parent.
#include <windows.h>

// Width in pixels. False when the button's record could not be made.
bool installFrameButton(HWND window, WORD command, int width);
