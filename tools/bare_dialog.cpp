// The yardstick for the program's start (tools/bench.cpp): the program's own dialog templates,
// manifest and control classes, a status bar, a progress bar and four tabs, and nothing else.
#include "resource.h"

#include <windows.h>
#include <commctrl.h>

namespace {

INT_PTR CALLBACK pageProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

void onInitDialog(HWND dialog)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog, nullptr,
                                  instance, nullptr);
    CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 186, 2, 185, 20, status, nullptr, instance, nullptr);
    CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_PLAYER_PAGE), dialog, pageProc, 0);
    wchar_t label[] = L"Spieler";
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = label;
    for (int i = 0; i < 4; ++i)
        SendDlgItemMessageW(dialog, IDC_PLAYER_TABS, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
}

INT_PTR CALLBACK bareProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDC_EXIT_BUTTON)
            EndDialog(dialog, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, bareProc, 0));
}
