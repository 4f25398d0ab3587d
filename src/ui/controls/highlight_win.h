#pragma once
// The background of the focused input field, in highlightColour.
#include "base/handles_win.h"

extern AutoBrush highlightBrush;

// Sets the DC's background to highlightColour and answers a fresh highlightBrush for it.
HBRUSH renewHighlightBrush(HDC dc);
