#include "settings/settings_location_win.h"

#include "base/handles_win.h"
#include "base/system_win.h"
#include "base/text_win.h"
#include "base/version.h"
#include "settings/settings_location.h"
#include "settings/startup.h"

namespace {

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

SettingsFile chooseSettingsFile()
{
    SettingsFile file;
    SettingsFacts facts;
    facts.programPath = programPath();
    if (facts.programPath.empty())
        return file;
    facts.programFolders = {environmentFolder(L"ProgramFiles"), environmentFolder(L"ProgramFiles(x86)"),
                            environmentFolder(L"ProgramW6432")};
    facts.folderWritable = canWriteInto(folderOf(facts.programPath));
    facts.appData = environmentFolder(L"APPDATA");
    const SettingsLocation location = settingsLocation(facts);
    file.iniPath = location.iniPath;
    file.updateFolder = location.inUserFolder ? folderOf(file.iniPath) : programFolder();
    if (location.inUserFolder) {
        CreateDirectoryW(folderOf(file.iniPath).c_str(), nullptr);
        seedUserFile(location.seedFrom, file.iniPath);
    }
    return file;
}

AutoCloseHandle becomeTheOnlyInstance(const std::wstring& iniPath, bool& running)
{
    AutoCloseHandle instanceLock(CreateMutexW(nullptr, TRUE, instanceLockName(iniPath).c_str()));
    bool owned = instanceLock && GetLastError() != ERROR_ALREADY_EXISTS;
    HWND window = FindWindowW(nullptr, windowTitle);
    // Another start holds the lock: its window is waited for, or the lock, should it end first.
    for (int waited = 0; instanceLock && !owned && !window && waited < 10000; waited += 50) {
        const DWORD result = WaitForSingleObject(instanceLock.get(), 50);
        owned = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        window = FindWindowW(nullptr, windowTitle);
    }
    running = window != nullptr || (instanceLock && !owned);
    if (!window)
        return owned ? std::move(instanceLock) : AutoCloseHandle();
    // Hand over to the running instance, as the task switcher would.
    if (IsIconic(window))
        ShowWindow(window, SW_RESTORE);
    SwitchToThisWindow(window, TRUE);
    SetForegroundWindow(window);
    return AutoCloseHandle();
}
