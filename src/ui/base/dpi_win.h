#pragma once
// Pixel sizes of the layout are given for 96 dots per inch; the program declares itself aware of
// the display's resolution, so they are scaled to it. The dialogs scale by themselves, in
// dialog units.
#include <windows.h>

#include <atomic>

inline int displayDpi()
{
    // One value per process: the program follows the system's resolution, not each monitor's.
    // Read once, without a guarded static: the worker thread may ask too, and gets the same value.
    static std::atomic<int> dpi{0};
    if (const int known = dpi.load(std::memory_order_relaxed))
        return known;
    HDC screen = GetDC(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen)
        ReleaseDC(nullptr, screen);
    dpi.store(value > 0 ? value : 96, std::memory_order_relaxed);
    return dpi.load(std::memory_order_relaxed);
}

inline int scaled(int pixels) { return MulDiv(pixels, displayDpi(), 96); }
