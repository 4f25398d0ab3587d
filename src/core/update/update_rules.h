#pragma once
// What the maker's server answers and what the program makes of it: the version file, the
// comparison with the built-in version, the download's file name, and the progress text.
// Window-free; the transfer and the dialogs that use them live beside this file.
#include <cstdint>
#include <string>

// A version file is two short lines and maybe a checksum; anything larger is no version file.
constexpr size_t maxVersionFileSize = 4096;

enum class UpdateVerdict { Unusable, Current, Newer };

struct VersionAnswer {
    UpdateVerdict verdict = UpdateVerdict::Unusable;
    std::string version;  // the first non-empty line
    std::string fileName; // the second: the download's name under "/download/" and in the folder
    std::string sha256;   // a third line of 64 hexadecimal digits, in lower case; else empty
};

// Reads the server's answer against the built-in version. Unusable: empty, too large, an error
// text anywhere, fewer than two lines, or a file name that could leave the chosen folder.
VersionAnswer readVersionAnswer(const std::string& answer, const std::string& builtIn);

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

struct ServerAddress {
    std::string host;
    int port = 80; // 0 when the text after the colon is no port number
};
// "host" or "host:port".
ServerAddress splitServer(const std::string& server);
// "http://" + server + versionDir + "version/version.txt".
std::string versionFileUrl(const std::string& server, const std::string& versionDir);
// The path of that URL on the server, for the request itself.
std::string versionFilePath(const std::string& versionDir);
// "http://" + server + "/download/" + fileName.
std::string downloadUrlFor(const std::string& server, const std::string& fileName);

