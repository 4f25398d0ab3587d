// The download's status bar: made hidden, uncovered while a download runs, with its progress.
#include "app/status_win.h"

#include "base/dialogs_win.h"
#include "base/dpi_win.h"
#include "base/text_win.h"
#include "resource.h"
#include "update/update_rules.h"

#include <commctrl.h>

void createStatusBar(DownloadStatus& status, HWND dialog)
{
    RECT client;
    GetClientRect(dialog, &client);
    const int w = client.right;
    status.statusBar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS_BAR)), appInstance(),
                                       nullptr);
    int parts[] = {w / 2, 2 * (w / 2)};
    SendMessageW(status.statusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    status.progressBar = CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, scaled(186), scaled(2),
                                         scaled(185), scaled(20), status.statusBar, nullptr, appInstance(), nullptr);
    SendMessageW(status.progressBar, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    SendMessageW(status.progressBar, PBM_SETSTEP, 1, 0);

    // The status bar only shows while a download runs: until then it lies below the bottom edge.
    RECT rect;
    GetWindowRect(dialog, &rect);
    SetWindowPos(dialog, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top - scaled(25),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int onDownloadStarted(DownloadStatus& status, HWND dialog, uint64_t total)
{
    status.downloadTotal = total;
    SendMessageW(status.progressBar, PBM_SETPOS, 0, 0);
    onDownloadProgress(status, dialog, 0, 0.0f);
    if (status.downloadGrowth != 0)
        return 0;
    status.downloadGrowth = scaled(25);
    return status.downloadGrowth;
}

void onDownloadProgress(DownloadStatus& status, HWND dialog, uint64_t received, float speed)
{
    const uint64_t total = status.downloadTotal;
    if (total > 0) {
        SendMessageW(status.progressBar, PBM_SETPOS, downloadPercent(received, total), 0);
        RedrawWindow(status.progressBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    SendMessageW(status.statusBar, SB_SETTEXTW, 0,
                 reinterpret_cast<LPARAM>(widen(downloadStatusText(received, total, speed)).c_str()));
    RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

int onDownloadEnded(DownloadStatus& status)
{
    const int growth = status.downloadGrowth;
    status.downloadGrowth = 0;
    return -growth;
}
