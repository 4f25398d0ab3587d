#include "update/web_transfer_win.h"

#include "base/atomic_file_win.h"
#include "base/text_win.h"
#include "base/dialogs_win.h"
#include "update/secure_connection_win.h"
#include "update/server_address.h"
#include "update/site.h"
#include "update/update_rules.h"

#include <bcrypt.h>

#include <cstring>

namespace {

// Told by the main dialog's thread; the worker waits until the user has read it.
void tellDownload(VersionCheckJob& check, const std::string& text, BoxIcon icon)
{
    askWindowThread<BoxAnswer>(check, BoxAnswer::Cancel, [text, icon](HWND mainDialog) {
        return showMessageBox(mainDialog, text, "Download", BoxButtons::Ok, icon);
    });
}

// The system's dialog for what a request's answer asks of the user (a password), shown by the
// main dialog's thread: what it answers, and the error it left, as the worker's own.
DWORD askAboutRequest(VersionCheckJob& check, HINTERNET request, DWORD error)
{
    struct Outcome {
        DWORD answer = ERROR_CANCELLED;
        DWORD lastError = ERROR_SUCCESS;
    };
    const Outcome outcome = askWindowThread<Outcome>(check, {}, [request, error](HWND mainDialog) {
        Outcome asked;
        asked.answer = InternetErrorDlg(modalOwner(mainDialog), request, error,
                                        FLAGS_ERROR_UI_FILTER_FOR_ERRORS | FLAGS_ERROR_UI_FLAGS_CHANGE_OPTIONS |
                                            FLAGS_ERROR_UI_FLAGS_GENERATE_DATA,
                                        nullptr);
        asked.lastError = GetLastError();
        return asked;
    });
    SetLastError(outcome.lastError);
    return outcome.answer;
}

// The status code of an HTTP answer; 0 when there is none.
DWORD statusCodeOf(HINTERNET request)
{
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr))
        return 0;
    return status;
}

bool isErrorStatus(DWORD status) { return status >= 400; }

// SHA-256 with the system's own cryptography.
class Sha256 {
public:
    Sha256()
    {
        if (BCryptOpenAlgorithmProvider(&algorithm_, BCRYPT_SHA256_ALGORITHM, nullptr, 0) != 0) {
            algorithm_ = nullptr;
            return;
        }
        if (BCryptCreateHash(algorithm_, &hash_, nullptr, 0, nullptr, 0, 0) != 0)
            hash_ = nullptr;
    }
    ~Sha256()
    {
        if (hash_)
            BCryptDestroyHash(hash_);
        if (algorithm_)
            BCryptCloseAlgorithmProvider(algorithm_, 0);
    }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void add(const void* bytes, DWORD size)
    {
        if (hash_ && BCryptHashData(hash_, static_cast<PUCHAR>(const_cast<void*>(bytes)), size, 0) != 0)
            failed_ = true;
    }
    bool finish(unsigned char (&digest)[32])
    {
        return hash_ && !failed_ && BCryptFinishHash(hash_, digest, sizeof digest, 0) == 0;
    }
    // Lower-case hex; empty when the system could not hash.
    std::string finish()
    {
        unsigned char digest[32];
        if (!finish(digest))
            return {};
        static const char hex[] = "0123456789abcdef";
        std::string text;
        for (unsigned char byte : digest) {
            text += hex[byte >> 4];
            text += hex[byte & 15];
        }
        return text;
    }

private:
    BCRYPT_ALG_HANDLE algorithm_ = nullptr;
    BCRYPT_HASH_HANDLE hash_ = nullptr;
    bool failed_ = false;
};

void closeAlgorithm(BCRYPT_ALG_HANDLE algorithm) { BCryptCloseAlgorithmProvider(algorithm, 0); }
using AutoAlgorithm = AutoHandle<BCRYPT_ALG_HANDLE, closeAlgorithm>;
using AutoKey = AutoHandle<BCRYPT_KEY_HANDLE, BCryptDestroyKey>;

} // namespace

