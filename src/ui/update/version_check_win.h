#pragma once
// The version check: asks the maker's server on a worker thread of its own whether a newer
// version exists, offers it, lets the user choose a folder and downloads it there. The worker
// gets what it needs when it starts and does the network and file work only; its questions and
// the folder dialog are shown by the main dialog's thread, owned by the main dialog.
#include "update/update_check_win.h"

#include <windows.h>

#include <memory>
#include <string>

// Starts a check from mainDialog, whose caller keeps the running check in job, and returns at
// once. The folder dialog starts in startFolder. While one runs, a second call starts nothing.
void startVersionCheck(HWND mainDialog, std::shared_ptr<VersionCheckJob>& job, const std::wstring& startFolder);
bool versionCheckRunning(const std::shared_ptr<VersionCheckJob>& job);
// WM_UPDATE_TASK: the main dialog asks or shows what the worker waits for.
void answerVersionCheck(HWND mainDialog, std::shared_ptr<VersionCheckJob> job);
// For the exit sequence: a running check stops at its next step, without messages; waits for it
// at most the given time. The job is let go of.
void stopVersionCheck(std::shared_ptr<VersionCheckJob>& job, DWORD milliseconds = 3000);

// A directory search for exactly this path finds a folder (or anything, for fileExists). A path
// with a trailing backslash or a wildcard finds nothing.
bool isDirectory(const std::wstring& path);
bool fileExists(const std::wstring& path);
