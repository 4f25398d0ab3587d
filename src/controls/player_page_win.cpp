#include "controls/player_page_win.h"

#include "base/handles_win.h"
#include "controls/dialogs_win.h"
#include "controls/highlight_win.h"
#include "controls/input_fields_win.h"
#include "controls/tooltip_win.h"
#include "controls/focus_win.h"
#include "display/calculate_win.h"
#include "resource.h"
#include "team/tabs_win.h"
#include "team/team_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <memory>

namespace {

// Shows the tab tips; its window belongs to the tab strip, which destroys it when it goes.
std::unique_ptr<Tooltip> tabStripTooltip;

void onInitDialog()
{
    tabStripTooltip = std::make_unique<Tooltip>(mainDialog);
    tabStripTooltip->setMaxTipWidth(550);
    tabStripTooltip->setReshowDelay(750);
    SendMessageW(tabControl, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(tabStripTooltip->handOver()), 0);
}

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

void clearRow(HWND page, int button)
{
    int kinds[2] = {-1, -1};
    int found = 0;
    for (const InputControl& input : inputControls)
        if (input.clearButton != 0 && input.clearButton == button && found < 2)
            kinds[found++] = input.kind;
    if (found != 2)
        return;
    const InputControl& won = inputControls[kinds[0]];
    const InputControl& lost = inputControls[kinds[1]];
    if (fieldValue(page, won.field) > 0 || fieldValue(page, lost.field) > 0) {
        SetDlgItemTextW(page, won.field, L"0");
        SetDlgItemTextW(page, lost.field, L"0");
    }
    showLkzText(activeState().decimal ? "0,0" : "0");
    storePage();
    if (activeState().autoCalc) {
        setMark(won.kind, 0);
        setMark(lost.kind, 0);
        calculate(0);
    } else {
        // The LKZ order sorts by the stored values, cleared row included.
        recomputePlayerLkz(activeState(), currentPlayerIndex());
    }
    keepLkzOrder();
    restoreFocus();
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

void onVScroll(int code)
{
    if (code == SB_ENDSCROLL) {
        storePage();
        recalculate();
        keepLkzOrder();
    }
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
    hideRenameEdit();
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
        onInitDialog();
        return FALSE;
    case WM_PAINT:
        paintWithInputMarks(page);
        return FALSE;
    case WM_NOTIFY:
        return SetDlgMsgResult(page, message, onNotify(page, *reinterpret_cast<const NMHDR*>(lParam)));
    case WM_VSCROLL:
        onVScroll(LOWORD(wParam));
        return FALSE;
    case WM_COMMAND:
        onCommand(page, LOWORD(wParam));
        return FALSE;
    case WM_CTLCOLOREDIT:
        // Colour requests answer the brush itself, not through DWLP_MSGRESULT.
        return reinterpret_cast<INT_PTR>(onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_LBUTTONDOWN:
        hideRenameEdit();
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
