#pragma once
// The HTTP side of the update: the version file fetched into memory, and the new version
// downloaded into a folder, its progress posted to the main dialog. Both run on the version
// check's worker thread; what they show (the password dialog, the outcome) the main dialog's
// thread shows for them. Beside them the system's cryptography: the download's SHA-256
// and the check of the maker's signature.
#include "base/handles_win.h"
#include "update/update_check_win.h"

#include <wininet.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

using AutoInternet = AutoHandle<HINTERNET, InternetCloseHandle>;

// Whether signature (r then s) is an ECDSA P-256 signature of the SHA-256 of text by publicKey
// (X then Y), checked by the system's cryptography. False also when the system cannot check.
bool verifyMakerSignature(const std::vector<uint8_t>& publicKey, const std::string& text,
                          const std::vector<uint8_t>& signature);

enum class DownloadResult {
    Stored = 0,
    OpenFailed = 1,   // the URL could not be opened, or the server answered with an error
    CreateFailed = 2, // no file could be made in the folder
    ReadFailed = 3,   // the connection failed or ended before the announced length
    WriteFailed = 4,  // the file could not be written or put in place
    Corrupt = 5,      // the checksum of the version file does not match
    Stopped = 6,      // the program is closing
};

// A transfer stops at its next chunk, quietly, and leaves no file behind, once check.stopping
// is set.
class WebTransfer {
public:
    explicit WebTransfer(VersionCheckJob& check) : check_(check) {}
    ~WebTransfer() { release(); }
    WebTransfer(const WebTransfer&) = delete;
    WebTransfer& operator=(const WebTransfer&) = delete;

    void reset();
    // GET of a short text; the main dialog owns the system's password dialog. Empty when the
    // server could not be reached or answered with an error status. Reading stops once the text
    // is longer than maxVersionFileSize, so a larger answer shows as too large.
    const std::string& fetchText(const std::string& url);
    // After fetchText: why an HTTPS server was refused (its certificate, a redirect to plain
    // HTTP), as the user reads it; empty when it was not.
    const std::string& refusal() const { return refusal_; }
    // url to target (a file in folder), through a fresh file in that folder. sha256 (lower-case
    // hex) is checked when not empty. Every outcome is told to the user before it returns.
    DownloadResult downloadFile(const std::string& url, const std::wstring& folder, const std::wstring& target,
                                const std::string& sha256 = {});
    void release();

private:
    VersionCheckJob& check_;
    AutoInternet root_;
    AutoInternet request_;
    AutoInternet connection_;
    std::string text_;
    std::string refusal_;
};
