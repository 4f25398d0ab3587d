// Texts between the INI file and the program: UTF-8, Windows-1252 and the profile functions'
// handling of a value's ends.
#include "base/text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

TEST(NameEncoding, ReadAndWrite)
{
    const struct {
        const char* file;    // bytes as the file holds them
        const char* name;    // UTF-8 in the program
        const char* written; // bytes written back
    } cases[] = {
        {"J\xC3\xBCrgen", "J\xC3\xBCrgen", "J\xFCrgen"},                          // UTF-8, fits 1252
        {"\x80\x84\x9F", "\xE2\x82\xAC\xE2\x80\x9E\xC5\xB8", "\x80\x84\x9F"},     // € „ Ÿ
        {"a\x81z", "a\xC2\x81z", "a\x81z"},                                       // unassigned byte
        {"\xC3", "\xC3\x83", "\xC3"},                                             // lone lead byte
        {"\xC0\xAF", "\xC3\x80\xC2\xAF", "\xC0\xAF"},                             // overlong form
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC", "\xED\xA0\x80"},         // surrogate
        {"\xC3\xA4\xE2\x82", "\xC3\xA4", "\xE4"},                                 // cut inside a character
    };
    for (const auto& c : cases) {
        EXPECT_EQ(iniTextToUtf8(c.file), c.name) << c.file;
        EXPECT_EQ(utf8ToIniText(c.name), c.written) << c.name;
    }
}

// What a name goes through between two runs: written, read by the profile functions, decoded.
std::string afterRestart(const std::string& name) { return iniTextToUtf8(profileReadBack(utf8ToIniText(name))); }

TEST(SettingsText, EveryNameReadsBackAsWritten)
{
    std::vector<std::string> names = {
        "Wei\xC3\x9F\xE2\x80\x99",            // "Weiß’": in 1252 C3 9F 92 would read as "ß" and "’"
        "Gro\xC3\x9F\xE2\x80\x93Gerau",       // "Groß–Gerau"
        "\xC3\x84\xE2\x82\xAC",               // "Ä€"
        "\xC3\x82\xC2\xB0",                   // "Â°"
        "  Mitte  ", "\tTab", "\"Quoted\"", "'Single'", "\"", "'", "\"Half", "x'",
        "\xF0\x9F\x8F\x93 Pingpong",          // four bytes in UTF-8
        "\xC5\x81ukasz",                      // not in 1252
    };
    // Every character of Windows-1252 alone, after an "ß", and before a "’".
    for (int b = 0x20; b < 0x100; ++b) {
        const std::string decoded = iniTextToUtf8(std::string(1, static_cast<char>(b)));
        names.push_back(decoded);
        names.push_back("\xC3\x9F" + decoded);
        names.push_back(decoded + "\xE2\x80\x99");
    }
    for (const std::string& name : names)
        EXPECT_EQ(afterRestart(name), name) << name;
}

TEST(SettingsText, PlainNamesAreWrittenAsBefore)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Nr. 3", "Nr. 3"},
        {"J\xC3\xBCrgen M\xC3\xBCller", "J\xFCrgen M\xFCller"},
        {"Stra\xC3\x9F" "e 1", "Stra\xDF" "e 1"},
        {"\xC5\x81ukasz", "\xC5\x81ukasz"},
        {"Wei\xC3\x9F\xE2\x80\x99", "Wei\xC3\x9F\xE2\x80\x99"},
        {" Mitte ", "\" Mitte \""},
        {"'x'", "\"'x'\""},
        {"\"Hallo", "\"Hallo"},
    };
    for (const auto& [name, written] : cases)
        EXPECT_EQ(utf8ToIniText(name), written) << name;
}

TEST(Utf8Prefix, NeverEndsInsideACharacter)
{
    const struct {
        const char* text;
        size_t maxChars, maxBytes, length;
    } cases[] = {
        {"abc", 2, 10, 2},
        {"\xC3\xA4\xC3\xB6", 1, 10, 2},      // "äö": one character is two bytes
        {"\xC3\xA4\xC3\xB6", 5, 3, 2},       // three bytes would cut the "ö"
        {"\xF0\x9F\x8F\x93x", 1, 10, 4},     // four bytes, one character
        {"", 5, 5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(utf8PrefixLength(c.text, c.maxChars, c.maxBytes), c.length) << c.text;
}

} // namespace
