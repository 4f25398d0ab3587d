#pragma once
// Text for other programs, as "Kopieren" gives it.
#include <windows.h>

#include <cstring>
#include <string>

// Puts text on the clipboard as Unicode text; false when the clipboard is busy.
inline bool putOnClipboard(HWND owner, const std::wstring& text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    bool done = false;
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        done = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        if (!done)
            GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}
