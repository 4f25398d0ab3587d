// A double click on the caption rolls the window up to its title bar, and down again.
#include "app/main_window_parts_win.h"

#include "base/dpi_win.h"

void toggleRollUp(MainWindow& window)
{
    RECT rect;
    GetWindowRect(window.dialog, &rect);
    if (!window.rolledUp) {
        TITLEBARINFO title = {};
        title.cbSize = sizeof title;
        GetTitleBarInfo(window.dialog, &title);
        const int height = title.rcTitleBar.bottom - rect.top + scaled(5);
        SetWindowPos(window.dialog, nullptr, 0, 0, rect.right - rect.left, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const RECT& full = window.fullWindowRect;
        SetWindowPos(window.dialog, nullptr, 0, 0, full.right - full.left, full.bottom - full.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    window.rolledUp = !window.rolledUp;
}
