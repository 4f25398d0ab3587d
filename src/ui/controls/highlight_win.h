#pragma once
// The background of the focused input field, in the model's highlight colour.
#include "controls/main_window_win.h"

// Sets the DC's background to the highlight colour and answers a fresh brush of it.
HBRUSH renewHighlightBrush(MainWindow& window, HDC dc);
