#include "base/dialogs_win.h"

#include "base/text_win.h"

namespace {

UINT boxStyle(BoxButtons buttons, BoxIcon icon)
{
    UINT style = MB_SETFOREGROUND | (icon == BoxIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION);
    switch (buttons) {
    case BoxButtons::Ok: return style | MB_OK;
    case BoxButtons::YesNo: return style | MB_YESNO;
    case BoxButtons::YesNoCancel: return style | MB_YESNOCANCEL;
    }
    return style;
}

BoxAnswer answerOf(int result)
{
    switch (result) {
    case IDYES: return BoxAnswer::Yes;
    case IDNO: return BoxAnswer::No;
    case IDCANCEL: return BoxAnswer::Cancel;
    default: return BoxAnswer::Ok;
    }
}

} // namespace

HWND modalOwner(HWND mainDialog)
{
    HWND popup = mainDialog ? GetLastActivePopup(mainDialog) : nullptr;
    return popup && IsWindowVisible(popup) && IsWindowEnabled(popup) ? popup : mainDialog;
}

BoxAnswer showMessageBox(HWND mainDialog, const std::string& text, const std::string& title, BoxButtons buttons,
                         BoxIcon icon)
{
    const std::wstring wideText = widen(text), wideTitle = widen(title);
    int result = MessageBoxW(modalOwner(mainDialog), wideText.c_str(), wideTitle.c_str(), boxStyle(buttons, icon));
    // An owner that closed meanwhile (the About box) fails the box: the main dialog owns it.
    if (result == 0 && mainDialog)
        result = MessageBoxW(mainDialog, wideText.c_str(), wideTitle.c_str(), boxStyle(buttons, icon));
    return answerOf(result);
}

void setCheck(HWND dialog, int id, int on)
{
    const UINT state = on ? BST_CHECKED : BST_UNCHECKED;
    if (IsDlgButtonChecked(dialog, id) != state)
        CheckDlgButton(dialog, id, state);
}

void showMenuAtCursor(HMENU menu, HWND owner)
{
    if (!menu)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_LEFTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
}

void placeOnTop(HWND dialog, bool onTop)
{
    const bool topmost = (GetWindowLongPtrW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (topmost == onTop)
        return;
    SetWindowPos(dialog, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}
