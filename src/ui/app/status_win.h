#pragma once
// The status bar below the main dialog, shown while a download runs, with its progress bar.
#include <windows.h>

#include <cstdint>

struct DownloadStatus {
    HWND statusBar = nullptr;
    HWND progressBar = nullptr;
    int downloadGrowth = 0;     // the height added for the status bar while a download runs
    uint64_t downloadTotal = 0; // the announced length of the running download, 0 when unknown
};

// Makes the bar and hides it below dialog's bottom edge, which it moves up.
void createStatusBar(DownloadStatus& status, HWND dialog);
// Each returns how much taller the window must become for the bar (negative: shorter).
int onDownloadStarted(DownloadStatus& status, HWND dialog, uint64_t total);
void onDownloadProgress(DownloadStatus& status, HWND dialog, uint64_t received, float speed);
int onDownloadEnded(DownloadStatus& status);
