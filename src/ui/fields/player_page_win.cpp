#include "fields/player_page_win.h"

#include "base/handles_win.h"
#include "controls/input_fields_win.h"
#include "controls/inputs.h"
#include "controls/notifications_win.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

// Empties the row; storing, computing and re-sorting are the main dialog's to decide.
void clearRow(HWND page, int button)
{
    InputKind won, lost;
    if (!clearedRow(button, won, lost))
        return;
    const int wonField = inputControls[won].field;
    const int lostField = inputControls[lost].field;
    if (fieldValue(page, wonField) > 0 || fieldValue(page, lostField) > 0) {
        SetDlgItemTextW(page, wonField, L"0");
        SetDlgItemTextW(page, lostField, L"0");
    }
    SendMessageW(GetParent(page), WM_COMMAND, MAKEWPARAM(button, PN_ROW_CLEARED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, button)));
}

// A clear button empties its row; what a number field tells, the page's owner must hear.
void onCommand(HWND page, WPARAM wParam, LPARAM lParam)
{
    if (isFieldNotification(HIWORD(wParam)))
        SendMessageW(GetParent(page), WM_COMMAND, wParam, lParam);
    else if (HIWORD(wParam) == BN_CLICKED)
        clearRow(page, LOWORD(wParam));
}

void onPaint(HWND page)
{
    {
        ScopedPaint paint(page);
    }
    notifyParent(page, PN_PAINTED);
}

} // namespace

void giveThemedBackground(HWND page)
{
    AutoLibrary uxtheme(LoadLibraryW(L"uxtheme.dll"));
    if (!uxtheme)
        return;
    using EnableTexture = HRESULT(WINAPI*)(HWND, DWORD);
    const auto enable = reinterpret_cast<EnableTexture>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme.get(), "EnableThemeDialogTexture")));
    if (enable)
        enable(page, 0x00000006 /* ETDT_ENABLETAB */);
}

INT_PTR CALLBACK pageDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return FALSE;
    case WM_PAINT:
        onPaint(page);
        return FALSE;
    case WM_NOTIFY:
        // The fields' key releases and the spins' steps are the owner's: it keeps the pair limit
        // and may refuse a step.
        return SetDlgMsgResult(page, message, SendMessageW(GetParent(page), WM_NOTIFY, wParam, lParam));
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_ENDSCROLL)
            notifyParent(page, PN_SPIN_ENDED);
        return FALSE;
    case WM_COMMAND:
        onCommand(page, wParam, lParam);
        return FALSE;
    case WM_CTLCOLOREDIT:
        // Colour requests answer the brush itself, not through DWLP_MSGRESULT.
        return static_cast<INT_PTR>(SendMessageW(GetParent(page), message, wParam, lParam));
    case WM_LBUTTONDOWN:
        notifyParent(page, PN_CLICKED);
        return FALSE;
    case WM_RBUTTONDOWN:
        notifyParent(page, PN_RIGHT_PRESSED);
        return FALSE;
    case WM_RBUTTONUP:
        notifyParent(page, PN_MENU_WANTED);
        return FALSE;
    }
    return FALSE;
}
