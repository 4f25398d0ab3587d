#include "team/tabs_win.h"

#include "base/dpi_win.h"
#include "base/subclass_win.h"
#include "base/text_win.h"
#include "controls/dialogs_win.h"
#include "controls/focus_win.h"
#include "resource.h"
#include "team/team.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Names are typed up to this many characters; a longer one can only come from the INI file.
constexpr int renameLimit = 60;

struct TabsState {
    HWND tabScroller = nullptr;   // the strip's scroll arrows, once hooked
    bool renaming = false;        // the rename field is out, a name not yet committed
    bool startingRename = false;
    bool renameCancelled = false; // Escape: the name goes back to renameOriginal
    std::string renameOriginal;
    // The last tab tip, kept until the next request: the tooltip reads it after we return.
    std::wstring tipText;
    std::string tipTextAnsi;
};
TabsState tabs;

HWND renameField() { return GetDlgItem(mainDialog, IDC_RENAME_FIELD); }

void repaintPage() { RedrawWindow(pageDialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

// Over the label of the selected tab, inside the strip and clear of its scroll arrows.
void placeRenameField(HWND field, int index)
{
    RECT tab;
    if (!TabCtrl_GetItemRect(tabControl, index, &tab))
        return;
    RECT client;
    GetClientRect(tabControl, &client);
    LONG right = std::min(tab.right - 2, client.right - 3);
    if (tabs.tabScroller && IsWindowVisible(tabs.tabScroller)) {
        RECT arrows;
        GetWindowRect(tabs.tabScroller, &arrows);
        MapWindowPoints(nullptr, tabControl, reinterpret_cast<POINT*>(&arrows), 2);
        right = std::min(right, arrows.left - 2);
    }
    RECT place = {tab.left + 3, tab.top, std::max(right, tab.left + 20), tab.bottom};
    MapWindowPoints(tabControl, mainDialog, reinterpret_cast<POINT*>(&place), 2);
    SetWindowPos(field, HWND_TOP, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOACTIVATE);
}

// The rename ends: the typed name (or, after Escape, the old one) is stored and labels the tab.
void finishRename(HWND gettingFocus)
{
    if (!tabs.renaming)
        return;
    tabs.renaming = false;
    HWND field = renameField();
    if (IsWindowVisible(field))
        ShowWindow(field, SW_HIDE);
    const int index = TabCtrl_GetCurSel(tabControl);
    TeamState& state = activeState();
    const std::string typed = tabs.renameCancelled ? tabs.renameOriginal : narrow(windowText(field));
    tabs.renameCancelled = false;
    setPlayerName(state, index, renamedName(state, index, typed));
    std::wstring label = widen(tabLabel(state, index));
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = &label[0];
    SendMessageW(tabControl, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
    syncTabTips();
    // A click on another control keeps the focus there; only a field that was hidden hands it back.
    if (gettingFocus == mainDialog)
        restoreFocus();
    repaintPage();
}

LRESULT CALLBACK renameFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Enter and Escape end the rename instead of pressing the dialog's buttons.
        return callPreviousProc(field, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_LBUTTONDBLCLK:
        SendMessageW(field, EM_SETSEL, 0, -1);
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_RETURN) {
            tabs.renameCancelled = wParam == VK_ESCAPE;
            hideRenameEdit();
            return 0; // the field would pass Enter on to the dialog's default button
        }
        break;
    case WM_CHAR:
        if (wParam == L'\r' || wParam == 0x1B)
            return 0; // the key has ended the rename already; the field would only beep
        break;
    case WM_SETFOCUS:
        // A dialog coming back to the front restores the focus it saved, maybe to this field.
        if (!IsWindowVisible(field)) {
            restoreFocus();
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        finishRename(reinterpret_cast<HWND>(wParam));
        break;
    }
    return callPreviousProc(field, message, wParam, lParam);
}

LRESULT CALLBACK tabScrollerProc(HWND arrows, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        hideRenameEdit();
        break;
    case WM_NCDESTROY:
        tabs.tabScroller = nullptr;
        break;
    }
    return callPreviousProc(arrows, message, wParam, lParam);
}

} // namespace

