// Helper for scripts: waits for the main window or closes it through the program's own exit path.
//   window_tool wait   waits up to 30 s for the window, exit code 0 when it is there
//   window_tool close  sends it WM_CLOSE and waits up to 30 s for it to go
#include "base/version.h"

#include <windows.h>

#include <cwchar>

static const wchar_t* const title = windowTitle;

static bool waitFor(bool present)
{
    for (int i = 0; i < 300; ++i) {
        // Visible only once the initialisation is done: the title comes earlier.
        const HWND window = FindWindowW(nullptr, title);
        if ((window != nullptr && IsWindowVisible(window)) == present)
            return true;
        Sleep(100);
    }
    return false;
}

int wmain(int argc, wchar_t** argv)
{
    if (argc == 2 && std::wcscmp(argv[1], L"wait") == 0)
        return waitFor(true) ? 0 : 1;
    if (argc == 2 && std::wcscmp(argv[1], L"close") == 0) {
        if (HWND window = FindWindowW(nullptr, title))
            PostMessageW(window, WM_CLOSE, 0, 0);
        return waitFor(false) ? 0 : 1;
    }
    return 2;
}
