#include "win_test_support.h"

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

BOOL CALLBACK closeBox(HWND window, LPARAM)
{
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    // A message box is a dialog that owns an OK button and has an owner or no parent.
    if (!activeWatcher || wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window) ||
        (GetWindowLongW(window, GWL_STYLE) & WS_CHILD) || !GetDlgItem(window, IDOK) ||
        GetDlgItem(window, 1001 /* the league box: the main dialog itself */))
        return TRUE;
    for (HWND seen : activeWatcher->closed)
        if (seen == window)
            return TRUE;
    activeWatcher->closed.push_back(window);
    SeenBox box;
    box.title = textOf(window);
    EnumChildWindows(window, collectStatic, reinterpret_cast<LPARAM>(&box.text));
    activeWatcher->boxes.push_back(box);
    PostMessageW(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

void CALLBACK watch(HWND, UINT, UINT_PTR, DWORD) { EnumThreadWindows(GetCurrentThreadId(), closeBox, 0); }

} // namespace

BoxWatcher::BoxWatcher() : timer(SetTimer(nullptr, 0, 30, watch)) { activeWatcher = this; }

BoxWatcher::~BoxWatcher()
{
    KillTimer(nullptr, timer);
    activeWatcher = nullptr;
}
