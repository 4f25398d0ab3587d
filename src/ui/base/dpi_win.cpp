#include "base/dpi_win.h"

#include "base/handles_win.h"

#include <atomic>

int displayDpi()
{
    // One value per process: the program follows the system's resolution, not each monitor's.
    // Read once, without a guarded static: the worker thread may ask too, and gets the same value.
    static std::atomic<int> dpi{0};
    if (const int known = dpi.load(std::memory_order_relaxed))
        return known;
    ScopedGetDC screen(nullptr);
    const int value = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    dpi.store(value > 0 ? value : 96, std::memory_order_relaxed);
    return dpi.load(std::memory_order_relaxed);
}
