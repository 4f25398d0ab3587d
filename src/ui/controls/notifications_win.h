#pragma once
// What the number fields and the player page tell the main dialog, as the notification code (high
// word) of a WM_COMMAND, the way an edit control reports EN_CHANGE: the main dialog decides what
// to store, compute, re-sort or hide. The codes lie above those of the system's controls.
#include <windows.h>

enum : WORD {
    FN_COMMIT = 0x4001, // a number field's value is final: the page's values are to be stored
    PN_SPIN_ENDED,      // a spin on the player page has finished its steps
    PN_ROW_CLEARED,     // a clear button emptied its row (the button's id in the low word)
    PN_CLICKED,         // a mouse button went down on the page's background
};

// Sends code, with control's id, to the top-level window that holds control.
inline void notifyMainWindow(HWND control, WORD code)
{
    SendMessageW(GetAncestor(control, GA_ROOT), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                 reinterpret_cast<LPARAM>(control));
}
