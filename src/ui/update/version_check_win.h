#pragma once
// The version check: asks the maker's server on a worker thread of its own whether a newer
// version exists, offers it, lets the user choose a folder and downloads it there. The worker
// gets what it needs when it starts and reaches the main dialog only through message boxes and
// dialogs it owns and messages posted to it.
#include "update/update_check_win.h"

#include <windows.h>

#include <memory>
#include <string>

// Starts a check and returns at once. While one runs, a second call starts nothing.
void startVersionCheck(HWND mainDialog, std::shared_ptr<VersionCheckJob>& check, const std::wstring& startFolder);
bool versionCheckRunning(const std::shared_ptr<VersionCheckJob>& check);
// For the exit sequence: a running check stops at its next step, without messages; waits for it
// at most the given time, serving what the worker sends to this thread meanwhile.
void stopVersionCheck(std::shared_ptr<VersionCheckJob>& check, DWORD milliseconds = 3000);

// A directory search for exactly this path finds a folder (or anything, for fileExists). A path
// with a trailing backslash or a wildcard finds nothing.
bool isDirectory(const std::wstring& path);
bool fileExists(const std::wstring& path);
