// Rolling the main dialog up to its title bar and down again, to its full size.
#include "app/rollup_win.h"

#include "base/dpi_win.h"

namespace {

void setHeight(HWND dialog, int height)
{
    // The height only: the user may have moved the window meanwhile.
    RECT rect;
    GetWindowRect(dialog, &rect);
    SetWindowPos(dialog, nullptr, 0, 0, rect.right - rect.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

void rememberFullSize(RollUp& rollUp, HWND dialog) { GetWindowRect(dialog, &rollUp.fullWindowRect); }

void toggleRollUp(RollUp& rollUp, HWND dialog)
{
    if (!rollUp.rolledUp) {
        RECT rect;
        GetWindowRect(dialog, &rect);
        TITLEBARINFO title = {};
        title.cbSize = sizeof title;
        GetTitleBarInfo(dialog, &title);
        setHeight(dialog, title.rcTitleBar.bottom - rect.top + scaled(5));
    } else {
        const RECT& full = rollUp.fullWindowRect;
        SetWindowPos(dialog, nullptr, 0, 0, full.right - full.left, full.bottom - full.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    rollUp.rolledUp = !rollUp.rolledUp;
}

void growWindow(RollUp& rollUp, HWND dialog, int pixels)
{
    if (pixels == 0)
        return;
    rollUp.fullWindowRect.bottom += pixels;
    if (rollUp.rolledUp)
        return;
    RECT rect;
    GetWindowRect(dialog, &rect);
    setHeight(dialog, rect.bottom - rect.top + pixels);
    UpdateWindow(dialog);
}
