#pragma once
// A control's own window procedure in front of its class's. The procedure passes on what it does
// not handle with callPreviousProc; it is taken out when its control goes.
//
// The previous procedure is kept in a table of this thread, not in the system's subclass chain
// (SetWindowSubclass): that chain looks up a window property on every message, which under Wine
// is a round trip to the server (about 0.1 ms), and a field sees dozens of messages per key.
// The control's user data stays free either way.
#include <windows.h>

#include <vector>

namespace subclass_detail {

struct Subclass {
    HWND window;
    WNDPROC procedure;
    WNDPROC previous;
};

inline std::vector<Subclass>& subclasses()
{
    static std::vector<Subclass> table; // windows of the user-interface thread only
    return table;
}

inline const Subclass* find(HWND window)
{
    for (const Subclass& entry : subclasses())
        if (entry.window == window)
            return &entry;
    return nullptr;
}

inline LRESULT CALLBACK forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Subclass* entry = find(window);
    if (!entry)
        return DefWindowProcW(window, message, wParam, lParam);
    // Copied: the procedure may subclass other windows, which moves the table.
    const WNDPROC procedure = entry->procedure;
    const LRESULT result = procedure(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        auto& table = subclasses();
        for (auto it = table.begin(); it != table.end(); ++it)
            if (it->window == window) {
                table.erase(it);
                break;
            }
    }
    return result;
}

} // namespace subclass_detail

// One procedure per window; a second call for the same window changes nothing.
inline void subclassWindow(HWND window, WNDPROC procedure)
{
    using namespace subclass_detail;
    if (!window || find(window))
        return;
    const auto previous =
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    subclasses().push_back({window, procedure, previous});
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(forward));
}

// Only from within a procedure installed by subclassWindow.
inline LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const subclass_detail::Subclass* entry = subclass_detail::find(window);
    return entry ? CallWindowProcW(entry->previous, window, message, wParam, lParam)
                 : DefWindowProcW(window, message, wParam, lParam);
}
