#include "settings/startup.h"

std::wstring iniPathFor(const std::wstring& programPath)
{
    if (programPath.size() < 3)
        return {};
    return programPath.substr(0, programPath.size() - 3) + L"ini";
}
