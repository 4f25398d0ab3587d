#pragma once
// The main dialog: its procedure and what it is started with.
#include <windows.h>

#include <string>

// Handed to the main dialog's creation (the last parameter of DialogBoxParam).
struct MainDialogStart {
    std::wstring iniPath;      // the settings file, read at start and written at exit
    std::wstring updateFolder; // where a new version goes at first; the program's folder when empty
};

INT_PTR CALLBACK mainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
