#include "base/system_win.h"

namespace {

struct OsVersion {
    DWORD major, minor;
};

OsVersion osVersion()
{
    OSVERSIONINFOW info = {};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExW(&info);
#pragma GCC diagnostic pop
    return {info.dwMajorVersion, info.dwMinorVersion};
}

} // namespace

int isSystemVersion40()
{
    const OsVersion v = osVersion();
    return v.major == 4 && v.minor == 0;
}

int isSystemVersion51()
{
    const OsVersion v = osVersion();
    return v.major == 5 && v.minor == 1;
}

std::wstring programPath()
{
    wchar_t path[MAX_PATH + 1] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(path, length) : std::wstring();
}

std::wstring programFolder()
{
    const std::wstring path = programPath();
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}