bool verifyMakerSignature(const std::vector<uint8_t>& publicKey, const std::string& text,
                          const std::vector<uint8_t>& signature)
{
    if (publicKey.size() != 64 || signature.size() != 64)
        return false;
    BCRYPT_ALG_HANDLE opened = nullptr;
    if (BCryptOpenAlgorithmProvider(&opened, BCRYPT_ECDSA_P256_ALGORITHM, nullptr, 0) != 0)
        return false;
    AutoAlgorithm algorithm(opened);
    // The system's public key record: its header, then X and Y.
    std::vector<unsigned char> blob(sizeof(BCRYPT_ECCKEY_BLOB) + publicKey.size());
    const BCRYPT_ECCKEY_BLOB header = {BCRYPT_ECDSA_PUBLIC_P256_MAGIC, 32};
    std::memcpy(blob.data(), &header, sizeof header);
    std::memcpy(blob.data() + sizeof header, publicKey.data(), publicKey.size());
    BCRYPT_KEY_HANDLE imported = nullptr;
    if (BCryptImportKeyPair(algorithm.get(), nullptr, BCRYPT_ECCPUBLIC_BLOB, &imported, blob.data(),
                            static_cast<ULONG>(blob.size()), 0) != 0)
        return false;
    AutoKey key(imported);
    Sha256 hash;
    hash.add(text.data(), static_cast<DWORD>(text.size()));
    unsigned char digest[32];
    if (!hash.finish(digest))
        return false;
    return BCryptVerifySignature(key.get(), nullptr, digest, sizeof digest, const_cast<PUCHAR>(signature.data()),
                                 static_cast<ULONG>(signature.size()), 0) == 0;
}

namespace {

// The announced length, which may exceed 4 GB; false when the answer has none.
bool contentLengthOf(HINTERNET request, uint64_t& length)
{
    char text[32] = "";
    DWORD size = sizeof text;
    if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr) || !text[0])
        return false;
    length = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9' || length > (UINT64_MAX - 9) / 10)
            return false;
        length = length * 10 + static_cast<uint64_t>(*c - '0');
    }
    return true;
}

// The download's progress, told to the main dialog, which shows it in its status bar below the
// window while the download runs. The window gets its height back on every way out, before the
// outcome is told.
class ProgressNews {
public:
    ProgressNews(HWND mainDialog, uint64_t total) : mainDialog_(mainDialog), total_(total)
    {
        PostMessageW(mainDialog_, WM_DOWNLOAD_STARTED, static_cast<WPARAM>(total), 0);
    }
    ~ProgressNews() { end(); }
    ProgressNews(const ProgressNews&) = delete;
    ProgressNews& operator=(const ProgressNews&) = delete;

    // Told at most every few hundredths of a second, and the last state always, so that a fast
    // download does not flood the window with news.
    void show(uint64_t received, float speed)
    {
        received_ = received;
        speed_ = speed;
        unsent_ = true;
        if (GetTickCount() - lastSent_ >= 40 || received == total_)
            send();
    }
    void end()
    {
        if (ended_)
            return;
        ended_ = true;
        if (unsent_)
            send();
        PostMessageW(mainDialog_, WM_DOWNLOAD_ENDED, 0, 0);
    }

private:
    void send()
    {
        LPARAM bits = 0;
        static_assert(sizeof speed_ <= sizeof bits, "a float fits into an LPARAM");
        std::memcpy(&bits, &speed_, sizeof speed_);
        PostMessageW(mainDialog_, WM_DOWNLOAD_PROGRESS, static_cast<WPARAM>(received_), bits);
        lastSent_ = GetTickCount();
        unsent_ = false;
    }

    HWND mainDialog_;
    uint64_t total_;
    uint64_t received_ = 0;
    float speed_ = 0;
    DWORD lastSent_ = 0;
    bool unsent_ = false;
    bool ended_ = false;
};

} // namespace

void WebTransfer::reset()
{
    request_.reset();
    connection_.reset();
    root_.reset();
    text_.clear();
    refusal_.clear();
}

void WebTransfer::release() { reset(); }

