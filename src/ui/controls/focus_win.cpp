#include "controls/focus_win.h"

#include "resource.h"

void restoreFocus(HWND dialog, HWND& lastFocused)
{
    if (!lastFocused)
        return;
    if (!IsWindowVisible(lastFocused))
        lastFocused = GetDlgItem(dialog, IDC_LEAGUE_BOX);
    SetFocus(lastFocused);
}
