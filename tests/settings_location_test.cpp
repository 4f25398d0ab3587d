// Where the settings file lies, from what the start finds out.
#include "settings/settings_location.h"
#include "settings/startup.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::wstring> programFolders = {L"C:\\Program Files", L"C:\\Program Files (x86)\\", L""};
const std::wstring appData = L"C:\\Users\\eva\\AppData\\Roaming";
const std::wstring userFile = appData + L"\\Kadermeister\\Kadermeister.ini";

TEST(SettingsLocation, BesideTheProgramWhereItMayBeWrittenElseInTheUsersFolder)
{
    const struct {
        const wchar_t* program;
        bool writable;
        std::wstring appData;
        std::wstring iniPath;
    } cases[] = {
        {L"D:\\Verein\\Kadermeister.exe", true, appData, L"D:\\Verein\\Kadermeister.ini"},
        {L"C:\\Program Files\\Kadermeister\\Kadermeister.exe", true, appData, userFile},
        {L"c:/program files (x86)/KM/kader.exe", true, appData, userFile},
        {L"C:\\Program Files Tools\\Kadermeister.exe", true, appData, L"C:\\Program Files Tools\\Kadermeister.ini"},
        {L"D:\\Schreibgeschuetzt\\Kadermeister.exe", false, appData, userFile},
        {L"D:\\Schreibgeschuetzt\\Kadermeister.exe", false, appData + L"\\", userFile},
        // Nowhere else to go: the file stays beside the program, and a failed save is told.
        {L"C:\\Program Files\\Kadermeister\\Kadermeister.exe", true, L"", L"C:\\Program Files\\Kadermeister\\Kadermeister.ini"},
    };
    for (const auto& c : cases) {
        SettingsFacts facts;
        facts.programPath = c.program;
        facts.programFolders = programFolders;
        facts.folderWritable = c.writable;
        facts.appData = c.appData;
        const SettingsLocation location = settingsLocation(facts);
        EXPECT_EQ(location.iniPath, c.iniPath) << c.program;
        EXPECT_EQ(location.inUserFolder, c.iniPath == userFile) << c.program;
        EXPECT_EQ(location.seedFrom, c.iniPath == userFile ? iniPathFor(c.program) : L"") << c.program;
    }
}

TEST(SettingsLocation, AnInstanceLockOfItsOwnPerFile)
{
    const std::wstring file = L"C:\\Users\\eva\\AppData\\Roaming\\Kadermeister\\Kadermeister.ini";
    EXPECT_EQ(instanceLockName(file), instanceLockName(L"c:/users/EVA/appdata/roaming/kadermeister/kadermeister.ini"));
    EXPECT_NE(instanceLockName(file), iniLockName(file)) << "the start's lock is not the save's";
    EXPECT_NE(instanceLockName(file), instanceLockName(L"D:\\Verein\\Kadermeister.ini"));
}

} // namespace