const std::string& WebTransfer::fetchText(const std::string& url)
{
    reset();
    root_.reset(InternetOpenA("Kadermeister", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));

    // Only the path is taken from the URL (with any query); the host is the program's server.
    URL_COMPONENTSA parts = {};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    std::string path = "/";
    if (InternetCrackUrlA(url.c_str(), 0, 0, &parts) && parts.lpszUrlPath)
        path = parts.lpszUrlPath;
    const ServerAddress server = parseServerAddress(updateSite.server);

    connection_.reset(InternetConnectA(root_.get(), server.host.c_str(), static_cast<INTERNET_PORT>(server.port),
                                       nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 0));
    // Never from the cache: a stale version file would hide a new version.
    request_.reset(HttpOpenRequestA(connection_.get(), "GET", path.c_str(), nullptr, nullptr, nullptr,
                                    INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                        (server.secure ? INTERNET_FLAG_SECURE : 0),
                                    0));

    // A server or proxy that asks for a password gets the system's password dialog, and the
    // request goes again with what the user entered, as often as the user retries.
    for (;;) {
        const bool sent = HttpSendRequestA(request_.get(), nullptr, 0, nullptr, 0) != FALSE;
        const DWORD sendError = sent ? ERROR_SUCCESS : GetLastError();
        const DWORD error = request_ ? ERROR_SUCCESS : sendError;
        if (check_.stopping)
            return text_;
        // Final: the error dialog would offer to go on with a certificate the system refused.
        refusal_ = secureRefusalFor(server, request_.get(), sendError);
        if (!refusal_.empty())
            return text_;
        if (askAboutRequest(check_, request_.get(), error) != ERROR_INTERNET_FORCE_RETRY)
            break;
    }
    if (GetLastError() == ERROR_ACCESS_DENIED || isErrorStatus(statusCodeOf(request_.get())))
        return text_;

    char chunk[8192];
    DWORD read = 0;
    while (!check_.stopping && text_.size() <= maxVersionFileSize &&
           InternetReadFile(request_.get(), chunk, sizeof chunk - 1, &read) && read > 0) {
        chunk[read] = '\0';
        // A NUL byte ends what a chunk adds: the answer is text.
        text_.append(chunk, strlen(chunk));
    }
    return text_;
}

DownloadResult WebTransfer::downloadFile(const std::string& url, const std::wstring& folder, const std::wstring& target,
                                        const std::string& sha256)
{
    AutoInternet answer(InternetOpenUrlA(root_.get(), url.c_str(), "Accept: */*\r\n\r\n", static_cast<DWORD>(-1),
                                         INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                             INTERNET_FLAG_PRAGMA_NOCACHE,
                                         0));
    const std::string refused =
        secureRefusalFor(parseServerAddress(updateSite.server), answer.get(), answer ? ERROR_SUCCESS : GetLastError());
    if (!refused.empty()) {
        tellDownload(check_, refused, BoxIcon::Error);
        return DownloadResult::OpenFailed;
    }
    if (!answer || isErrorStatus(statusCodeOf(answer.get()))) {
        // An error page is no new version.
        tellDownload(check_, "Fehler beim Zugriff auf die Webseite.", BoxIcon::Error);
        return DownloadResult::OpenFailed;
    }
    // Written under a fresh name in the chosen folder; it takes the file's name only when
    // complete and checked.
    AtomicFile file;
    if (!file.create(folder)) {
        tellDownload(check_, "Fehler beim Erstellen der Empfangsdatei.", BoxIcon::Error);
        return DownloadResult::CreateFailed;
    }

    uint64_t total = 0;
    const bool totalKnown = contentLengthOf(answer.get(), total);
    if (!totalKnown)
        total = 0;
    ProgressNews progress(check_.mainDialog, total);
    const auto fail = [&](const std::string& text, DownloadResult result) {
        file.discard();
        answer.reset();
        progress.end();
        tellDownload(check_, text, BoxIcon::Error);
        return result;
    };

    Sha256 hash;
    uint64_t received = 0;
    DWORD elapsed = 10;
    const DWORD start = GetTickCount();
    const std::string savedFailure = "Fehler beim Speichern der Empfangsdatei \"" + narrow(target) + "\".";
    for (;;) {
        char chunk[1024];
        DWORD read = 0;
        if (check_.stopping)
            return DownloadResult::Stopped;
        const bool ok = InternetReadFile(answer.get(), chunk, sizeof chunk, &read) != 0;
        // A connection that ends before the announced length failed as much as a broken read.
        if (!ok || (read == 0 && totalKnown && received < total))
            return fail("Fehler beim Lesen der Datei.", DownloadResult::ReadFailed);
        if (read == 0)
            break;
        if (!file.write(chunk, read))
            return fail(savedFailure, DownloadResult::WriteFailed);
        hash.add(chunk, read);
        received += read;
        progress.show(received, downloadSpeed(received, elapsed));
        elapsed = GetTickCount() - start;
    }
    answer.reset();

    if (!sha256.empty() && hash.finish() != sha256)
        return fail("Die geladene Datei ist beschädigt und wurde verworfen.", DownloadResult::Corrupt);
    if (!file.putInPlace(target))
        return fail(savedFailure, DownloadResult::WriteFailed);
    progress.end();
    tellDownload(check_, "Die Datei \"" + narrow(target) + "\" wurde erfolgreich gespeichert.", BoxIcon::Information);
    return DownloadResult::Stored;
}
