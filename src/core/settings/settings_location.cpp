#include "settings/settings_location.h"

#include "settings/startup.h"

namespace {

wchar_t folded(wchar_t c)
{
    if (c >= L'a' && c <= L'z')
        return static_cast<wchar_t>(c - L'a' + L'A');
    return c == L'/' ? L'\\' : c;
}

std::wstring withoutTrailingSeparators(std::wstring path)
{
    while (!path.empty() && (path.back() == L'\\' || path.back() == L'/'))
        path.pop_back();
    return path;
}

} // namespace

bool isInsideFolder(const std::wstring& path, const std::wstring& folder)
{
    const std::wstring base = withoutTrailingSeparators(folder);
    if (base.empty() || path.size() < base.size())
        return false;
    for (size_t i = 0; i < base.size(); ++i)
        if (folded(path[i]) != folded(base[i]))
            return false;
    return path.size() == base.size() || folded(path[base.size()]) == L'\\';
}

SettingsLocation settingsLocation(const SettingsFacts& facts)
{
    SettingsLocation location;
    const std::wstring beside = iniPathFor(facts.programPath);
    bool amongPrograms = false;
    for (const std::wstring& folder : facts.programFolders)
        amongPrograms = amongPrograms || isInsideFolder(facts.programPath, folder);
    // Without a folder of the user's to go to, the file stays where it always was; a save that
    // fails there is told as before.
    if ((!amongPrograms && facts.folderWritable) || facts.appData.empty()) {
        location.iniPath = beside;
        return location;
    }
    location.iniPath = withoutTrailingSeparators(facts.appData) + L"\\Kadermeister\\Kadermeister.ini";
    location.inUserFolder = true;
    location.seedFrom = beside;
    return location;
}
