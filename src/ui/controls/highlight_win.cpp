#include "controls/highlight_win.h"

#include "settings/settings.h"

AutoBrush highlightBrush;

HBRUSH renewHighlightBrush(HDC dc)
{
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, highlightColour);
    // The colour may have changed since the last request.
    highlightBrush.reset(CreateSolidBrush(highlightColour));
    return highlightBrush.get();
}
