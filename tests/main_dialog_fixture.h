#pragma once
// Opens the real main dialog from its template on an INI file of the test's own, and drives it
// as the user would: by control id and message.
#include "app/main_dialog_win.h"
#include "base/dialogs_win.h"
#include "base/handles_win.h"
#include "controls/input_fields_win.h"
#include "resource.h"
#include "win_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// An INI file with a saved team: "ShowEinzel=0", "SaveData=1", the given number of players and
// each player's "Spieler%d" text (18 characters, or anything else to test a faulty one); names
// and further keys of the team's section as written, CRLF at each line's end.
inline std::string savedTeam(const std::vector<std::string>& values, const std::string& teamKeys = "",
                             const std::string& names = "")
{
    std::string text = "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=" +
                       std::to_string(values.size()) + "\r\n" + teamKeys;
    for (size_t i = 0; i < values.size(); ++i)
        text += "Spieler" + std::to_string(i + 1) + "=" + values[i] + "\r\n";
    return text + names;
}

// One main dialog: made by open(), ended the program's way by close(), started again on the same
// file by reopen(). Each test has its own folder and INI file.
class MainDialogWindow {
public:
    HWND dialog = nullptr;
    HWND page = nullptr; // the player page over the tab strip
    HWND tabs = nullptr; // the tab strip
    std::wstring folder;
    std::wstring iniPath;

    ~MainDialogWindow()
    {
        close();
        if (!folder.empty())
            removeTempFolder(folder);
    }

