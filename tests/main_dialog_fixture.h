#pragma once
// Opens the real main dialog from its template on an INI file of the test's own.
#include "app/main_dialog_win.h"
#include "controls/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "display/calculate.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "win_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

class MainDialogTest : public ::testing::Test {
protected:
    HWND dialog = nullptr;
    std::wstring folder;

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
        resetWindowState();
        start();
    }

    void start()
    {
        appInstance = GetModuleHandleW(nullptr);
        dialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "CreateDialogParam failed, error " << GetLastError();
        ShowWindow(dialog, SW_SHOW);
        flushEvents(150);
    }

    // Ends the program's way (WM_CLOSE), as the user's close button would.
    void close()
    {
        if (dialog && IsWindow(dialog)) {
            SendMessageW(dialog, WM_CLOSE, 0, 0);
            DestroyWindow(dialog);
        }
        dialog = nullptr;
        flushEvents(30);
    }

    void TearDown() override
    {
        close();
        resetWindowState();
        resetIniFile();
        if (!folder.empty())
            removeTempFolder(folder);
    }

    std::string ini() const { return readFileBytes(iniPath); }

    static std::wstring text(HWND parent, int id) { return controlText(parent, id); }
    std::wstring display() const { return text(dialog, IDC_LKZ_DISPLAY); }
    static void setText(HWND parent, int id, const wchar_t* value) { SetDlgItemTextW(parent, id, value); }
    static void click(HWND parent, int id)
    {
        // What a button tells its parent when it is clicked.
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(parent, id)));
        flushEvents(20);
    }
    bool checked(int id) const { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

    void selectLeague(int index)
    {
        HWND box = GetDlgItem(dialog, IDC_LEAGUE_BOX);
        SendMessageW(box, CB_SETCURSEL, index, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_LEAGUE_BOX, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
        flushEvents(20);
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
        flushEvents(20);
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
        flushEvents(20);
    }

    // Whether the frame of an input shows on the screen in red.
    static bool framedRed(int kind)
    {
        flushEvents(30);
        HWND surface = nullptr;
        const RECT frame = inputFrameRect(kind, &surface);
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
    // Characters as typed on the main keyboard, each with its own key.
    static void type(HWND field, const wchar_t* characters)
    {
        for (const wchar_t* c = characters; *c; ++c)
            press(field, LOBYTE(VkKeyScanW(*c)), *c);
        flushEvents(20);
    }
    static void backspace(HWND field) { press(field, VK_BACK, L'\b'); }
    // The first click into a field gives it the focus with its text selected.
    static void clickInto(HWND field)
    {
        SendMessageW(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(field, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        flushEvents(20);
    }
    void fireCommitTimer() const
    {
        fireTimer(dialog, IDT_COMMIT);
        flushEvents(20);
    }

    int tabCount() const { return TabCtrl_GetItemCount(tabControl); }
    static std::wstring tabLabel(int index)
    {
        wchar_t label[80] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = label;
        item.cchTextMax = 80;
        SendMessageW(tabControl, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
        return label;
    }
};
