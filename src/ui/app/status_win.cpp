// The status bar below the window, shown while a download runs, with its progress bar.
#include "app/main_window_parts_win.h"

#include "base/dpi_win.h"
#include "base/text_win.h"
#include "base/dialogs_win.h"
#include "resource.h"
#include "update/update_rules.h"

void createStatusBar(MainWindow& window)
{
    HWND dialog = window.dialog;
    RECT client;
    GetClientRect(dialog, &client);
    const int w = client.right;
    window.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), appInstance(),
                                       nullptr);
    int parts[] = {w / 2, 2 * (w / 2)};
    SendMessageW(window.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    window.progressBar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, scaled(186), scaled(2),
                                         scaled(185), scaled(20), window.statusBar, nullptr, appInstance(), nullptr);
    SendMessageW(window.progressBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SendMessageW(window.progressBar, PBM_SETSTEP, 1, 0);

    // The status bar only shows while a download runs: until then it lies below the bottom edge.
    RECT rect;
    GetWindowRect(dialog, &rect);
    SetWindowPos(dialog, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - scaled(25),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(dialog, &window.fullWindowRect);
}

namespace {

void growBy(MainWindow& window, int pixels)
{
    // The height only: the user may have moved the window meanwhile.
    RECT rect;
    GetWindowRect(window.dialog, &rect);
    SetWindowPos(window.dialog, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top + pixels,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(window.dialog);
}

} // namespace

void onDownloadStarted(MainWindow& window, uint64_t total)
{
    window.downloadTotal = total;
    SendMessageW(window.progressBar, PBM_SETPOS, 0, 0);
    onDownloadProgress(window, 0, 0.0f);
    if (window.downloadGrowth == 0) {
        window.downloadGrowth = scaled(25);
        growBy(window, window.downloadGrowth);
    }
}

void onDownloadProgress(MainWindow& window, uint64_t received, float speed)
{
    const uint64_t total = window.downloadTotal;
    if (total > 0) {
        SendMessageW(window.progressBar, PBM_SETPOS, downloadPercent(received, total), 0);
        RedrawWindow(window.progressBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    SendMessageW(window.statusBar, SB_SETTEXTW, 0,
                 reinterpret_cast<LPARAM>(widen(downloadStatusText(received, total, speed)).c_str()));
    RedrawWindow(window.dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void onDownloadEnded(MainWindow& window)
{
    if (window.downloadGrowth == 0)
        return;
    growBy(window, -window.downloadGrowth);
    window.downloadGrowth = 0;
}
