#include "controls/dialogs_win.h"

HINSTANCE appInstance = nullptr;
HWND mainDialog = nullptr;
HWND pageDialog = nullptr;
HWND tabControl = nullptr;
HWND statusBar = nullptr;
HWND progressBar = nullptr;

void resetDialogWindows()
{
    mainDialog = pageDialog = tabControl = statusBar = progressBar = nullptr;
}

HWND modalOwner()
{
    HWND popup = mainDialog ? GetLastActivePopup(mainDialog) : nullptr;
    return popup && IsWindowVisible(popup) && IsWindowEnabled(popup) ? popup : mainDialog;
}

HWND surfaceWindow(Surface surface) { return surface == Surface::PlayerPage ? pageDialog : mainDialog; }

void setCheck(int id, int on)
{
    const UINT state = on ? BST_CHECKED : BST_UNCHECKED;
    if (IsDlgButtonChecked(mainDialog, id) != state)
        CheckDlgButton(mainDialog, id, state);
}

void showMenuAtCursor(HMENU menu, HWND owner)
{
    if (!menu)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
}

void placeOnTop(bool onTop)
{
    const bool topmost = (GetWindowLongPtrW(mainDialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost == onTop)
        return;
    SetWindowPos(mainDialog, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
