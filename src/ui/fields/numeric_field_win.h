#pragma once
// The nine number fields and the player count: digits only and two at most, the text selected
// by a first click, the arrow keys passed to the spin beside. What the typed value means is the
// main dialog's to decide: a field tells it when a key is released and when it gains or loses the
// focus (controls/notifications_win.h).
#include <windows.h>

void installNumericField(HWND field);
