#include "base/text.h"

#include <cstring>

namespace {

// ---- UTF-8 and Windows-1252 ----

enum class Utf8 { Ok, Bad, Short };

// Strict decoding: no overlong forms, no surrogates, nothing above U+10FFFF. Short means the
// text ends inside an otherwise valid sequence.
Utf8 nextCodePoint(const std::string& text, size_t& pos, char32_t& cp)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    int length;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead < 0x80) {
        cp = lead;
        ++pos;
        return Utf8::Ok;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        cp = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        cp = lead & 0x0F;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        cp = lead & 0x07;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return Utf8::Bad;
    }
    for (int i = 1; i < length; ++i) {
        if (pos + i >= text.size())
            return Utf8::Short;
        const unsigned char c = byte(pos + i);
        if (i == 1 ? (c < low || c > high) : (c & 0xC0) != 0x80)
            return Utf8::Bad;
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += length;
    return Utf8::Ok;
}

} // namespace

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

namespace {

// Bytes 0x80..0x9F of Windows-1252; its five unassigned bytes keep their own value.
const char16_t cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t fromCp1252(unsigned char b) { return b >= 0x80 && b < 0xA0 ? cp1252High[b - 0x80] : b; }

bool toCp1252(char32_t cp, unsigned char& b)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
        b = static_cast<unsigned char>(cp);
        return true;
    }
    for (int i = 0; i < 32; ++i)
        if (cp1252High[i] == cp) {
            b = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    return false;
}

std::string decodeCp1252(const std::string& bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes)
        appendUtf8(out, fromCp1252(static_cast<unsigned char>(c)));
    return out;
}

} // namespace

std::string iniTextToUtf8(const std::string& bytes)
{
    bool multiByte = false;
    size_t validEnd = bytes.size();
    size_t pos = 0;
    char32_t cp;
    while (pos < bytes.size()) {
        const size_t start = pos;
        const Utf8 result = nextCodePoint(bytes, pos, cp);
        if (result == Utf8::Bad)
            return decodeCp1252(bytes);
        if (result == Utf8::Short) {
            // A value cut to the reader's buffer may end inside a character.
            validEnd = start;
            break;
        }
        multiByte = multiByte || pos - start > 1;
    }
    return multiByte ? bytes.substr(0, validEnd) : decodeCp1252(bytes);
}

namespace {

// The blanks the profile functions take from both ends of a value.
bool isProfileBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

bool readBackChanges(const std::string& value)
{
    if (value.empty())
        return false;
    const char first = value.front();
    const char last = value.back();
    return isProfileBlank(first) || isProfileBlank(last) || ((first == '"' || first == '\'') && last == first);
}

// Windows-1252 when every character has a byte there, else nothing.
bool toCp1252Text(const std::string& utf8, std::string& out)
{
    out.clear();
    size_t pos = 0;
    char32_t cp;
    unsigned char b;
    while (pos < utf8.size()) {
        if (nextCodePoint(utf8, pos, cp) != Utf8::Ok || !toCp1252(cp, b))
            return false;
        out += static_cast<char>(b);
    }
    return true;
}

} // namespace

std::string utf8ToIniText(const std::string& utf8)
{
    // Windows-1252 keeps older files and older versions happy, unless its bytes would read
    // back as UTF-8 and so as other characters ("Weiß’" is C3 9F 92 there, which is "ß").
    std::string text;
    if (!toCp1252Text(utf8, text) || iniTextToUtf8(text) != utf8)
        text = utf8;
    // The profile functions drop the blanks at both ends and one pair of surrounding quotes.
    return readBackChanges(text) ? '"' + text + '"' : text;
}

std::string profileReadBack(const std::string& written)
{
    size_t begin = 0;
    size_t end = written.size();
    while (begin < end && isProfileBlank(written[begin]))
        ++begin;
    while (end > begin && isProfileBlank(written[end - 1]))
        --end;
    if (end - begin >= 2 && (written[begin] == '"' || written[begin] == '\'') && written[end - 1] == written[begin]) {
        ++begin;
        --end;
    }
    return written.substr(begin, end - begin);
}

size_t utf8PrefixLength(const std::string& text, size_t maxChars, size_t maxBytes)
{
    size_t chars = 0;
    size_t length = 0;
    while (length < text.size()) {
        size_t next = length + 1;
        while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80)
            ++next;
        if (chars == maxChars || next > maxBytes)
            break;
        ++chars;
        length = next;
    }
    return length;
}
