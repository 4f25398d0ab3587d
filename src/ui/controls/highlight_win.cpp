#include "controls/highlight_win.h"

HBRUSH renewHighlightBrush(MainWindow& window, HDC dc)
{
    const COLORREF colour = window.model.highlightColour;
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, colour);
    // The colour may have changed since the last request.
    window.highlightBrush.reset(CreateSolidBrush(colour));
    return window.highlightBrush.get();
}
