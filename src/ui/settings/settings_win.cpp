#include "settings/settings_win.h"

#include "base/handles_win.h"
#include "base/text_win.h"
#include "settings/startup.h"

#include <windows.h>

namespace {

// The ANSI profile functions hand over the file's bytes as they stand, so an old file in the
// Windows code page and one with UTF-8 names both reach the core unchanged.
std::string ansiPath(const std::wstring& wide)
{
    if (wide.empty())
        return {};
    // A system code page of UTF-8 holds every path but refuses both the flag and the lossy test.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL lossy = FALSE;
    BOOL* lossyTest = utf8 ? nullptr : &lossy;
    const int length = WideCharToMultiByte(CP_ACP, flags, wide.c_str(), -1, nullptr, 0, nullptr, lossyTest);
    std::string path(length, '\0');
    WideCharToMultiByte(CP_ACP, flags, wide.c_str(), -1, &path[0], length, nullptr, lossyTest);
    path.resize(length > 0 ? length - 1 : 0);
    if (lossy) {
        // A folder name outside the code page: its short form is plain ASCII.
        wchar_t shortPath[MAX_PATH];
        std::wstring folder = wide.substr(0, wide.find_last_of(L"\\/") + 1);
        if (GetShortPathNameW(folder.c_str(), shortPath, MAX_PATH)) {
            std::wstring name = wide.substr(folder.size());
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

// The profile functions on the file at path (in the ANSI code page). A write that fails sets
// *failed, so that a save can tell a complete file from a partial one.
IniStore profileStoreAt(const std::string& path, bool* failed = nullptr)
{
    IniStore store;
    store.read = [path](const std::string& section, const std::string& key, const std::string& fallback) {
        char buffer[1024] = "";
        GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer, sizeof buffer, path.c_str());
        return std::string(buffer);
    };
    store.write = [path, failed](const std::string& section, const std::string& key, const std::string& value) {
        if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) && failed)
            *failed = true;
    };
    return store;
}

// The file's bytes into a fresh file at copy, with plain attributes; a missing file gives an
// empty copy. False when the file cannot be read or the copy not written.
bool copyForSaving(const std::wstring& file, const std::wstring& copy)
{
    std::string bytes;
    {
        AutoCloseHandle source(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!source) {
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
                return false;
        } else {
            LARGE_INTEGER size = {};
            if (!GetFileSizeEx(source.get(), &size) || size.QuadPart > 64 * 1024 * 1024)
                return false;
            bytes.resize(static_cast<size_t>(size.QuadPart));
            DWORD read = 0;
            if (!bytes.empty() &&
                (!ReadFile(source.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                 read != bytes.size()))
                return false;
        }
    }
    AutoCloseHandle target(
        CreateFileW(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return target && WriteFile(target.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// Whatever the system still caches of the file goes to it, and the file to the disk.
bool flushToDisk(const std::wstring& path)
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ansiPath(path).c_str());
    AutoCloseHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get());
}

// The whole exit save as one replacement: the settings and players are written into a copy of
// the file beside it, which takes the file's place in one move when it is complete and on disk.
// Interrupted at any point, the file is the old one or the new one, never a part; keys the
// program does not know stay, since the copy starts from the file.
bool replaceIniFile(const std::wstring& iniPath, const TeamModel& model)
{
    const std::wstring copy = iniSavingPathFor(iniPath);
    // A file the user made read-only stays as it is; Windows would refuse to replace it, Wine not.
    const DWORD attributes = GetFileAttributesW(iniPath.c_str());
    const bool readOnly = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (readOnly || !copyForSaving(iniPath, copy)) {
        DeleteFileW(copy.c_str());
        return false;
    }
    bool failed = false;
    saveAll(model, profileStoreAt(ansiPath(copy), &failed));
    if (failed || !flushToDisk(copy) ||
        !MoveFileExW(copy.c_str(), iniPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(copy.c_str());
        return false;
    }
    return true;
}

} // namespace

IniStore profileStore(const std::wstring& path) { return profileStoreAt(ansiPath(path)); }

TeamModel loadTeamModel(const std::wstring& path, std::vector<std::string>& faults)
{
    IniLock lock(path);
    // What an interrupted save left is never read: the file itself is whole.
    if (!path.empty())
        DeleteFileW(iniSavingPathFor(path).c_str());
    return loadModel(profileStore(path), faults);
}

bool saveTeamModel(const std::wstring& path, const TeamModel& model)
{
    if (path.empty())
        return false;
    IniLock lock(path);
    return replaceIniFile(path, model);
}
