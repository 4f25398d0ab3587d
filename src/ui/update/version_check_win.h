#pragma once
// The version check: asks the maker's server on a worker thread of its own whether a newer
// version exists, offers it, lets the user choose a folder and downloads it there. The worker
// gets what it needs when it starts and reaches the main dialog only through message boxes and
// dialogs it owns and messages posted to it.
#include "controls/main_window_win.h"

#include <windows.h>

#include <string>

// Starts a check and returns at once. While one runs, a second call starts nothing.
void startVersionCheck(MainWindow& window);
bool versionCheckRunning(const MainWindow& window);
// For the exit sequence: a running check stops at its next step, without messages; waits for it
// at most the given time, serving what the worker sends to this thread meanwhile.
void stopVersionCheck(MainWindow& window, DWORD milliseconds = 3000);

// A directory search for exactly this path finds a folder (or anything, for fileExists). A path
// with a trailing backslash or a wildcard finds nothing.
bool isDirectory(const std::wstring& path);
bool fileExists(const std::wstring& path);
