#pragma once
// The system's version, for the few places that draw differently on old Windows.
#include <windows.h>

// Windows 95 and NT 4.0.
int isSystemVersion40();
// Windows XP.
int isSystemVersion51();
