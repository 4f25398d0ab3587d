#pragma once
// A control's own window procedure in front of its class's: the previous procedure waits in the
// control's user-data slot and gets every message the new one passes on.
#include <windows.h>

inline void subclassWindow(HWND window, WNDPROC procedure)
{
    if (!window || GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(procedure))
        return;
    // The slot is filled first: the new procedure may get a message at once.
    SetWindowLongPtrW(window, GWLP_USERDATA, GetWindowLongPtrW(window, GWLP_WNDPROC));
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
}

inline LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                    : DefWindowProcW(window, message, wParam, lParam);
}
