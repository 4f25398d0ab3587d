#pragma once
// What the maker's server answers and what the program makes of it: the version file, the
// comparison with the built-in version, the download's file name, and the progress text.
// Window-free; the transfer and the dialogs that use them live beside this file.
#include <cstdint>
#include <string>
#include <vector>

// A version file is two short lines, maybe a checksum and a signature; anything larger is no
// version file.
constexpr size_t maxVersionFileSize = 4096;

enum class UpdateVerdict { Unusable, Current, Newer };

struct VersionAnswer {
    UpdateVerdict verdict = UpdateVerdict::Unusable;
    std::string version;  // the first non-empty line
    std::string fileName; // the second: the download's name under "/download/" and in the folder
    std::string sha256;   // a third line of 64 hexadecimal digits, in lower case; else empty
    // What the maker signs: the first three lines as they stand, each ended by one LF. Empty
    // unless the third line is a checksum.
    std::string signedText;
    // A fourth line of exactly 128 hexadecimal digits as 64 bytes: r, then s, of an ECDSA
    // P-256 signature over the SHA-256 of signedText. Empty otherwise.
    std::vector<uint8_t> signature;
};

// Reads the server's answer against the built-in version. Unusable: empty, too large, an error
// text anywhere, fewer than two lines, or a file name that could leave the chosen folder.
VersionAnswer readVersionAnswer(const std::string& answer, const std::string& builtIn);

// The bytes of a text of exactly 2 * count hexadecimal digits, either case; empty otherwise.
std::vector<uint8_t> hexBytes(const std::string& text, size_t count);

// Whether an answer comes from the maker. A program built without a key (makerKey empty) takes
// every answer as it is; one with a key (X then Y of the P-256 point, 128 hexadecimal digits)
// takes only an answer with a checksum whose signature verifies with that key. verify does the
// cryptography and is called only when there is something to verify.
using SignatureVerifier = bool (*)(const std::vector<uint8_t>& publicKey, const std::string& text,
                                   const std::vector<uint8_t>& signature);
bool isFromMaker(const VersionAnswer& answer, const std::string& makerKey, SignatureVerifier verify);

// Textual, byte by byte: "0.92.10" is newer than "0.92.1", "0.100" is not. The server's
// operator relies on this order.
bool isNewerVersion(const std::string& offered, const std::string& builtIn);

// A plain file name that stays inside any folder it is joined to and names the same file in
// the download's URL: no separator, drive or stream colon, no "#" or "%", no "." or "..", no
// control or wildcard character, no name Windows reserves (CON, NUL, COM1 …, with any
// extension), no trailing dot or blank.
bool isSafeDownloadName(const std::string& name);

// "%d KB / %d KB @ %1.1f KB/s"; the speed with a decimal point.
std::string downloadStatusText(uint64_t received, uint64_t total, float kilobytesPerSecond);
// Bytes per second divided by 1024, from the bytes so far and the milliseconds they took
// (0 ms counts as 10).
float downloadSpeed(uint64_t received, uint32_t elapsedMilliseconds);
// 0 when the total is unknown.
int downloadPercent(uint64_t received, uint64_t total);

// ---- Addresses on the maker's server ----

// The server as update/server_address reads it ("https://host", "host:port" …), then
// versionDir + "version/version.txt".
std::string versionFileUrl(const std::string& server, const std::string& versionDir);
// The path of that URL on the server, for the request itself.
std::string versionFilePath(const std::string& versionDir);
// The same server, "/download/" + fileName: a download follows the version file's scheme.
std::string downloadUrlFor(const std::string& server, const std::string& fileName);
