#include "settings/settings_location_win.h"

#include "base/handles_win.h"
#include "base/system_win.h"
#include "base/text_win.h"
#include "base/version.h"
#include "settings/settings_location.h"
#include "settings/settings_win.h"
#include "settings/startup.h"

namespace {

bool settingsMoved = false; // the program's folder may not be written

std::wstring environmentFolder(const wchar_t* name)
{
    wchar_t value[MAX_PATH] = L"";
    const DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\')); }

// A file made and gone again: a folder shared read-only, a locked-down one, or a full disk says no.
bool canWriteInto(const std::wstring& folder)
{
    const std::wstring probe = folder + L"\\Kadermeister-" + widen(std::to_string(GetCurrentProcessId())) + L".tmp~";
    AutoCloseHandle file(CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(file);
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The INI beside the program becomes the user's file, whole or not at all: copied under a name of
// this start's own, then given the file's name unless another start was quicker.
void seedUserFile(const std::wstring& from, const std::wstring& to)
{
    if (exists(to) || !exists(from))
        return;
    const std::wstring copy = to + L".seed-" + widen(std::to_string(GetCurrentProcessId())) + L"~";
    if (!CopyFileW(from.c_str(), copy.c_str(), FALSE) || !MoveFileExW(copy.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH))
        DeleteFileW(copy.c_str());
}

} // namespace

void chooseSettingsFile()
{
    SettingsFacts facts;
    facts.programPath = programPath();
    if (facts.programPath.empty()) {
        iniPath.clear();
        return;
    }
    facts.programFolders = {environmentFolder(L"ProgramFiles"), environmentFolder(L"ProgramFiles(x86)"),
                            environmentFolder(L"ProgramW6432")};
    facts.folderWritable = canWriteInto(folderOf(facts.programPath));
    facts.appData = environmentFolder(L"APPDATA");
    const SettingsLocation location = settingsLocation(facts);
    iniPath = location.iniPath;
    settingsMoved = location.inUserFolder;
    if (settingsMoved) {
        CreateDirectoryW(folderOf(iniPath).c_str(), nullptr);
        seedUserFile(location.seedFrom, iniPath);
    }
}

std::wstring defaultUpdateFolder() { return settingsMoved ? folderOf(iniPath) : programFolder(); }

bool becomeTheOnlyInstance()
{
    // Owned by this start until the process ends, however it ends.
    static AutoCloseHandle instanceLock;
    instanceLock.reset(CreateMutexW(nullptr, TRUE, instanceLockName(iniPath).c_str()));
    bool owned = instanceLock && GetLastError() != ERROR_ALREADY_EXISTS;
    HWND running = FindWindowW(nullptr, windowTitle);
    // Another start holds the lock: its window is waited for, or the lock, should it end first.
    for (int waited = 0; instanceLock && !owned && !running && waited < 10000; waited += 50) {
        const DWORD result = WaitForSingleObject(instanceLock.get(), 50);
        owned = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        running = FindWindowW(nullptr, windowTitle);
    }
    if (!running)
        return owned || !instanceLock;
    // Hand over to the running instance, as the task switcher would.
    if (IsIconic(running))
        ShowWindow(running, SW_RESTORE);
    SwitchToThisWindow(running, TRUE);
    SetForegroundWindow(running);
    return false;
}
