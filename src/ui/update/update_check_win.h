#pragma once
// A version check in progress: what its worker thread gets when it starts, shared with the main
// dialog that started it, and the messages the worker posts to that dialog.
#include "base/handles_win.h"

#include <atomic>
#include <string>

struct VersionCheckJob {
    HWND mainDialog = nullptr;   // owns the check's message boxes and dialogs; posted to only
    std::wstring startFolder;    // where the folder dialog starts
    std::atomic<bool> stopping{false}; // the program closes: stop at the next step, quietly
    std::atomic<bool> running{true};
    AutoCloseHandle thread;      // the main dialog's to wait for; the worker never touches it
};

// Posted by the download to the main dialog, which shows its progress in the status bar.
enum : UINT {
    WM_DOWNLOAD_STARTED = WM_APP + 1, // wParam: the announced length in bytes, 0 when unknown
    WM_DOWNLOAD_PROGRESS,             // wParam: bytes received; lParam: bytes per millisecond (a float's bits)
    WM_DOWNLOAD_ENDED,
};
