#pragma once
// The version check: asks the maker's server on a worker thread of its own whether a newer
// version exists, offers it, lets the user choose a folder and downloads it there.
#include <windows.h>

#include <string>

// Starts a check and returns at once. While one runs, a second call starts nothing.
void startVersionCheck();
bool versionCheckRunning();
// For the exit sequence: a running check stops at its next step, without messages; waits for it
// at most the given time, serving what the worker sends to this thread meanwhile.
void stopVersionCheck(DWORD milliseconds = 3000);
// As a first start finds it: no check running or stopping, no folder chosen.
void resetVersionCheck();

// A directory search for exactly this path finds a folder (or anything, for fileExists). A path
// with a trailing backslash or a wildcard finds nothing.
bool isDirectory(const std::wstring& path);
bool fileExists(const std::wstring& path);