    void open(const std::string& ini = "")
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                              ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        folder = makeTempFolder();
        iniPath = folder + L"Kadermeister.ini";
        if (!ini.empty())
            writeFileBytes(iniPath, ini);
        start();
    }

    // Starts the dialog again on the same INI file, as the next start of the program would.
    void reopen()
    {
        close();
        start();
    }

    void start()
    {
        MainDialogStart start;
        start.iniPath = iniPath;
        dialog = CreateDialogParamW(appInstance(), MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc,
                                    reinterpret_cast<LPARAM>(&start));
        ASSERT_NE(dialog, nullptr) << "CreateDialogParam failed, error " << GetLastError();
        page = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
        tabs = GetDlgItem(dialog, IDC_PLAYER_TABS);
        ShowWindow(dialog, SW_SHOW);
        // Drawn first, then the tooltips the window makes once it has been drawn.
        flushEvents(0);
        fireTimer(dialog, IDT_TOOLTIPS);
        flushEvents(0);
    }

    // Ends the program's way (WM_CLOSE), as the user's close button would.
    void close()
    {
        if (dialog && IsWindow(dialog)) {
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            DestroyWindow(dialog);
        }
        dialog = page = tabs = nullptr;
        flushEvents(0);
    }

    std::string ini() const { return readFileBytes(iniPath); }

    static std::wstring text(HWND parent, int id) { return controlText(parent, id); }
    std::wstring display() const { return text(dialog, IDC_LKZ_DISPLAY); }
    static void setText(HWND parent, int id, const wchar_t* value) { SetDlgItemTextW(parent, id, value); }
    static void click(HWND parent, int id)
    {
        // What a button tells its parent when it is clicked.
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
        flushEvents(0);
    }
    // A command of a menu (the options menu, the tab strip's or the system menu's "Info..."), as
    // the menu sends it to the main dialog.
    void menuCommand(int id) const
    {
        SendMessageW(dialog, WM_COMMAND, id, 0);
        flushEvents(0);
    }
    bool checked(int id) const { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

    void selectLeague(int index)
    {
        HWND box = GetDlgItem(dialog, IDC_LEAGUE_BOX);
        SendMessageW(box, CB_SETCURSEL, index, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LEAGUE_BOX, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        flushEvents(0);
    }

    // One click on a spin arrow, pressed and released, as the mouse would give it.
    static void clickSpin(HWND parent, int spin, bool up)
    {
        HWND control = GetDlgItem(parent, spin);
        RECT rect;
        GetClientRect(control, &rect);
        const LPARAM point = MAKELPARAM(rect.right / 2, up ? rect.bottom / 4 : rect.bottom * 3 / 4);
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(control, WM_LBUTTONUP, 0, point);
        flushEvents(0);
    }

    // One step of a spin: a click on its arrow, or the arrow key in its field, which then has the focus.
    static void stepSpin(HWND parent, int spin, bool up, bool byKey)
    {
        if (!byKey) {
            clickSpin(parent, spin, up);
            return;
        }
        HWND field = reinterpret_cast<HWND>(SendDlgItemMessageW(parent, spin, UDM_GETBUDDY, 0, 0));
        SetFocus(field);
        press(field, up ? VK_UP : VK_DOWN);
        flushEvents(0);
    }

    // Whether the frame of an input shows on the screen in red.
    bool framedRed(int kind) const
    {
        flushEvents(0);
        HWND surface = nullptr;
        const RECT frame = inputFrameRect({dialog, page}, kind, &surface);
        if (!surface)
            return false;
        ScopedGetDC dc(surface);
        const COLORREF top = GetPixel(dc, (frame.left + frame.right) / 2, frame.top + 1);
        const COLORREF left = GetPixel(dc, frame.left, (frame.top + frame.bottom) / 2);
        return top == RGB(255, 0, 0) && left == RGB(255, 0, 0);
    }

    // A key as the keyboard gives it to the focused field: down, the character, up.
    static void press(HWND field, unsigned key, wchar_t character = 0)
    {
        SendMessageW(field, WM_KEYDOWN, key, 1);
        if (character)
            SendMessageW(field, WM_CHAR, character, 1);
        SendMessageW(field, WM_KEYUP, key, 0xC0000001);
    }
    // A key pressed with Ctrl held, on the focused control, through the dialog's own handling of
    // keys (IsDialogMessage), as the modal loop of the program's main dialog passes it.
    void controlKey(UINT key)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] |= 0x80;
        SetKeyboardState(keys);
        HWND target = GetFocus() ? GetFocus() : dialog;
        MSG msg = {target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
        if (!IsDialogMessageW(dialog, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        keys[VK_CONTROL] &= static_cast<BYTE>(~0x80);
        SetKeyboardState(keys);
        flushEvents(0);
    }
    // Characters as typed on the main keyboard, each with its own key.
    static void type(HWND field, const wchar_t* characters)
    {
        for (const wchar_t* c = characters; *c; ++c)
            press(field, LOBYTE(VkKeyScanW(*c)), *c);
        flushEvents(0);
    }
    static void backspace(HWND field) { press(field, VK_BACK, L'\b'); }
    // The first click into a field gives it the focus with its text selected.
    static void clickInto(HWND field)
    {
        SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        flushEvents(0);
    }
    void fireCommitTimer() const
    {
        fireTimer(dialog, IDT_COMMIT);
        flushEvents(0);
    }

    // ---- The tabs ----
    int tabCount() const { return TabCtrl_GetItemCount(tabs); }
    int currentTab() const { return TabCtrl_GetCurSel(tabs); }
    std::wstring tabLabel(int index) const
    {
        wchar_t label[80] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = label;
        item.cchTextMax = 80;
        SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        return label;
    }
    std::vector<std::wstring> tabLabels() const
    {
        std::vector<std::wstring> result;
        for (int i = 0; i < tabCount(); ++i)
            result.push_back(tabLabel(i));
        return result;
    }
    LPARAM tabPoint(int index) const
    {
        RECT tab;
        TabCtrl_GetItemRect(tabs, index, &tab);
        return MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    }
    // A click on a tab, as the mouse gives it: the strip selects it and tells the dialog.
    void clickTab(int index) const
    {
        SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, tabPoint(index));
        SendMessageW(tabs, WM_LBUTTONUP, 0, tabPoint(index));
        flushEvents(0);
    }
    // The second click of a double click arrives as its own message.
    void doubleClickTab(int index) const
    {
        clickTab(index);
        SendMessageW(tabs, WM_LBUTTONDBLCLK, MK_LBUTTON, tabPoint(index));
        SendMessageW(tabs, WM_LBUTTONUP, 0, tabPoint(index));
        flushEvents(0);
    }
    // A tab pressed, the pointer moved onto another and the button released there.
    void dragTab(int from, int to) const
    {
        SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, tabPoint(from));
        SendMessageW(tabs, WM_MOUSEMOVE, MK_LBUTTON, tabPoint(to));
        SendMessageW(tabs, WM_LBUTTONUP, 0, tabPoint(to));
        flushEvents(0);
    }
    // The context menu of a tab opens; what it shows is read and the menu closed.
    SeenMenu rightClickTab(int index) const
    {
        MenuWatcher watcher;
        SendMessageW(tabs, WM_RBUTTONDOWN, MK_RBUTTON, tabPoint(index));
        SendMessageW(tabs, WM_RBUTTONUP, 0, tabPoint(index));
        waitUntil([&] { return watcher.menu.seen; }, 5000);
        return watcher.menu;
    }
    // The options menu of a right click on the dialog's background.
    SeenMenu optionsMenu() const
    {
        MenuWatcher watcher;
        SendMessageW(dialog, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
        SendMessageW(dialog, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
        waitUntil([&] { return watcher.menu.seen; }, 5000);
        return watcher.menu;
    }
    // The page's six game fields, as "won1:lost1 won2:lost2 won3:lost3".
    std::wstring games() const
    {
        return text(page, IDC_WON1_FIELD) + L":" + text(page, IDC_LOST1_FIELD) + L" " + text(page, IDC_WON2_FIELD) +
               L":" + text(page, IDC_LOST2_FIELD) + L" " + text(page, IDC_WON3_FIELD) + L":" +
               text(page, IDC_LOST3_FIELD);
    }
};

class MainDialogTest : public ::testing::Test, public MainDialogWindow {
protected:
    void TearDown() override { close(); }
};
