#include "update/update_rules.h"

#include "update/server_address.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty())
                result.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty())
        result.push_back(line);
    return result;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isChecksum(const std::string& text) { return !hexBytes(text, 32).empty(); }

std::string upper(std::string text)
{
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool isReservedName(const std::string& name)
{
    const std::string stem = upper(name.substr(0, name.find('.')));
    static const char* const reserved[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* word : reserved)
        if (stem == word)
            return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '0' && stem[3] <= '9';
}

} // namespace

std::vector<uint8_t> hexBytes(const std::string& text, size_t count)
{
    if (text.size() != 2 * count)
        return {};
    std::vector<uint8_t> bytes(count);
    for (size_t i = 0; i < count; ++i) {
        const int high = hexValue(text[2 * i]);
        const int low = hexValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return {};
        bytes[i] = static_cast<uint8_t>(high * 16 + low);
    }
    return bytes;
}

bool isFromMaker(const VersionAnswer& answer, const std::string& makerKey, SignatureVerifier verify)
{
    if (makerKey.empty())
        return true;
    // A key that does not read as one verifies nothing, rather than letting everything through.
    const std::vector<uint8_t> key = hexBytes(makerKey, 64);
    if (key.empty() || answer.signedText.empty() || answer.signature.empty())
        return false;
    return verify(key, answer.signedText, answer.signature);
}

bool isNewerVersion(const std::string& offered, const std::string& builtIn)
{
    // std::string compares chars; unsigned bytes keep "ä" after "z" on every platform.
    const size_t common = std::min(offered.size(), builtIn.size());
    for (size_t i = 0; i < common; ++i) {
        const auto a = static_cast<unsigned char>(builtIn[i]);
        const auto b = static_cast<unsigned char>(offered[i]);
        if (a != b)
            return a < b;
    }
    return builtIn.size() < offered.size();
}

bool isSafeDownloadName(const std::string& name)
{
    if (name.empty() || name.size() > 200 || name == "." || name == "..")
        return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return false;
        switch (c) {
        case '\\':
        case '/':
        case '#': // would end the URL's path
        case '%': // would be read as an escape in the URL
        case ':':
        case '*':
        case '?':
        case '"':
        case '<':
        case '>':
        case '|':
            return false;
        }
    }
    if (name.back() == '.' || name.back() == ' ' || name.front() == ' ')
        return false;
    return !isReservedName(name);
}

VersionAnswer readVersionAnswer(const std::string& answer, const std::string& builtIn)
{
    VersionAnswer result;
    if (answer.empty() || answer.size() > maxVersionFileSize)
        return result;
    for (const char* text : {"Fehler", "FEHLER", "error", "Error", "ERROR"})
        if (answer.find(text) != std::string::npos)
            return result;
    const std::vector<std::string> found = lines(answer);
    if (found.size() < 2 || !isSafeDownloadName(found[1]))
        return result;
    result.version = found[0];
    result.fileName = found[1];
    if (found.size() >= 3 && isChecksum(found[2])) {
        result.sha256 = found[2];
        for (char& c : result.sha256)
            if (c >= 'A' && c <= 'F')
                c = static_cast<char>(c - 'A' + 'a');
        result.signedText = found[0] + '\n' + found[1] + '\n' + found[2] + '\n';
        if (found.size() >= 4)
            result.signature = hexBytes(found[3], 64);
    }
    result.verdict = isNewerVersion(result.version, builtIn) ? UpdateVerdict::Newer : UpdateVerdict::Current;
    return result;
}

std::string downloadStatusText(uint64_t received, uint64_t total, float kilobytesPerSecond)
{
    char speed[48];
    std::snprintf(speed, sizeof speed, "%1.1f", static_cast<double>(kilobytesPerSecond));
    return std::to_string(received / 1024) + " KB / " + std::to_string(total / 1024) + " KB @ " + speed + " KB/s";
}

float downloadSpeed(uint64_t received, uint32_t elapsedMilliseconds)
{
    const uint32_t elapsed = elapsedMilliseconds == 0 ? 10 : elapsedMilliseconds;
    return static_cast<float>(received) / (static_cast<float>(elapsed) * 0.001f) * 0.0009765625f;
}

int downloadPercent(uint64_t received, uint64_t total)
{
    if (total == 0)
        return 0;
    if (received >= total)
        return 100;
    // Below the total, so below 100; only beyond 2^64 / 100 bytes would received * 100 overflow.
    const uint64_t percent = received <= UINT64_MAX / 100 ? received * 100 / total : received / (total / 100);
    return static_cast<int>(percent < 99 ? percent : 99);
}

std::string versionFilePath(const std::string& versionDir) { return versionDir + "version/version.txt"; }

std::string versionFileUrl(const std::string& server, const std::string& versionDir)
{
    return serverOrigin(parseServerAddress(server)) + versionFilePath(versionDir);
}

std::string downloadUrlFor(const std::string& server, const std::string& fileName)
{
    return serverOrigin(parseServerAddress(server)) + "/download/" + fileName;
}
