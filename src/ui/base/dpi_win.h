#pragma once
// Pixel sizes of the layout are given for 96 dots per inch; the program declares itself aware of
// the display's resolution, so they are scaled to it. The dialogs scale by themselves, in
// dialog units.
#include <windows.h>

inline int displayDpi()
{
    // One value per process: the program follows the system's resolution, not each monitor's.
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
        if (screen)
            ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

inline int scaled(int pixels) { return MulDiv(pixels, displayDpi(), 96); }
