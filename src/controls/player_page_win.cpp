#include "controls/player_page_win.h"

#include "app/main_dialog.h"
#include "controls/numeric_field_win.h"
#include "rating/rating_win.h"
#include "resource.h"
#include "team/team_win.h"

#include <commctrl.h>

namespace {

struct Row {
    int wonField, lostField, clearButton;
    InputKind wonKind, lostKind;
};
const Row rows[] = {
    {IDC_WON1_FIELD, IDC_LOST1_FIELD, IDC_CLEAR1_BUTTON, Won1, Lost1},
    {IDC_WON2_FIELD, IDC_LOST2_FIELD, IDC_CLEAR2_BUTTON, Won2, Lost2},
    {IDC_WON3_FIELD, IDC_LOST3_FIELD, IDC_CLEAR3_BUTTON, Won3, Lost3},
};

int spinPos(HWND spin) { return static_cast<int>(SendMessageW(spin, UDM_GETPOS32, 0, 0)); }
void setSpinPos(HWND spin, int pos) { SendMessageW(spin, UDM_SETPOS, 0, MAKELPARAM(static_cast<short>(pos), 0)); }
void setSpinRange(HWND spin, int high) { SendMessageW(spin, UDM_SETRANGE, 0, MAKELPARAM(static_cast<short>(high), 0)); }

// Won + lost of a row may not exceed twice the matches; the partner makes room.
void onSpinStep(HWND page, const NMUPDOWN& step)
{
    HWND spin = step.hdr.hwndFrom;
    HWND partner = GetDlgItem(page, partnerSpin(static_cast<int>(step.hdr.idFrom)));
    const int limit = 2 * fieldValue(mainDialog, IDC_MATCHES_FIELD);
    int pos = step.iPos;
    if (step.iDelta > 0) {
        setSpinRange(spin, limit);
        if (pos >= limit)
            setSpinPos(spin, limit - 1);
        const int b = spinPos(partner);
        if (b > 0 && pos + b + 1 > limit)
            setSpinPos(partner, limit - pos - 1 < 0 ? 0 : limit - pos - 1);
    } else {
        setSpinRange(spin, limit + 1);
        pos = spinPos(spin);
        const int b = spinPos(partner);
        if (b > 0 && pos + b > limit)
            setSpinPos(partner, limit - pos + 1 < 0 ? 0 : limit - pos + 1);
    }
}

void onStepEnded()
{
    storePage();
    recalculate();
}

void clearRow(HWND page, const Row& row)
{
    if (fieldValue(page, row.wonField) > 0 || fieldValue(page, row.lostField) > 0) {
        SetDlgItemTextW(page, row.wonField, L"0");
        SetDlgItemTextW(page, row.lostField, L"0");
    }
    showLkzText(activeState().decimal ? "0,0" : "0");
    storePage();
    if (activeState().autoCalc) {
        setMark(row.wonKind, 0);
        setMark(row.lostKind, 0);
        calculate(0);
    }
    restoreFocus();
}

} // namespace

int partnerSpin(int spin)
{
    switch (spin) {
    case IDC_WON1_SPIN: return IDC_LOST1_SPIN;
    case IDC_LOST1_SPIN: return IDC_WON1_SPIN;
    case IDC_WON2_SPIN: return IDC_LOST2_SPIN;
    case IDC_LOST2_SPIN: return IDC_WON2_SPIN;
    case IDC_WON3_SPIN: return IDC_LOST3_SPIN;
    case IDC_LOST3_SPIN: return IDC_WON3_SPIN;
    default: return 0;
    }
}

void giveThemedBackground(HWND page)
{
    HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
    if (!uxtheme)
        return;
    using EnableTexture = HRESULT(WINAPI*)(HWND, DWORD);
    const auto enable = reinterpret_cast<EnableTexture>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "EnableThemeDialogTexture")));
    if (enable)
        enable(page, 0x00000006 /* ETDT_ENABLETAB */);
    FreeLibrary(uxtheme);
}

INT_PTR CALLBACK pageDialogProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        return FALSE;
    case WM_PAINT:
        paintWithInputMarks(page);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->code == UDN_DELTAPOS && partnerSpin(static_cast<int>(header->idFrom)))
            onSpinStep(page, *reinterpret_cast<const NMUPDOWN*>(lParam));
        SetWindowLongPtrW(page, DWLP_MSGRESULT, 0); // never refuse a step
        return 0;
    }
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_ENDSCROLL)
            onStepEnded();
        return 0;
    case WM_COMMAND:
        for (const Row& row : rows)
            if (LOWORD(wParam) == row.clearButton)
                clearRow(page, row);
        return 0;
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == GetFocus())
            return reinterpret_cast<INT_PTR>(renewHighlightBrush(reinterpret_cast<HDC>(wParam)));
        return 0;
    case WM_RBUTTONDOWN:
        SendMessageW(mainDialog, WM_CANCELMODE, 0, 0);
        SendMessageW(page, WM_CANCELMODE, 0, 0);
        return 0;
    case WM_RBUTTONUP:
        SendMessageW(tabControl, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabControl), 0);
        return 0;
    }
    return FALSE;
}
