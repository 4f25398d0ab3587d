#pragma once
// The nine number fields: digits only and two at most, each value within its limits, committed
// to the current player when a key is released or when the commit timer fires.
#include <windows.h>

void installNumericField(HWND field);
bool fieldHasFocus(HWND field);
void clearHasFocus(HWND field);

// Timer IDT_COMMIT of the main dialog: works on the field that has the focus when it fires.
void onCommitTimer();
// The exit sequence has begun: a deferred commit is carried out now, so what is saved is what
// the fields show; then the timer stops and nothing is committed any more.
void stopNumericFields();
// As a first start finds them: no deferral armed, commits taken.
void resetNumericFields();
