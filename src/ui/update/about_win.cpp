#include "update/about_win.h"

#include "base/dialog_state_win.h"
#include "base/handles_win.h"
#include "base/libraries_win.h"
#include "base/subclass_win.h"
#include "base/text_win.h"
#include "base/version.h"
#include "base/window_rect_win.h"
#include "base/dialogs_win.h"
#include "resource.h"
#include "update/site.h"

#include <shellapi.h>

#include <string>

namespace {

constexpr int linkIds[] = {IDC_ABOUT_MAIL_LINK, IDC_ABOUT_WEB_LINK, IDC_ABOUT_UPDATE_LINK};
constexpr int linkCount = 3;

// What the open box keeps, from WM_INITDIALOG to WM_NCDESTROY, with the box (DWLP_USER).
struct AboutBox {
    HWND box = nullptr;
    AutoFont linkFont;      // link 1028's font
    AutoFont linkFontPlain; // link 1029's, never underlined
    AutoFont linkFontHover; // the same, underlined
    bool tracking[linkCount] = {}; // the link has asked to hear when the pointer leaves
    HCURSOR linkCursor = nullptr;
};

// The record of the box that holds link.
AboutBox* aboutOfLink(HWND link) { return dialogState<AboutBox>(GetParent(link)); }

int linkIndex(HWND link)
{
    const int id = GetDlgCtrlID(link);
    for (int i = 0; i < linkCount; ++i)
        if (linkIds[i] == id)
            return i;
    return -1;
}

LOGFONTW fontOf(HWND control)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW description = {};
    GetObjectW(font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT), sizeof description, &description);
    return description;
}

void onLinkLeave(HWND link, AboutBox& about)
{
    const int index = linkIndex(link);
    if (index >= 0)
        about.tracking[index] = false;
    SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(about.linkFontPlain.get()), TRUE);
    // The link draws transparently: the box behind it is painted again, or the underline stays.
    const RECT rect = childRect(about.box, link);
    RedrawWindow(about.box, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void onLinkMouseMove(HWND link, AboutBox& about)
{
    const int index = linkIndex(link);
    if (index < 0 || about.tracking[index])
        return;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, link, 0};
    if (TrackMouseEvent(&track))
        about.tracking[index] = true;
}

LRESULT CALLBACK linkProc(HWND link, UINT message, WPARAM wParam, LPARAM lParam)
{
    AboutBox* state = aboutOfLink(link);
    if (!state)
        return callPreviousProc(link, message, wParam, lParam);
    AboutBox& about = *state;
    switch (message) {
    case WM_SETCURSOR:
        // Every mouse move asks; the link is redrawn only when the underline is new.
        if (reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0)) != about.linkFontHover.get())
            SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(about.linkFontHover.get()), TRUE);
        SetCursor(about.linkCursor);
        return TRUE;
    case WM_MOUSEMOVE:
        onLinkMouseMove(link, about);
        break;
    case WM_MOUSELEAVE:
        onLinkLeave(link, about);
        break;
    }
    return callPreviousProc(link, message, wParam, lParam);
}

void makeLinkFonts(HWND box, AboutBox& about)
{
    LOGFONTW mailFont = fontOf(GetDlgItem(box, IDC_ABOUT_MAIL_LINK));
    about.linkFont.reset(CreateFontIndirectW(&mailFont));
    LOGFONTW webFont = fontOf(GetDlgItem(box, IDC_ABOUT_WEB_LINK));
    webFont.lfUnderline = FALSE;
    about.linkFontPlain.reset(CreateFontIndirectW(&webFont));
    webFont.lfUnderline = TRUE;
    about.linkFontHover.reset(CreateFontIndirectW(&webFont));
}

void onInitDialog(HWND box, const std::wstring& settingsFile)
{
    AboutBox& about = createDialogState<AboutBox>(box);
    about.box = box;
    SetDlgItemTextW(box, IDC_ABOUT_TITLE, windowTitle);
    SetDlgItemTextW(box, IDC_ABOUT_SETTINGS_FILE, settingsFile.c_str());
    SetDlgItemTextW(box, IDC_ABOUT_WEB_LINK, widen(updateSite.homepage).c_str());
    SetDlgItemTextW(box, IDC_ABOUT_MAIL_LINK, widen(updateSite.mail).c_str());
    makeLinkFonts(box, about);
    for (int id : {IDC_ABOUT_MAIL_LINK, IDC_ABOUT_WEB_LINK})
        SendDlgItemMessageW(box, id, WM_SETFONT, reinterpret_cast<WPARAM>(about.linkFont.get()), FALSE);
    for (int id : linkIds)
        subclassWindow(GetDlgItem(box, id), linkProc);
    about.linkCursor = LoadCursorW(nullptr, IDC_HAND);
}

HBRUSH onControlColour(HDC dc, HWND control)
{
    if (linkIndex(control) < 0)
        return nullptr;
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
}

void openLink(HWND box, int id)
{
    switch (id) {
    case IDC_ABOUT_MAIL_LINK: {
        if (!loadLibrariesFor(Feature::Links, box))
            break;
        ComApartment com;
        const std::wstring mail = L"mailto:" + widen(updateSite.mail) + L"?subject=Kadermeister";
        ShellExecuteW(box, L"open", mail.c_str(), nullptr, nullptr, SW_HIDE);
        break;
    }
    case IDC_ABOUT_WEB_LINK: {
        if (!loadLibrariesFor(Feature::Links, box))
            break;
        ComApartment com;
        ShellExecuteW(box, nullptr, widen(updateSite.homepage).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
        break;
    }
    case IDC_ABOUT_UPDATE_LINK:
        // The check is the main dialog's; the box stays open.
        SendMessageW(GetWindow(box, GW_OWNER), WM_COMMAND, IDM_CHECK_UPDATE, 0);
        break;
    }
}

void onCommand(HWND box, int id, int code)
{
    if (id == IDOK || id == IDCANCEL)
        EndDialog(box, id);
    else if (code == STN_CLICKED)
        openLink(box, id);
}

// The links are gone by now, so their fonts can go.
void onNcDestroy(HWND box) { destroyDialogState<AboutBox>(box); }

INT_PTR CALLBACK aboutProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(box, *reinterpret_cast<const std::wstring*>(lParam));
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(onControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_COMMAND:
        onCommand(box, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_NCDESTROY:
        onNcDestroy(box);
        return FALSE;
    }
    return FALSE;
}

} // namespace

void showAboutBox(HWND owner, const std::wstring& settingsFile)
{
    DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_ABOUT), owner, aboutProc,
                    reinterpret_cast<LPARAM>(&settingsFile));
}
