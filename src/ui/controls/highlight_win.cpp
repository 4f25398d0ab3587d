#include "controls/highlight_win.h"

HBRUSH renewHighlightBrush(AutoBrush& brush, COLORREF colour, HDC dc)
{
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, colour);
    // The colour may have changed since the last request.
    brush.reset(CreateSolidBrush(colour));
    return brush.get();
}
