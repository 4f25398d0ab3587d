// The INI file's path from the program file's path.
#include "settings/startup.h"

#include <gtest/gtest.h>

TEST(IniPath, LastThreeCharactersBecomeIni)
{
    const struct {
        const wchar_t* program;
        const wchar_t* ini;
    } cases[] = {
        {L"C:\\Tools\\Kadermeister.exe", L"C:\\Tools\\Kadermeister.ini"},
        {L"C:\\Tools\\kader.abc", L"C:\\Tools\\kader.ini"},
        {L"C:\\Tools\\kader", L"C:\\Tools\\kaini"}, // no three-letter extension: still three characters go
        {L"C:\\Jürgen\\kader.exe", L"C:\\Jürgen\\kader.ini"},
        {L"ab", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(iniPathFor(c.program), c.ini);
}

TEST(IniPath, OneLockPerFileWhateverItsSpelling)
{
    const std::wstring name = iniLockName(L"C:\\Tools\\Kadermeister.ini");
    EXPECT_EQ(name.rfind(L"Kadermeister-INI-", 0), 0u);
    EXPECT_EQ(name.size(), 17u + 16u);
    EXPECT_EQ(name.find(L'\\'), std::wstring::npos) << "a backslash would name a namespace";
    EXPECT_EQ(iniLockName(L"c:/tools/KADERMEISTER.INI"), name);
    for (const wchar_t* other : {L"C:\\Tools2\\Kadermeister.ini", L"D:\\Tools\\Kadermeister.ini", L"C:\\Jürgen\\k.ini"})
        EXPECT_NE(iniLockName(other), name) << other;
}
