#include "win_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <fstream>
#include <iterator>

void flushEvents(DWORD milliseconds)
{
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(end - now) <= 0)
            break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, end - now, QS_ALLINPUT);
    }
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeout)
{
    const DWORD end = GetTickCount() + timeout;
    for (;;) {
        flushEvents(0);
        if (condition())
            return true;
        const DWORD now = GetTickCount();
        if (static_cast<LONG>(end - now) <= 0)
            return false;
        // Woken by the next message, or soon, for a condition no message announces.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(end - now, 5), QS_ALLINPUT);
    }
}

std::wstring makeTempFolder()
{
    // Wine reuses process ids from run to run: only a folder made here and now is empty.
    static unsigned counter = 0;
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (;;) {
        wchar_t folder[MAX_PATH];
        swprintf(folder, MAX_PATH, L"%lskm-test-%lu-%llu-%u\\", base, static_cast<unsigned long>(GetCurrentProcessId()),
                 static_cast<unsigned long long>(GetTickCount64()), ++counter);
        if (CreateDirectoryW(folder, nullptr))
            return folder;
    }
}

void removeTempFolder(const std::wstring& folder)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileW((folder + found.cFileName).c_str());
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

void fireTimer(HWND window, UINT_PTR id)
{
    // What the system's message loop delivers when a timer without a callback is due.
    SendMessageW(window, WM_TIMER, id, 0);
}

std::wstring controlText(HWND parent, int id)
{
    wchar_t text[256] = L"";
    SendMessageW(GetDlgItem(parent, id), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring clipboardText()
{
    std::wstring text;
    if (OpenClipboard(nullptr)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
    }
    return text;
}

std::string readFileBytes(const std::wstring& path)
{
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::wstring& path, const std::string& bytes)
{
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file << bytes;
}

namespace {

BoxWatcher* activeWatcher = nullptr;

std::wstring textOf(HWND window)
{
    wchar_t text[1024] = L"";
    GetWindowTextW(window, text, 1024);
    return text;
}

BOOL CALLBACK collectStatic(HWND child, LPARAM found)
{
    wchar_t className[64] = L"";
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, L"Static") == 0) {
        std::wstring text = textOf(child);
        auto* longest = reinterpret_cast<std::wstring*>(found);
        if (text.size() > longest->size())
            *longest = text;
    }
    return TRUE;
}

// A message box is a dialog run by the system's own message box code: its dialog procedure
// lives in user32, unlike those of our templates or of the common dialogs.
bool isMessageBox(HWND window)
{
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (wcscmp(className, L"#32770") != 0 || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD))
        return false;
    const auto procedure = reinterpret_cast<LPCWSTR>(GetWindowLongPtrW(window, DWLP_DLGPROC));
    HMODULE module = nullptr;
    if (!procedure || !GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                          procedure, &module))
        return false;
    return module == GetModuleHandleW(L"user32.dll");
}

BOOL CALLBACK collectIcon(HWND child, LPARAM icon)
{
    wchar_t className[64] = L"";
    GetClassNameW(child, className, 64);
    if (_wcsicmp(className, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        *reinterpret_cast<HICON*>(icon) = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
    return TRUE;
}

BOOL CALLBACK closeBox(HWND window, LPARAM)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (!activeWatcher || process != GetCurrentProcessId() || !IsWindowVisible(window) || !isMessageBox(window))
        return TRUE;
    for (HWND seen : activeWatcher->closed)
        if (seen == window)
            return TRUE;
    activeWatcher->closed.push_back(window);
    SeenBox box;
    box.title = textOf(window);
    box.owner = GetWindow(window, GW_OWNER);
    RECT ownerRect = {};
    if (box.owner && GetWindowRect(box.owner, &ownerRect))
        box.ownerHeight = ownerRect.bottom - ownerRect.top;
    EnumChildWindows(window, collectStatic, reinterpret_cast<LPARAM>(&box.text));
    EnumChildWindows(window, collectIcon, reinterpret_cast<LPARAM>(&box.icon));
    for (int id : {IDOK, IDYES, IDNO, IDCANCEL})
        if (GetDlgItem(window, id))
            box.buttons.push_back(id);
    const size_t seen = activeWatcher->boxes.size();
    activeWatcher->boxes.push_back(box);
    int answer = 0;
    if (seen < activeWatcher->answers.size())
        answer = activeWatcher->answers[seen];
    for (int id : {IDOK, IDNO, IDCANCEL})
        if (!answer && GetDlgItem(window, id))
            answer = id;
    PostMessageW(window, WM_COMMAND, answer ? answer : IDOK, 0);
    return TRUE;
}

// Every top-level window of the process, whichever thread made it.
void CALLBACK watch(HWND, UINT, UINT_PTR, DWORD) { EnumWindows(closeBox, 0); }

} // namespace

BoxWatcher::BoxWatcher() : timer(SetTimer(nullptr, 0, 30, watch)) { activeWatcher = this; }