void rebuildTabs()
{
    TabCtrl_DeleteAllItems(tabControl);
    TeamState& state = activeState();
    for (size_t i = 0; i < state.players.size(); ++i) {
        std::wstring text = widen(tabLabel(state, static_cast<int>(i)));
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &text[0];
        SendMessageW(tabControl, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    syncTabTips();
}

void relabelTabs()
{
    TeamState& state = activeState();
    const int count = static_cast<int>(state.players.size());
    if (TabCtrl_GetItemCount(tabControl) != count) {
        rebuildTabs();
        return;
    }
    std::vector<std::wstring> changed(count);
    bool anyChanged = false;
    for (int i = 0; i < count; ++i) {
        std::wstring label = widen(tabLabel(state, i));
        wchar_t shown[256] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = shown;
        item.cchTextMax = 256;
        SendMessageW(tabControl, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        if (label != shown) {
            changed[i] = std::move(label);
            anyChanged = true;
        }
    }
    if (!anyChanged)
        return;
    // One repaint of the strip for all the new labels, not one per label.
    SendMessageW(tabControl, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
        if (changed[i].empty())
            continue;
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = &changed[i][0];
        SendMessageW(tabControl, TCM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tabControl, WM_SETREDRAW, TRUE, 0);
    // Only the row of tabs changed, not the area below them that the page covers.
    RECT row;
    GetClientRect(tabControl, &row);
    RECT first;
    if (TabCtrl_GetItemRect(tabControl, 0, &first))
        row.bottom = std::min(row.bottom, first.bottom + scaled(4)); // the selected tab stands out
    RedrawWindow(tabControl, &row, nullptr, RDW_INVALIDATE | RDW_ERASE);
    syncTabTips();
}

void installRenameField()
{
    // The field's own limit also cuts a pasted name.
    SendMessageW(renameField(), EM_SETLIMITTEXT, renameLimit, 0);
    subclassWindow(renameField(), renameFieldProc);
}

void hookTabScroller()
{
    if (tabs.tabScroller)
        return;
    HWND arrows = GetWindow(tabControl, GW_CHILD);
    if (!arrows)
        return;
    tabs.tabScroller = arrows;
    subclassWindow(arrows, tabScrollerProc);
}

bool isRenameEditVisible() { return IsWindowVisible(renameField()) != FALSE; }

void hideRenameEdit()
{
    if (!isRenameEditVisible())
        return;
    HWND field = renameField();
    if (GetFocus() == field)
        SetFocus(mainDialog); // the field's loss of the focus commits the name
    else
        finishRename(nullptr);
    ShowWindow(field, SW_HIDE);
}

void startRename()
{
    hookTabScroller();
    if (tabs.startingRename)
        return;
    const int index = TabCtrl_GetCurSel(tabControl);
    TeamState& state = activeState();
    if (index < 0 || index >= static_cast<int>(state.players.size()))
        return;
    tabs.startingRename = true;
    tabs.renameOriginal = state.players[index].name;
    tabs.renameCancelled = false;
    HWND field = renameField();
    placeRenameField(field, index);
    SetWindowTextW(field, widen(tabs.renameOriginal).c_str());
    SendMessageW(field, EM_SETSEL, 0, -1);
    tabs.renaming = true;
    ShowWindow(field, SW_SHOW);
    SetFocus(field);
    tabs.startingRename = false;
}

bool tabScrollerContains(POINT screen)
{
    if (!tabs.tabScroller || !IsWindowVisible(tabs.tabScroller))
        return false;
    RECT arrows;
    GetWindowRect(tabs.tabScroller, &arrows);
    return PtInRect(&arrows, screen) != FALSE;
}

void syncTabTips()
{
    HWND tips = TabCtrl_GetToolTips(tabControl);
    if (!tips)
        return;
    const int count = TabCtrl_GetItemCount(tabControl);
    for (int i = 0; i < maxTeamSize + 1; ++i) {
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE; // every common-controls version takes it
        tool.hwnd = tabControl;
        tool.uId = static_cast<UINT_PTR>(i);
        const bool exists = SendMessageW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
        if (i >= count) {
            if (exists)
                SendMessageW(tips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
            continue;
        }
        // A tab scrolled out of sight keeps an empty place.
        RECT place;
        if (!TabCtrl_GetItemRect(tabControl, i, &place))
            SetRectEmpty(&place);
        if (exists) {
            if (!EqualRect(&place, &tool.rect)) {
                tool.rect = place;
                SendMessageW(tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
            }
        } else {
            tool.rect = place;
            tool.lpszText = LPSTR_TEXTCALLBACKW;
            SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

namespace {

bool tabTipWanted(const NMHDR& header)
{
    const int index = static_cast<int>(header.idFrom);
    return activeState().tabTooltip == 1 && index >= 0 && index < static_cast<int>(activeState().players.size());
}

} // namespace

bool answerTabTip(NMTTDISPINFOW& request)
{
    if (!tabTipWanted(request.hdr))
        return false;
    tabs.tipText = widen(tabTipText(activeState(), static_cast<int>(request.hdr.idFrom)));
    request.lpszText = &tabs.tipText[0];
    request.hinst = nullptr;
    return true;
}

bool answerTabTip(NMTTDISPINFOA& request)
{
    if (!tabTipWanted(request.hdr))
        return false;
    const std::wstring text = widen(tabTipText(activeState(), static_cast<int>(request.hdr.idFrom)));
    const int length = WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    tabs.tipTextAnsi.assign(std::max(length, 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, &tabs.tipTextAnsi[0], length, nullptr, nullptr);
    request.lpszText = &tabs.tipTextAnsi[0];
    request.hinst = nullptr;
    return true;
}

void resetTabs() { tabs = TabsState{}; }
