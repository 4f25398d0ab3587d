#pragma once
// A control's own window procedure in front of its class's, through the system's subclassing
// (SetWindowSubclass): the control's user data stays free, the procedures stand in a chain the
// system keeps, and each is taken out when its control goes. The procedure passes on what it
// does not handle with callPreviousProc.
#include <windows.h>
#include <commctrl.h>

namespace subclass_detail {
inline LRESULT CALLBACK forward(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR procedure)
{
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(window, forward, id);
    return reinterpret_cast<WNDPROC>(procedure)(window, message, wParam, lParam);
}
} // namespace subclass_detail

inline void subclassWindow(HWND window, WNDPROC procedure)
{
    if (window)
        SetWindowSubclass(window, subclass_detail::forward, reinterpret_cast<UINT_PTR>(procedure),
                          reinterpret_cast<DWORD_PTR>(procedure));
}

// Only from within a procedure installed by subclassWindow, or by SetWindowSubclass.
inline LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(window, message, wParam, lParam);
}
