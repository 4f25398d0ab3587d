#pragma once
// Where the settings file lies: beside the program while the program's folder may be written, as
// it always did; in the user's application-data folder when the program lies among the system's
// programs or its folder refuses a write.
#include <string>
#include <vector>

// What the start finds out about the program and the system.
struct SettingsFacts {
    std::wstring programPath;                 // the program file's full path
    std::vector<std::wstring> programFolders; // the system's program folders; empty entries are ignored
    bool folderWritable = true;               // a test write into the program's folder succeeded
    std::wstring appData;                     // the user's application-data folder; empty when unknown
};

struct SettingsLocation {
    std::wstring iniPath;      // the settings file in use; empty when it cannot be named
    bool inUserFolder = false; // in appData\Kadermeister rather than beside the program
    // For a file in the user's folder: the INI beside the program, whose content a first start
    // there takes over when it exists.
    std::wstring seedFrom;
};

SettingsLocation settingsLocation(const SettingsFacts& facts);

// Whether path is folder or lies below it, as Windows compares paths (ASCII case, '/' or '\').
bool isInsideFolder(const std::wstring& path, const std::wstring& folder);
