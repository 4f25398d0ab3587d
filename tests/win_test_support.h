#pragma once
// Helpers for tests that drive the real dialogs under Windows (or Wine).
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Runs the message loop for a while, so posted, painted and timed work is done; with 0, only
// what is waiting now.
void flushEvents(DWORD milliseconds = 60);
// Runs the message loop until condition holds, at most timeout milliseconds; whether it held.
bool waitUntil(const std::function<bool()>& condition, DWORD timeout = 10000);

// Delivers a due timer to its window at once, instead of waiting for it.
void fireTimer(HWND window, UINT_PTR id);

// A fresh, empty folder under the system's temp folder.
std::wstring makeTempFolder();
void removeTempFolder(const std::wstring& folder);
std::string readFileBytes(const std::wstring& path);
// The text of a control, in this process or another.
std::wstring controlText(HWND parent, int id);
// The text on the clipboard, empty when there is none.
std::wstring clipboardText();
void writeFileBytes(const std::wstring& path, const std::string& bytes);

struct SeenBox {
    std::wstring title;
    std::wstring text;
    HWND owner;
    std::vector<int> buttons; // IDOK, IDYES, IDNO, IDCANCEL as the box offers them
    int ownerHeight = 0;      // the owner window's height while the box was open
    HICON icon = nullptr;     // the icon it shows, e.g. LoadIconW(nullptr, IDI_ERROR)
};

// While alive, reads and closes every message box of the process, whatever thread shows it, as
// long as this thread pumps messages. Each box is answered with the next of answers (IDYES,
// IDNO, IDCANCEL, IDOK); when they are used up, with OK, or No, or Cancel, the first it offers.
class BoxWatcher {
public:
    BoxWatcher();
    explicit BoxWatcher(std::vector<int> answers);
    ~BoxWatcher();
    std::vector<SeenBox> boxes;
    std::vector<HWND> closed;
    std::vector<int> answers;

private:
    UINT_PTR timer;
};

// While alive, runs action once on the first visible top-level dialog of the process that has
// a control with the given id: a way into a modal window while its loop runs. With everyWindow,
// it runs on each such dialog that opens, once each. Several may wait at a time.
class ModalAction {
public:
    ModalAction(int controlId, std::function<void(HWND)> action, bool everyWindow = false);
    ~ModalAction();
    bool ran = false;

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    int controlId_;
    std::function<void(HWND)> action_;
    bool everyWindow_;
    std::vector<HWND> handled_;
    UINT_PTR timer_;
};

// While alive, runs tick every few milliseconds whenever this thread pumps messages, also inside
// the modal loop of a message box or dialog it shows.
class EveryTick {
public:
    explicit EveryTick(std::function<void()> tick);
    ~EveryTick();
    EveryTick(const EveryTick&) = delete;
    EveryTick& operator=(const EveryTick&) = delete;

private:
    static void CALLBACK fire(HWND, UINT, UINT_PTR, DWORD);
    std::function<void()> tick_;
    UINT_PTR timer_;
};

struct SeenMenuItem {
    std::wstring text; // empty for a separator
    UINT id;           // -1 for a submenu
    bool checked;
    int depth;         // 0 for the items of the menu itself, 1 for those of its submenus
    bool grayed;
};

// What a pop-up menu showed.
struct SeenMenu {
    bool seen = false;
    std::vector<SeenMenuItem> items;
    // The texts of the menu's own items, "-" for a separator.
    std::vector<std::wstring> topTexts() const;
    // Whether the item with this command id is shown checked (greyed); false when it is absent.
    bool checked(UINT id) const;
    bool grayed(UINT id) const;
    // The text of the item with this command id; empty when it is absent.
    std::wstring text(UINT id) const;
};

// While alive, reads the items of the first pop-up menu the process opens and closes it, as
// Escape would: a way into the modal loop of a context menu.
class MenuWatcher {
public:
    MenuWatcher();
    ~MenuWatcher();
    SeenMenu menu;

private:
    static void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD);
    UINT_PTR timer_;
};
