#include "settings/settings_win.h"

#include "base/handles_win.h"
#include "base/view.h"
#include "controls/dialogs_win.h"
#include "settings/startup.h"
#include "team/ordering.h"
#include "team/tabs_win.h"
#include "team/team_win.h"

#include <windows.h>
#include <commctrl.h>

std::wstring iniPath;

namespace {

// The ANSI profile functions hand over the file's bytes as they stand, so an old file in the
// Windows code page and one with UTF-8 names both reach the core unchanged.
std::string ansiPath()
{
    if (iniPath.empty())
        return {};
    // A system code page of UTF-8 holds every path but refuses both the flag and the lossy test.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossyTest = utf8 ? nullptr : &lossy;
    const int length = WideCharToMultiByte(CP_ACP, flags, iniPath.c_str(), -1, nullptr, 0, nullptr, lossyTest);
    std::string path(length, '\0');
    WideCharToMultiByte(CP_ACP, flags, iniPath.c_str(), -1, &path[0], length, nullptr, lossyTest);
    path.resize(length > 0 ? length - 1 : 0);
    if (lossy) {
        // A folder name outside the code page: its short form is plain ASCII.
        wchar_t shortPath[MAX_PATH];
        std::wstring folder = iniPath.substr(0, iniPath.find_last_of(L"\\/") + 1);
        if (GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH)) {
            std::wstring name = iniPath.substr(folder.size());
            std::wstring whole = std::wstring(shortPath) + name;
            char buffer[MAX_PATH * 2] = "";
            WideCharToMultiByte(CP_ACP, 0, whole.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
            path = buffer;
        }
    }
    return path;
}

// Held while the INI file is read at start or written at exit, by every instance that uses the
// same file, so that saves from two instances never interleave their keys. Nobody holds it
// longer than the file work takes; after ten seconds an instance goes ahead without it.
class IniLock {
public:
    explicit IniLock(const std::wstring& path) : mutex_(CreateMutexW(nullptr, FALSE, iniLockName(path).c_str()))
    {
        if (mutex_) {
            const DWORD result = WaitForSingleObject(mutex_.get(), 10000);
            // Abandoned: an instance ended while holding it; the file may be half written, but ours now.
            owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        }
    }
    ~IniLock()
    {
        if (owned_)
            ReleaseMutex(mutex_.get());
    }
    IniLock(const IniLock&) = delete;
    IniLock& operator=(const IniLock&) = delete;

private:
    AutoCloseHandle mutex_;
    bool owned_ = false;
};

} // namespace

void buildIniPath()
{
    wchar_t path[MAX_PATH + 1] = L"";
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    iniPath = length > 0 && length < MAX_PATH ? iniPathFor(path) : std::wstring();
}

IniStore profileStore()
{
    const std::string path = ansiPath();
    IniStore store;
    store.read = [path](const std::string& section, const std::string& key, const std::string& fallback) {
        char buffer[1024] = "";
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer, path.c_str());
        return std::string(buffer);
    };
    store.write = [path](const std::string& section, const std::string& key, const std::string& value) {
        WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
    };
    return store;
}

void startTeamModel()
{
    {
        // A faulty player is reported once the file is free again.
        HeldMessages messages;
        IniLock lock(iniPath);
        loadSettingsAndPlayers(profileStore());
    }
    writePlayerCountField(teamState.playerCount);
    rebuildTabs();
    if (teamState.singleMode) {
        showPlayer(singleState, 0);
        showPlayerCountControls(false);
    } else {
        TabCtrl_SetCurSel(tabControl, currentPlayerIndex());
        showPlayer(teamState, currentPlayerIndex());
    }
    if (activeState().sortByLkz)
        sortTeam(activeState().sortByLkz);
    else if (teamState.sortByLkz)
        // Started as a single player: the team's saved order waits in the array for team mode.
        sortByLkzValue(teamState);
}

void saveAll()
{
    IniLock lock(iniPath);
    saveAll(profileStore());
    // Whatever the system still caches goes to the disk before the next instance reads.
    const std::string path = ansiPath();
    if (!path.empty())
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, path.c_str());
}
