#pragma once
// The core speaks UTF-8; the window API speaks UTF-16.
#include <windows.h>

#include <string>

inline std::wstring widen(const std::string& utf8)
{
    if (utf8.empty())
        return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    return wide;
}

inline std::string narrow(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0], length, nullptr, nullptr);
    return utf8;
}

// A whole number as the fields show it; without the wide printf, which the program does not carry.
inline std::wstring numberText(int value) { return widen(std::to_string(value)); }

inline std::wstring windowText(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(length + 1, L'\0');
    GetWindowTextW(window, &text[0], length + 1);
    text.resize(wcslen(text.c_str()));
    return text;
}

// A control repaints whenever its text is set, even to the same text; so only a change is set.
inline void setWindowTextIfChanged(HWND window, const std::wstring& text)
{
    if (window && windowText(window) != text)
        SetWindowTextW(window, text.c_str());
}

// Names as German readers and the Explorer order them: umlauts with their base letters, "ß" as
// "ss", case ignored, digits by their value ("Nr. 2" before "Nr. 10"). Negative, 0 or positive.
inline int compareNames(const std::string& a, const std::string& b)
{
    const std::wstring x = widen(a), y = widen(b);
    int result = CompareStringEx(L"de-DE", NORM_IGNORECASE | SORT_DIGITSASNUMBERS, x.c_str(), -1, y.c_str(), -1,
                                 nullptr, nullptr, 0);
    // Before Windows 7 the system knows no numbers inside names.
    if (!result)
        result = CompareStringEx(L"de-DE", NORM_IGNORECASE, x.c_str(), -1, y.c_str(), -1, nullptr, nullptr, 0);
    return result ? result - CSTR_EQUAL : x.compare(y);
}