BoxWatcher::BoxWatcher(std::vector<int> answers) : BoxWatcher() { this->answers = std::move(answers); }

BoxWatcher::~BoxWatcher()
{
    KillTimer(nullptr, timer);
    activeWatcher = nullptr;
}

namespace {

std::vector<ModalAction*> activeActions;

struct Search {
    int controlId;
    const std::vector<HWND>* handled;
    HWND found;
};

BOOL CALLBACK findDialogWith(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && wcscmp(className, L"#32770") == 0 &&
        GetDlgItem(window, search->controlId) &&
        std::find(search->handled->begin(), search->handled->end(), window) == search->handled->end()) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

ModalAction::ModalAction(int controlId, std::function<void(HWND)> action, bool everyWindow)
    : controlId_(controlId), action_(std::move(action)), everyWindow_(everyWindow),
      timer_(SetTimer(nullptr, 0, 30, tick))
{
    activeActions.push_back(this);
}

ModalAction::~ModalAction()
{
    KillTimer(nullptr, timer_);
    activeActions.erase(std::remove(activeActions.begin(), activeActions.end(), this), activeActions.end());
}

void CALLBACK ModalAction::tick(HWND, UINT, UINT_PTR timer, DWORD)
{
    const auto it = std::find_if(activeActions.begin(), activeActions.end(),
                                 [timer](const ModalAction* action) { return action->timer_ == timer; });
    if (it == activeActions.end())
        return;
    ModalAction* self = *it;
    if (self->ran && !self->everyWindow_)
        return;
    Search search = {self->controlId_, &self->handled_, nullptr};
    EnumWindows(findDialogWith, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    self->ran = true;
    self->handled_.push_back(search.found);
    // KM_LOOK_MS=5000 leaves each window on the screen that long first, for a screenshot.
    if (const char* pause = std::getenv("KM_LOOK_MS"))
        flushEvents(static_cast<DWORD>(std::atoi(pause)));
    self->action_(search.found);
}

namespace {

std::vector<EveryTick*> activeTicks;

} // namespace

EveryTick::EveryTick(std::function<void()> tick) : tick_(std::move(tick)), timer_(SetTimer(nullptr, 0, 10, fire))
{
    activeTicks.push_back(this);
}

EveryTick::~EveryTick()
{
    KillTimer(nullptr, timer_);
    activeTicks.erase(std::remove(activeTicks.begin(), activeTicks.end(), this), activeTicks.end());
}

void CALLBACK EveryTick::fire(HWND, UINT, UINT_PTR timer, DWORD)
{
    for (EveryTick* tick : activeTicks)
        if (tick->timer_ == timer) {
            tick->tick_();
            return;
        }
}

namespace {

MenuWatcher* activeMenuWatcher = nullptr;

void readMenu(HMENU menu, int depth, std::vector<SeenMenuItem>& items)
{
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = L"";
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 128;
        if (!GetMenuItemInfoW(menu, i, TRUE, &info))
            continue;
        items.push_back({text, info.hSubMenu ? static_cast<UINT>(-1) : info.wID, (info.fState & MFS_CHECKED) != 0,
                         depth, (info.fState & MFS_GRAYED) != 0});
        if (info.hSubMenu)
            readMenu(info.hSubMenu, depth + 1, items);
    }
}

BOOL CALLBACK findMenuWindow(HWND window, LPARAM found)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) && wcscmp(className, L"#32768") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

MenuWatcher::MenuWatcher() : timer_(SetTimer(nullptr, 0, 30, tick)) { activeMenuWatcher = this; }

MenuWatcher::~MenuWatcher()
{
    KillTimer(nullptr, timer_);
    activeMenuWatcher = nullptr;
}

void CALLBACK MenuWatcher::tick(HWND, UINT, UINT_PTR, DWORD)
{
    MenuWatcher* self = activeMenuWatcher;
    if (!self)
        return;
    HWND window = nullptr;
    EnumWindows(findMenuWindow, reinterpret_cast<LPARAM>(&window));
    if (!window)
        return;
    if (!self->menu.seen) {
        const auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
        if (menu)
            readMenu(menu, 0, self->menu.items);
        self->menu.seen = true;
    }
    EndMenu();
}

std::vector<std::wstring> SeenMenu::topTexts() const
{
    std::vector<std::wstring> texts;
    for (const SeenMenuItem& item : items)
        if (item.depth == 0)
            texts.push_back(item.text.empty() ? L"-" : item.text);
    return texts;
}

bool SeenMenu::checked(UINT id) const
{
    for (const SeenMenuItem& item : items)
        if (item.id == id)
            return item.checked;
    return false;
}

bool SeenMenu::grayed(UINT id) const
{
    for (const SeenMenuItem& item : items)
        if (item.id == id)
            return item.grayed;
    return false;
}

std::wstring SeenMenu::text(UINT id) const
{
    for (const SeenMenuItem& item : items)
        if (item.id == id)
            return item.text;
    return {};
}
