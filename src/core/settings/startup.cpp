#include "settings/startup.h"

#include <cstdint>

std::wstring iniPathFor(const std::wstring& programPath)
{
    if (programPath.size() < 3)
        return {};
    return programPath.substr(0, programPath.size() - 3) + L"ini";
}

std::wstring iniLockName(const std::wstring& iniPath)
{
    // FNV-1a over the UTF-16 units of the path as Windows compares it.
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : iniPath) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
        else if (c == L'/')
            c = L'\\';
        hash = (hash ^ static_cast<uint16_t>(c)) * 1099511628211ull;
    }
    wchar_t hex[17];
    for (int i = 15; i >= 0; --i, hash >>= 4)
        hex[i] = L"0123456789ABCDEF"[hash & 0xF];
    hex[16] = L'\0';
    return std::wstring(L"Kadermeister-INI-") + hex;
}

std::wstring iniSavingPathFor(const std::wstring& iniPath) { return iniPath + L".tmp~"; }

std::string iniSaveFailedText(const std::string& iniPath)
{
    return "Die Einstellungen und Spielerdaten konnten nicht gespeichert werden.\n\n"
           "Datei: " + iniPath + "\n\n"
           "Die Datei ist schreibgesch\xC3\xBCtzt, von einem anderen Programm gesperrt, oder der "
           "Datentr\xC3\xA4ger ist voll. Sie bleibt, wie sie war.";
}
