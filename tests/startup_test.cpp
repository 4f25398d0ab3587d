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
