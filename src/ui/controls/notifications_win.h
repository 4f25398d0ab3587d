#pragma once
// What the number fields, the player page, the tab strip and the rename field tell the main
// dialog, the way the system's controls tell their parent: a notification code in the high word
// of a WM_COMMAND (as EN_CHANGE), or a WM_NOTIFY with a header (as UDN_DELTAPOS) where there is
// more to say. The main dialog decides what to store, compute, re-sort, show or hide; none of
// these pieces knows it. The codes lie above those of the system's controls.
#include <windows.h>

enum : WORD {
    // A number field (its id in the low word).
    FN_FOCUS_GAINED = 0x4001,
    FN_FOCUS_LOST,
    FN_FRAME_PAINTED, // its frame was drawn
    // The player page.
    PN_SPIN_ENDED,    // a spin on the page has finished its steps
    PN_ROW_CLEARED,   // a clear button emptied its row (the button's id in the low word)
    PN_CLICKED,       // the left button went down on the page's background
    PN_RIGHT_PRESSED, // the right button went down on it
    PN_MENU_WANTED,   // the right button came up on it
    PN_PAINTED,       // the page has painted itself: the frames of its inputs go on top
    // The tab strip.
    TN_PRESSED,        // the left button went down on it
    TN_RIGHT_PRESSED,  // the right button went down on it
    TN_DOUBLE_CLICKED, // a tab was double-clicked
    TN_ARROWS_PRESSED, // a button went down on its scroll arrows
    // The rename field over a tab.
    RN_ACCEPTED,  // Enter
    RN_CANCELLED, // Escape
    RN_FOCUSED_HIDDEN, // it got the focus while hidden (a dialog restoring its focus)
};

// WM_NOTIFY codes.
enum : UINT {
    FN_KEY_RELEASED = 0x4101, // FieldKeyNotification
    RN_FOCUS_LOST,            // RenameFocusNotification
    TN_TAB_DROPPED,           // TabDropNotification: a tab pressed, and the button released over another
};

struct FieldKeyNotification {
    NMHDR header;
    UINT key; // the virtual key released
};

struct TabDropNotification {
    NMHDR header;
    int from, to; // the tabs' indices
};

struct RenameFocusNotification {
    NMHDR header;
    HWND gettingFocus; // the window that takes the focus, if any
};

// Sends code, with control's id, to the top-level window that holds control.
inline LRESULT notifyMainWindow(HWND control, WORD code)
{
    return SendMessageW(GetAncestor(control, GA_ROOT), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                        reinterpret_cast<LPARAM>(control));
}

// Fills the header of a WM_NOTIFY from control and sends it to the top-level window.
template <typename Notification>
LRESULT notifyMainWindow(HWND control, UINT code, Notification& notification)
{
    notification.header.hwndFrom = control;
    notification.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    notification.header.code = code;
    return SendMessageW(GetAncestor(control, GA_ROOT), WM_NOTIFY, notification.header.idFrom,
                        reinterpret_cast<LPARAM>(&notification));
}
