#include "fields/player_page_win.h"

#include "base/handles_win.h"
#include "controls/dialogs_win.h"
#include "controls/highlight_win.h"
#include "controls/input_fields_win.h"
#include "controls/notifications_win.h"
#include "display/calculate_win.h"
#include "resource.h"

#include <commctrl.h>
#include <windowsx.h>

namespace {

int spinPos(HWND spin) { return static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0)); }
void setSpinPos(HWND spin, int pos) { SendMessageW(spin, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(pos), 0)); }
void setSpinRange(HWND spin, int high) { SendMessageW(spin, UDM_SETRANGE, 0, MAKELPARAM(static_cast<short>(high), 0)); }

// Won + lost of a row may not exceed twice the matches; the partner makes room.
void onSpinStep(HWND page, const InputControl& input, const NMUPDOWN& step)
{
    HWND spin = step.hdr.hwndFrom;
    HWND partner = GetDlgItem(page, inputControls[input.partner].spin);
    const int limit = 2 * fieldValue(mainDialog, IDC_MATCHES_FIELD);
    setSpinRange(spin, pairRangeHigh(limit, step.iDelta));
    const int pos = step.iDelta > 0 ? step.iPos : spinPos(spin);
    const PairStep result = pairStep(limit, step.iDelta, pos, spinPos(partner));
    if (result.spinPos)
        setSpinPos(spin, *result.spinPos);
    if (result.partnerPos)
        setSpinPos(partner, *result.partnerPos);
}

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
    showLkzText(activeState().decimal ? "0,0" : "0");
    notifyMainWindow(GetDlgItem(page, button), PN_ROW_CLEARED);
}

LRESULT onNotify(HWND page, const NMHDR& header)
{
    if (header.code == UDN_DELTAPOS) {
        const InputControl* input = inputOfSpin(static_cast<int>(header.idFrom));
        if (input && input->surface == Surface::PlayerPage)
            onSpinStep(page, *input, reinterpret_cast<const NMUPDOWN&>(header));
    }
    return 0; // never refuse a step
}

void onVScroll(HWND page, int code)
{
    if (code == SB_ENDSCROLL)
        notifyMainWindow(page, PN_SPIN_ENDED);
}

void onCommand(HWND page, int id) { clearRow(page, id); }

HBRUSH onControlColour(HDC dc, HWND control)
{
    return control == GetFocus() ? renewHighlightBrush(dc) : nullptr;
}

void onRightButtonDown(HWND page)
{
    SendMessageW(mainDialog, WM_CANCELMODE, 0, 0);
    SendMessageW(page, WM_CANCELMODE, 0, 0);
    notifyMainWindow(page, PN_CLICKED);
}

void onRightButtonUp() { SendMessageW(tabControl, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabControl), 0); }

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
        paintWithInputMarks(page);
        return FALSE;
    case WM_NOTIFY:
        return SetDlgMsgResult(page, message, onNotify(page, *reinterpret_cast<const NMHDR*>(lParam)));
    case WM_VSCROLL:
        onVScroll(page, LOWORD(wParam));
        return FALSE;
    case WM_COMMAND:
        onCommand(page, LOWORD(wParam));
        return FALSE;
    case WM_CTLCOLOREDIT:
        // Colour requests answer the brush itself, not through DWLP_MSGRESULT.
        return reinterpret_cast<INT_PTR>(onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_LBUTTONDOWN:
        notifyMainWindow(page, PN_CLICKED);
        return FALSE;
    case WM_RBUTTONDOWN:
        onRightButtonDown(page);
        return FALSE;
    case WM_RBUTTONUP:
        onRightButtonUp();
        return FALSE;
    }
    return FALSE;
}
