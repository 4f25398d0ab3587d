#include "controls/focus_win.h"

#include "controls/dialogs_win.h"
#include "resource.h"

HWND lastFocused = nullptr;

void resetFieldFocus() { lastFocused = nullptr; }

void restoreFocus()
{
    if (!lastFocused)
        return;
    if (!IsWindowVisible(lastFocused))
        lastFocused = GetDlgItem(mainDialog, IDC_LEAGUE_BOX);
    SetFocus(lastFocused);
}
