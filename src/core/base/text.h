#pragma once
// Texts between the file and the program: UTF-8, Windows-1252 and what the profile functions do
// to a value's ends. The program speaks UTF-8; older INI files hold Windows-1252.
#include <cstddef>
#include <string>

// Read: valid UTF-8 with at least one multi-byte character is UTF-8, anything else 1252.
std::string iniTextToUtf8(const std::string& bytes);
// Written so that reading gives the same text back: 1252 unless those bytes would read as
// UTF-8, and in quotes when the profile functions would take blanks or quotes off its ends.
std::string utf8ToIniText(const std::string& utf8);
// What the profile functions give back of a value written as it stands.
std::string profileReadBack(const std::string& written);

// Appends a code point (at most U+10FFFF) as UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// The bytes of the first maxChars characters of UTF-8 text, at most maxBytes, never ending
// inside a character.
size_t utf8PrefixLength(const std::string& text, size_t maxChars, size_t maxBytes);
