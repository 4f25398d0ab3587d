#include "settings/startup.h"

#include <cstdint>

std::wstring iniPathFor(const std::wstring& programPath)
{
    if (programPath.size() < 3)
        return {};
    return programPath.substr(0, programPath.size() - 3) + L"ini";
}

namespace {

// FNV-1a over the UTF-16 units of the path as Windows compares it, as 16 hexadecimal digits.
std::wstring pathHash(const std::wstring& path)
{
    uint64_t hash = 14695981039346656037ull;
    for (wchar_t c : path) {
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
    return hex;
}

} // namespace

std::wstring iniLockName(const std::wstring& iniPath) { return L"Kadermeister-INI-" + pathHash(iniPath); }

std::wstring instanceLockName(const std::wstring& iniPath) { return L"Kadermeister-Instance-" + pathHash(iniPath); }

std::wstring iniSavingPathFor(const std::wstring& iniPath) { return iniPath + L".tmp~"; }

std::string iniSaveFailedText(const std::string& iniPath)
{
    return "Die Einstellungen und Spielerdaten konnten nicht gespeichert werden.\n\n"
           "Datei: " + iniPath + "\n\n"
           "Die Datei ist schreibgesch\xC3\xBCtzt, von einem anderen Programm gesperrt, oder der "
           "Datentr\xC3\xA4ger ist voll. Sie bleibt, wie sie war.";
}
