#pragma once
// Text and pictures for other programs, as "Kopieren" gives them; and what other programs left
// there, as "Bilanzen einfügen..." reads it.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

// Puts bytes on the clipboard in one format, replacing what it held; false when it is busy.
inline bool putOnClipboard(HWND owner, UINT format, const void* first, size_t firstSize,
                           const void* second = nullptr, size_t secondSize = 0)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    bool done = false;
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, firstSize + secondSize)) {
        auto* bytes = static_cast<char*>(GlobalLock(memory));
        std::memcpy(bytes, first, firstSize);
        if (second)
            std::memcpy(bytes + firstSize, second, secondSize);
        GlobalUnlock(memory);
        // The clipboard owns the memory once it has taken it.
        done = SetClipboardData(format, memory) != nullptr;
        if (!done)
            GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}

// Puts text on the clipboard as Unicode text.
inline bool putOnClipboard(HWND owner, const std::wstring& text)
{
    return putOnClipboard(owner, CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
}

// Puts a DIB section on the clipboard as a device-independent bitmap (CF_DIB), which word
// processors and messengers paste; the system offers it as CF_BITMAP too.
inline bool putPictureOnClipboard(HWND owner, HBITMAP dib)
{
    DIBSECTION section = {};
    if (GetObjectW(dib, sizeof section, &section) != sizeof section || !section.dsBm.bmBits)
        return false;
    GdiFlush(); // drawing into the section may still be queued
    BITMAPINFOHEADER header = section.dsBmih;
    header.biSizeImage = static_cast<DWORD>(section.dsBm.bmWidthBytes) * static_cast<DWORD>(section.dsBm.bmHeight);
    return putOnClipboard(owner, CF_DIB, &header, sizeof header, section.dsBm.bmBits, header.biSizeImage);
}

// The clipboard's data in format, at most limit bytes of it; empty when it holds none. Only
// between OpenClipboard and CloseClipboard.
inline std::string clipboardBytes(UINT format, size_t limit)
{
    HANDLE data = GetClipboardData(format);
    const auto* bytes = data ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (!bytes)
        return {};
    std::string copy(bytes, std::min<size_t>(GlobalSize(data), limit));
    GlobalUnlock(data);
    return copy;
}

// The clipboard's Unicode text up to its end, at most limit characters; only while it is open.
inline std::wstring clipboardUnicodeText(size_t limit)
{
    const std::string bytes = clipboardBytes(CF_UNICODETEXT, limit * sizeof(wchar_t));
    std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
    std::memcpy(&text[0], bytes.data(), text.size() * sizeof(wchar_t));
    return text.substr(0, text.find(L'\0'));
}
