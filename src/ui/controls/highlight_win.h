#pragma once
// The background of the focused input field, in the highlight colour.
#include "base/handles_win.h"

#include <windows.h>

// Sets the DC's background to colour and answers a fresh brush of it, which brush then owns.
HBRUSH renewHighlightBrush(AutoBrush& brush, COLORREF colour, HDC dc);
