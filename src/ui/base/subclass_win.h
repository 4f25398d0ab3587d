#pragma once
// A control's own window procedure in front of its class's. The procedure passes on what it does
// not handle with callPreviousProc; it is taken out when its control goes.
//
// The previous procedure is kept in a table of the process, not in the system's subclass
// chain (SetWindowSubclass): that chain looks up a window property on every message, which under
// Wine is a round trip to the server (about 0.1 ms), and a field sees dozens of messages per key.
// The control's user data stays free either way.
#include <windows.h>

// One procedure per window; a second call for the same window changes nothing.
void subclassWindow(HWND window, WNDPROC procedure);

// Only from within a procedure installed by subclassWindow.
LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
