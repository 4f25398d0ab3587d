#include "base/subclass_win.h"

#include <vector>

namespace {

struct Subclass {
    HWND window;
    WNDPROC procedure;
    WNDPROC previous;
};

// Every subclassed window, until its WM_NCDESTROY: one table for the process, which only the
// interface thread, where all our windows live, touches.
std::vector<Subclass> subclasses;

const Subclass* find(HWND window)
{
    for (const Subclass& entry : subclasses)
        if (entry.window == window)
            return &entry;
    return nullptr;
}

LRESULT CALLBACK forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Subclass* entry = find(window);
    if (!entry)
        return DefWindowProcW(window, message, wParam, lParam);
    // Copied: the procedure may subclass other windows, which moves the table.
    const WNDPROC procedure = entry->procedure;
    const LRESULT result = procedure(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        for (auto it = subclasses.begin(); it != subclasses.end(); ++it)
            if (it->window == window) {
                subclasses.erase(it);
                break;
            }
    }
    return result;
}

} // namespace

void subclassWindow(HWND window, WNDPROC procedure)
{
    if (!window || find(window))
        return;
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    subclasses.push_back({window, procedure, previous});
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(forward));
}

LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const Subclass* entry = find(window);
    return entry ? CallWindowProcW(entry->previous, window, message, wParam, lParam)
                 : DefWindowProcW(window, message, wParam, lParam);
}
