#pragma once
// What the number fields, the player page, the tab strip and the rename field tell their parent,
// the way the system's controls do: a notification code in the high word of a WM_COMMAND (as
// EN_CHANGE), or a WM_NOTIFY with a header (as UDN_DELTAPOS) where there is more to say. Each
// tells the window it was created in; the page and the tab strip pass on what their own
// children tell them. The main dialog on top decides what to store, compute, re-sort, show or
// hide. The codes lie above those of the system's controls.
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

// A number field's codes, which the page passes on to its own parent.
inline bool isFieldNotification(WORD code) { return code >= FN_FOCUS_GAINED && code <= FN_FRAME_PAINTED; }

// Sends code, with control's id, to control's parent.
inline LRESULT notifyParent(HWND control, WORD code)
{
    return SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code),
                        reinterpret_cast<LPARAM>(control));
}

// Fills the header of a WM_NOTIFY from control and sends it to control's parent.
template <typename Notification>
LRESULT notifyParent(HWND control, UINT code, Notification& notification)
{
    notification.header.hwndFrom = control;
    notification.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    notification.header.code = code;
    return SendMessageW(GetParent(control), WM_NOTIFY, notification.header.idFrom,
                        reinterpret_cast<LPARAM>(&notification));
}
