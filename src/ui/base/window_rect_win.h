#pragma once
// Where a child window lies, for laying out a dialog by hand.
#include <windows.h>

#include <algorithm>

// The child's rectangle in its parent's client coordinates.
inline RECT childRect(HWND parent, HWND child)
{
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline RECT childRect(HWND dialog, int id) { return childRect(dialog, GetDlgItem(dialog, id)); }

// Gives window this size and centres it over owner (the desktop for none), inside the work area.
inline void centreOver(HWND window, HWND owner, int width, int height)
{
    RECT work, around;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(owner ? owner : GetDesktopWindow(), &around);
    const int left = std::max<int>(work.left, std::min<int>((around.left + around.right - width) / 2, work.right - width));
    const int top = std::max<int>(work.top, std::min<int>((around.top + around.bottom - height) / 2, work.bottom - height));
    SetWindowPos(window, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// WM_GETMINMAXINFO of a resizable window: never dragged below minimum (nothing while it is 0).
inline void keepAtLeast(LPARAM minMaxInfo, SIZE minimum)
{
    if (minimum.cx > 0)
        reinterpret_cast<MINMAXINFO*>(minMaxInfo)->ptMinTrackSize = {minimum.cx, minimum.cy};
}
