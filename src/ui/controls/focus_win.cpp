#include "controls/focus_win.h"

#include "resource.h"

void restoreFocus(MainWindow& window)
{
    if (!window.lastFocused)
        return;
    if (!IsWindowVisible(window.lastFocused))
        window.lastFocused = GetDlgItem(window.dialog, IDC_LEAGUE_BOX);
    SetFocus(window.lastFocused);
}
