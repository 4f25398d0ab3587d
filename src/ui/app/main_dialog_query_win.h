#pragma once
// What a test or a tool may read of a running main dialog beside its controls: window handles and
// values, never its record.
#include "team/team.h"

#include <windows.h>

// The tooltip of the main dialog's controls, once it is made; null before.
HWND mainDialogTooltip(HWND dialog);
// Whether a version check of the dialog is running.
bool mainDialogCheckingForUpdate(HWND dialog);
// A copy of the dialog's team model as it stands, for a tool that measures its work.
TeamModel mainDialogModel(HWND dialog);
