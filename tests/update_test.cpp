// The update check as a user meets it: the command, the server's answers, the questions, the
// folder dialog, the download with its progress, and the About box. The server is the tests'
// own, on the loopback address this test program was built for.
#include "app/main_dialog_query_win.h"
#include "base/dpi_win.h"
#include "base/system_win.h"
#include "base/text_win.h"
#include "base/version.h"
#include "http_test_server.h"
#include "main_dialog_fixture.h"
#include "update/about_win.h"
#include "update/update_rules.h"
#include "update/version_check_win.h"
#include "update/web_transfer_win.h"

#include <wincrypt.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <sstream>

namespace {

const std::string versionPath = "/km-test/version/version.txt";
const std::string downloadPath = "/download/setup.zip";
const std::wstring current = L"Der Kadermeister ist aktuell.";
const std::wstring unusable = L"Es konnte nicht festgestellt werden, ob ein Update vorliegt.";
const std::wstring offer =
    L"Es ist eine neue Version des Kadermeisters erhältlich.\nSoll die neue Version jetzt geladen werden?";
const std::wstring invalidFolder = L"Das ausgewählte Verzeichnis ist ungültig!";
const wchar_t seenProperty[] = L"km-test-boxes";

// Bytes that differ from position to position, so a lost or doubled piece shows.
std::string download(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 1024) & 0xFF);
    return bytes;
}

// Equal bytes; a difference reports the sizes, not a screenful of binary.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected)
{
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the file holds " << actual.size() << " bytes, expected "
                                         << expected.size() << (actual.size() == expected.size() ? " (different)" : "");
}

// Version files relative to the program's own version, so the tests hold after a new release.
const std::string sameVersion = programVersion;
const std::string newerVersion = sameVersion + ".1";
const std::string olderVersion = "0";

HttpReply version(const std::string& body, const std::string& checksum = {})
{
    HttpReply reply;
    reply.body = checksum.empty() ? body : body + "\r\n" + checksum + "\r\n";
    return reply;
}

HttpReply file(const std::string& body)
{
    HttpReply reply;
    reply.body = body;
    return reply;
}

std::vector<std::wstring> filesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

class UpdateCheck : public MainDialogTest {
protected:
    HttpTestServer server;
    std::wstring folderA, folderB; // download folders, without the trailing backslash

    // What the user saw while a check ran.
    std::vector<std::wstring> statusTexts;
    int tallest = 0;
    std::vector<std::wstring> folderFields; // field 1103 each time the folder dialog asked
    std::vector<std::wstring> folderChoices; // typed into the folder dialog in turn; "" cancels
    size_t nextChoice = 0;

    void SetUp() override
    {
        ASSERT_TRUE(server.listening());
        open();
        folderA = makeTempFolder();
        folderA.pop_back();
        folderB = makeTempFolder();
        folderB.pop_back();
    }
    void TearDown() override
    {
        waitForCheck();
        // A check left running would keep every later one from starting.
        EXPECT_FALSE(checkRunning()) << "a check is still running";
        MainDialogTest::TearDown();
        removeTempFolder(folderA + L"\\");
        removeTempFolder(folderB + L"\\");
    }

    bool checkRunning() const { return dialog && IsWindow(dialog) && mainDialogCheckingForUpdate(dialog); }
    HWND statusBar() const { return GetDlgItem(dialog, IDC_STATUS_BAR); }
    HWND progressBar() const { return FindWindowExW(statusBar(), nullptr, PROGRESS_CLASSW, nullptr); }

    int height() const
    {
        RECT rect;
        GetWindowRect(dialog, &rect);
        return rect.bottom - rect.top;
    }
    std::wstring statusText() const
    {
        wchar_t text[256] = L"";
        SendMessageW(statusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }

    // The folder dialog gets the next choice when it opens, and again when it is usable after a
    // message box (it stays open on a folder that is not valid).
    void answerFolderDialog(const BoxWatcher& boxes)
    {
        HWND folderDialog = nullptr;
        for (HWND window = FindWindowExW(nullptr, nullptr, L"#32770", L"Update"); window;
             window = FindWindowExW(nullptr, window, L"#32770", L"Update"))
            if (IsWindowVisible(window) && GetDlgItem(window, IDC_UPDATE_FOLDER_FIELD))
                folderDialog = window;
        if (!folderDialog || !IsWindowEnabled(folderDialog))
            return;
        const auto handledAt = reinterpret_cast<size_t>(GetPropW(folderDialog, seenProperty));
        if (handledAt && handledAt == boxes.boxes.size() + 1)
            return;
        SetPropW(folderDialog, seenProperty, reinterpret_cast<HANDLE>(boxes.boxes.size() + 1));
        folderFields.push_back(text(folderDialog, IDC_UPDATE_FOLDER_FIELD));
        const std::wstring choice = nextChoice < folderChoices.size() ? folderChoices[nextChoice++] : L"";
        if (choice.empty()) {
            PostMessageW(folderDialog, WM_COMMAND, IDCANCEL, 0);
            return;
        }
        SetDlgItemTextW(folderDialog, IDC_UPDATE_FOLDER_FIELD, choice.c_str());
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    }

    void waitForCheck(const BoxWatcher* boxes = nullptr, DWORD milliseconds = 20000)
    {
        // The folder dialog is modal on this thread: it is answered from within its own loop.
        std::optional<EveryTick> answering;
        if (boxes)
            answering.emplace([this, boxes] { answerFolderDialog(*boxes); });
        waitUntil(
            [this] {
                tallest = std::max(tallest, height());
                const std::wstring status = statusText();
                if (!status.empty() && (statusTexts.empty() || statusTexts.back() != status))
                    statusTexts.push_back(status);
                return !checkRunning();
            },
            milliseconds);
    }

    // "Nach Update suchen" from the options menu, to the end of the check.
    void runCheck(BoxWatcher& boxes)
    {
        statusTexts.clear();
        // The last download's line stays in the hidden bar; only this check's lines count.
        SendMessageW(statusBar(), SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
        folderFields.clear();
        nextChoice = 0;
        tallest = height();
        SendMessageW(dialog, WM_COMMAND, IDM_CHECK_UPDATE, 0);
        waitForCheck(&boxes);
        ASSERT_FALSE(checkRunning()) << "the check did not end";
    }

    size_t requestsFor(const std::string& path) const
    {
        const std::vector<std::string> all = server.requests();
        return static_cast<size_t>(std::count(all.begin(), all.end(), path));
    }
};

std::wstring stored(const std::wstring& path) { return L"Die Datei \"" + path + L"\" wurde erfolgreich gespeichert."; }

TEST_F(UpdateCheck, TheServersAnswerDecidesWhatTheUserIsTold)
{
    HttpReply serverError = version("<html><body>Internal Server Error</body></html>");
    serverError.status = 500;
    const struct {
        const char* what;
        HttpReply reply;
        bool served;
        std::wstring told;
        std::vector<int> buttons;
    } cases[] = {
        {"the same version", version(sameVersion + "\r\nsetup.zip\r\n"), true, current, {IDOK}},
        {"an older version", version(olderVersion + "\r\nalt.zip"), true, current, {IDOK}},
        {"0.100 sorts before the version, as text", version("0.100\r\nk.zip"), true, current, {IDOK}},
        {"1.0 is newer", version("1.0\r\nk.zip"), true, offer, {IDYES, IDNO}},
        {"empty lines are skipped", version("\r\n\r\n" + newerVersion + "\r\n\r\nsetup.zip\r\n"), true, offer, {IDYES, IDNO}},
        {"one line only", version(newerVersion + "\r\n"), true, unusable, {IDOK}},
        {"an empty answer", version(""), true, unusable, {IDOK}},
        {"an error page", version("<html><body>Error</body></html>\nx.zip"), true, unusable, {IDOK}},
        {"an error status", serverError, true, unusable, {IDOK}},
        {"a name that leaves the folder", version(newerVersion + "\r\n..\\..\\evil.exe"), true, unusable, {IDOK}},
        {"an oversized version file", version(newerVersion + "\r\nsetup.zip\r\n" + std::string(5000, 'x')), true, unusable, {IDOK}},
        {"no version file", {}, false, unusable, {IDOK}},
    };
    for (const auto& c : cases) {
        if (c.served)
            server.serve(versionPath, c.reply);
        else
            server.serve(versionPath, [] { HttpReply missing; missing.status = 404; missing.body = "Not Found"; return missing; }());
        BoxWatcher boxes({IDNO});
        runCheck(boxes);
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes.boxes[0].text, c.told) << c.what;
        EXPECT_EQ(boxes.boxes[0].title, L"Update") << c.what;
        EXPECT_EQ(boxes.boxes[0].buttons, c.buttons) << c.what;
        EXPECT_EQ(boxes.boxes[0].owner, dialog) << c.what;
        EXPECT_TRUE(folderFields.empty()) << c.what;
    }
    EXPECT_EQ(requestsFor(versionPath), std::size(cases));
    EXPECT_EQ(requestsFor(downloadPath), 0u);
}

TEST_F(UpdateCheck, DownloadsIntoTheChosenFolderOrSaysWhyNot)
{
    const std::string bytes = download(40 * 1024 + 300);
    HttpReply slow = file(bytes);
    slow.firstDelay = 300; // long enough to see the first status line
    HttpReply missing = file("<html>404</html>");
    missing.status = 404;
    // The window shrinks before the outcome is told; the first byte waits, so the taller window
    // is seen.
    HttpReply cut = file(bytes);
    cut.cutAfter = 10 * 1024;
    cut.firstDelay = 300;
    HttpReply corrupt = file("abd");
    corrupt.firstDelay = 300;
    HttpReply empty = file("");
    empty.contentLength = false; // with a length of 0 the transfer would not wait for the delay
    empty.firstDelay = 300;
    HttpReply matching = file("abc");
    matching.firstDelay = 300;
    HttpReply noLength = file(download(20 * 1024));
    noLength.contentLength = false;
    noLength.firstDelay = 300;
    const std::wstring target = folderA + L"\\setup.zip";
    const struct {
        const char* what;
        HttpReply reply;
        std::string checksum; // the version file's third line
        std::wstring told;
        bool kept;   // the file is there afterwards with the served bytes
        bool taller; // the window grew for the status bar
    } cases[] = {
        {"a full download", slow, "", stored(target), true, true},
        {"a missing file", missing, "", L"Fehler beim Zugriff auf die Webseite.", false, false},
        {"a connection cut midway", cut, "", L"Fehler beim Lesen der Datei.", false, true},
        {"no content length", noLength, "", stored(target), true, true},
        {"an empty file", empty, "", stored(target), true, true},
        {"a matching checksum", matching, "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad", stored(target),
         true, true},
        {"a checksum that does not match", corrupt,
         "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD",
         L"Die geladene Datei ist beschädigt und wurde verworfen.", false, true},
    };
    const int before = height();
    for (const auto& c : cases) {
        DeleteFileW(target.c_str());
        server.serve(versionPath, version(newerVersion + "\r\nsetup.zip", c.checksum));
        server.serve(downloadPath, c.reply);
        folderChoices = {folderA};
        BoxWatcher boxes({IDYES});
        runCheck(boxes);

        ASSERT_EQ(boxes.boxes.size(), 2u) << c.what;
        EXPECT_EQ(boxes.boxes[1].text, c.told) << c.what;
        EXPECT_EQ(boxes.boxes[1].title, L"Download") << c.what;
        EXPECT_EQ(boxes.boxes[1].owner, dialog) << c.what;
        ASSERT_EQ(folderFields.size(), 1u) << c.what;
        EXPECT_EQ(folderFields[0], programFolder()) << "an offer starts from the program's folder";
        EXPECT_EQ(tallest, c.taller ? before + scaled(25) : before) << c.what;
        EXPECT_EQ(height(), before) << c.what << ": the window has its height back";
        EXPECT_EQ(boxes.boxes[1].ownerHeight, before) << c.what << ": before the outcome is told";
        if (c.kept) {
            EXPECT_EQ(filesIn(folderA), std::vector<std::wstring>{L"setup.zip"}) << c.what;
            EXPECT_TRUE(sameBytes(readFileBytes(target), c.reply.body)) << c.what;
        } else {
            EXPECT_TRUE(filesIn(folderA).empty()) << c.what << ": nothing half-written stays";
        }
    }
}

TEST_F(UpdateCheck, TheStatusBarShowsTheProgressAsItGoes)
{
    const struct {
        bool announced;
        const wchar_t* first;
        const wchar_t* lastStart;
        int bar;
    } cases[] = {
        {true, L"0 KB / 40 KB @ 0.0 KB/s", L"40 KB / 40 KB @ ", 100},
        {false, L"0 KB / 0 KB @ 0.0 KB/s", L"40 KB / 0 KB @ ", 0}, // no total: the bar stays at 0
    };
    for (const auto& c : cases) {
        HttpReply reply = file(download(40 * 1024 + 10));
        reply.contentLength = c.announced;
        reply.firstDelay = 300;
        reply.pieceDelay = 5;
        server.serve(versionPath, version(newerVersion + "\r\nsetup.zip"));
        server.serve(downloadPath, reply);
        DeleteFileW((folderA + L"\\setup.zip").c_str());
        folderChoices = {folderA};
        BoxWatcher boxes({IDYES});
        runCheck(boxes);
        ASSERT_GE(statusTexts.size(), 3u);
        EXPECT_EQ(statusTexts.front(), c.first);
        EXPECT_EQ(statusTexts.back().rfind(c.lastStart, 0), 0u) << std::string(statusTexts.back().begin(), statusTexts.back().end());
        EXPECT_NE(statusTexts.back().find(L'.'), std::wstring::npos) << "the speed has a decimal point";
        EXPECT_EQ(SendMessageW(progressBar(), PBM_GETPOS, 0, 0), c.bar);
    }
}

TEST_F(UpdateCheck, RollingUpDuringADownloadKeepsTheStatusBarAndTheHeight)
{
    const int before = height();
    const auto toggleRollUp = [&] { SendMessageW(dialog, WM_NCLBUTTONDBLCLK, HTCAPTION, 0); };
    const auto statusBarShown = [&] {
        RECT bar, client;
        GetWindowRect(statusBar(), &bar);
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return bar.bottom <= client.bottom;
    };
    for (const bool upOverTheEnd : {false, true}) {
        HttpReply slow = file(download(30 * 1024));
        slow.pieceDelay = 20;
        server.serve(versionPath, version(newerVersion + "\r\nsetup.zip"));
        server.serve(downloadPath, slow);
        DeleteFileW((folderA + L"\\setup.zip").c_str());
        folderChoices = {folderA};
        nextChoice = 0;
        BoxWatcher boxes({IDYES});
        {
            EveryTick answering([&] { answerFolderDialog(boxes); });
            SendMessageW(dialog, WM_COMMAND, IDM_CHECK_UPDATE, 0);
            ASSERT_TRUE(waitUntil([&] { return height() > before; })) << "the download did not start";
        }
        toggleRollUp();
        toggleRollUp();
        EXPECT_EQ(height(), before + scaled(25)) << "rolled down during the download";
        EXPECT_TRUE(statusBarShown()) << "rolled down during the download";
        if (upOverTheEnd)
            toggleRollUp();
        waitForCheck(&boxes);
        EXPECT_EQ(server.piecesLeft(), 0u);
        if (upOverTheEnd) {
            EXPECT_LT(height(), before) << "still rolled up";
            toggleRollUp();
        }
        EXPECT_EQ(height(), before) << (upOverTheEnd ? "rolled down after the download" : "after the download");
        EXPECT_FALSE(statusBarShown());
    }
}

TEST_F(UpdateCheck, AnExistingFileIsReplacedOnlyWhenTheUserSaysSo)
{
    const std::string bytes = download(5000);
    const std::wstring inA = folderA + L"\\setup.zip";
    const std::wstring inB = folderB + L"\\setup.zip";
    HttpReply cut = file(bytes);
    cut.cutAfter = 2048;
    const std::wstring exists = L"Die Datei \"" + inA + L"\" existiert bereits. Überschreiben?";
    const struct {
        const char* what;
        HttpReply reply;
        std::vector<int> answers;
        std::vector<std::wstring> choices;
        std::string inAAfter, inBAfter; // "" for no file
        size_t downloads;
    } cases[] = {
        {"Yes replaces it", file(bytes), {IDYES, IDYES}, {folderA}, bytes, "", 1},
        {"Cancel keeps it", file(bytes), {IDYES, IDCANCEL}, {folderA}, "old", "", 0},
        {"No asks for another folder", file(bytes), {IDYES, IDNO}, {folderA, folderB}, "old", bytes, 1},
        {"No, then cancelling the folder", file(bytes), {IDYES, IDNO}, {folderA, L""}, "old", "", 0},
        {"a failed download keeps it", cut, {IDYES, IDYES}, {folderA}, "old", "", 1},
    };
    for (const auto& c : cases) {
        writeFileBytes(inA, "old");
        DeleteFileW(inB.c_str());
        const size_t downloadsBefore = requestsFor(downloadPath);
        server.serve(versionPath, version(newerVersion + "\r\nsetup.zip"));
        server.serve(downloadPath, c.reply);
        folderChoices = c.choices;
        BoxWatcher boxes(c.answers);
        runCheck(boxes);
        ASSERT_GE(boxes.boxes.size(), 2u) << c.what;
        EXPECT_EQ(boxes.boxes[1].text, exists) << c.what;
        EXPECT_EQ(boxes.boxes[1].buttons, (std::vector<int>{IDYES, IDNO, IDCANCEL})) << c.what;
        EXPECT_TRUE(sameBytes(readFileBytes(inA), c.inAAfter)) << c.what;
        EXPECT_TRUE(sameBytes(readFileBytes(inB), c.inBAfter)) << c.what;
        EXPECT_EQ(filesIn(folderA), std::vector<std::wstring>{L"setup.zip"}) << c.what << ": no temporary file";
        EXPECT_EQ(requestsFor(downloadPath) - downloadsBefore, c.downloads) << c.what;
        if (c.choices.size() > 1) {
            ASSERT_EQ(folderFields.size(), 2u) << c.what;
            EXPECT_EQ(folderFields[1], folderA) << c.what << ": the folder dialog shows the last folder";
        }
    }
}

TEST_F(UpdateCheck, TheFolderDialogRefusesWhatIsNoFolder)
{
    server.serve(versionPath, version(newerVersion + "\r\nsetup.zip"));
    server.serve(downloadPath, file("neu"));
    // Not there, a trailing backslash, a file; then a real folder.
    writeFileBytes(folderB + L"\\plain.txt", "x");
    folderChoices = {folderA + L"\\fehlt", folderA + L"\\", folderB + L"\\plain.txt", folderA + L"\\*", folderA};
    BoxWatcher boxes({IDYES});
    runCheck(boxes);
    ASSERT_EQ(boxes.boxes.size(), 6u);
    for (size_t i = 1; i <= 4; ++i) {
        EXPECT_EQ(boxes.boxes[i].text, invalidFolder) << folderChoices[i - 1].c_str();
        EXPECT_EQ(boxes.boxes[i].title, L"Verzeichnis auswählen");
    }
    EXPECT_EQ(boxes.boxes[5].text, stored(folderA + L"\\setup.zip"));
    EXPECT_EQ(readFileBytes(folderA + L"\\setup.zip"), "neu");
}

// The system's password dialog: an owned window of the process with two edit fields that is
// not the folder dialog.
BOOL CALLBACK countEdits(HWND child, LPARAM count)
{
    wchar_t name[16] = L"";
    GetClassNameW(child, name, 16);
    if (_wcsicmp(name, L"Edit") == 0)
        reinterpret_cast<std::vector<HWND>*>(count)->push_back(child);
    return TRUE;
}

struct PasswordSearch {
    HWND dialog = nullptr;
    std::vector<HWND> edits;
};

BOOL CALLBACK findPasswordDialog(HWND window, LPARAM param)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // Not the main dialog, which has edit fields of its own: the password dialog is owned.
    if (process != GetCurrentProcessId() || !IsWindowVisible(window) || !GetWindow(window, GW_OWNER) ||
        GetDlgItem(window, IDC_UPDATE_FOLDER_FIELD))
        return TRUE;
    std::vector<HWND> edits;
    EnumChildWindows(window, countEdits, reinterpret_cast<LPARAM>(&edits));
    if (edits.size() < 2)
        return TRUE;
    auto* search = reinterpret_cast<PasswordSearch*>(param);
    search->dialog = window;
    search->edits = edits;
    return FALSE;
}

TEST_F(UpdateCheck, AServerThatAsksForAPasswordGetsTheSystemsPasswordDialog)
{
    const struct {
        const char* what;
        bool enter;
        std::wstring told;
        size_t requests;
    } cases[] = {
        // Cancelled first: the system keeps an entered password for the rest of the process.
        {"the dialog cancelled: the answer is read", false, unusable, 1},
        {"the password entered: the request goes again", true, current, 2},
    };
    for (const auto& c : cases) {
        HttpReply guarded = version(sameVersion + "\r\nsetup.zip");
        guarded.basicCredentials = "a2FwaXRhZW46Z2VoZWlt"; // kapitaen:geheim
        server.serve(versionPath, guarded);
        const size_t before = requestsFor(versionPath);
        BoxWatcher boxes;
        bool asked = false;
        // The dialog is modal: it is answered from within its loop.
        EveryTick answering([&] {
            PasswordSearch search;
            EnumWindows(findPasswordDialog, reinterpret_cast<LPARAM>(&search));
            if (!search.dialog || asked)
                return;
            asked = true;
            if (c.enter) {
                SendMessageW(search.edits[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"kapitaen"));
                SendMessageW(search.edits[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"geheim"));
            }
            PostMessageW(search.dialog, WM_COMMAND, c.enter ? IDOK : IDCANCEL, 0);
        });
        SendMessageW(dialog, WM_COMMAND, IDM_CHECK_UPDATE, 0);
        waitUntil([&] { return !checkRunning(); }, 15000);
        EXPECT_TRUE(asked) << c.what;
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes.boxes[0].text, c.told) << c.what;
        EXPECT_GE(requestsFor(versionPath) - before, c.requests) << c.what;
    }
}

TEST_F(UpdateCheck, OneCheckRunsAtATime)
{
    HttpReply slow = version(sameVersion + "\r\nsetup.zip");
    slow.firstDelay = 600;
    server.serve(versionPath, slow);
    BoxWatcher boxes;
    SendMessageW(dialog, WM_COMMAND, IDM_CHECK_UPDATE, 0);
    SendMessageW(dialog, WM_COMMAND, IDM_CHECK_UPDATE, 0);
    waitForCheck(&boxes);
    EXPECT_EQ(requestsFor(versionPath), 1u);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, current);
}

TEST_F(UpdateCheck, ClosingDuringADownloadEndsItWithoutAFileOrAWait)
{
    HttpReply slow = file(download(400 * 1024));
    slow.pieceDelay = 20; // some eight seconds in all
    server.serve(versionPath, version(newerVersion + "\r\nsetup.zip"));
    server.serve(downloadPath, slow);
    folderChoices = {folderA};
    BoxWatcher boxes({IDYES});
    const int before = height();
    {
        EveryTick answering([&] { answerFolderDialog(boxes); });
        SendMessageW(dialog, WM_COMMAND, IDM_CHECK_UPDATE, 0);
        ASSERT_TRUE(waitUntil([&] { return height() > before; })) << "the download did not start";
    }
    close();
    EXPECT_GT(server.piecesLeft(), 0u) << "the close waited for the download";
    EXPECT_TRUE(filesIn(folderA).empty());
    EXPECT_EQ(boxes.boxes.size(), 1u) << "nothing is told while the program closes";
}

// ---- A version file signed by the maker ----

// The build makes two key pairs and a release of the program with the release scripts: its
// archive, its version file signed with the maker's key (the key this test program then
// carries) and the same file signed with the other key.
std::string releaseFile(const std::string& name)
{
    std::wstring path = L"Z:" + widen(std::string(KM_RELEASE_TEST_DIR) + "/" + name);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return readFileBytes(path);
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string versionFile(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

const std::wstring notSigned =
    L"Die Versionsinformation des Servers ist nicht vom Hersteller signiert. Es wird nichts geladen.";
const std::string abcSha256 = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

// The maker's release as the build signed it, read once per test.
struct SignedRelease {
    std::vector<std::string> lines = linesOf(releaseFile("maker/version.txt"));
    std::vector<std::string> otherKeysLines = linesOf(releaseFile("other/version.txt"));
    std::string archive = lines.size() == 4 ? releaseFile(lines[1]) : std::string();

    bool complete() const { return lines.size() == 4 && otherKeysLines.size() == 4 && !archive.empty(); }
    // The signed file with line `index` replaced; an empty text removes it.
    std::string with(size_t index, const std::string& line) const
    {
        std::vector<std::string> changed = lines;
        if (line.empty())
            changed.erase(changed.begin() + static_cast<std::ptrdiff_t>(index));
        else
            changed[index] = line;
        return versionFile(changed);
    }
};

TEST(MakerSignature, TheSystemVerifiesWhatTheReleaseScriptSigned)
{
    const SignedRelease release;
    ASSERT_TRUE(release.complete()) << "the build's signed release is missing";
    const std::vector<uint8_t> key = hexBytes(KM_TEST_MAKER_KEY, 64);
    ASSERT_EQ(key.size(), 64u);
    const std::string text = release.lines[0] + "\n" + release.lines[1] + "\n" + release.lines[2] + "\n";
    const std::vector<uint8_t> signature = hexBytes(release.lines[3], 64);
    std::vector<uint8_t> flipped = signature;
    flipped[63] ^= 1;
    std::vector<uint8_t> otherKey = key;
    otherKey[10] ^= 0x40;
    const struct {
        const char* what;
        std::vector<uint8_t> key;
        std::string text;
        std::vector<uint8_t> signature;
        bool valid;
    } cases[] = {
        {"the release as signed", key, text, signature, true},
        {"one bit of s changed", key, text, flipped, false},
        {"r and s swapped", key, text, [&] { auto s = signature; std::rotate(s.begin(), s.begin() + 32, s.end()); return s; }(), false},
        {"the other key's signature", key, text, hexBytes(release.otherKeysLines[3], 64), false},
        {"another point as the key", otherKey, text, signature, false},
        {"the text without its last LF", key, text.substr(0, text.size() - 1), signature, false},
        {"CR LF instead of LF", key, versionFile({release.lines[0], release.lines[1], release.lines[2]}), signature, false},
        {"a short signature", key, text, std::vector<uint8_t>(signature.begin(), signature.end() - 1), false},
        {"no key", {}, text, signature, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(verifyMakerSignature(c.key, c.text, c.signature), c.valid) << c.what;

    // What the user waits for, on top of the request: reported, not judged, as machines differ.
    const int rounds = 50;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i)
        EXPECT_TRUE(verifyMakerSignature(key, text, signature));
    QueryPerformanceCounter(&end);
    const double milliseconds = 1e3 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / rounds;
    RecordProperty("verification_microseconds", static_cast<int>(milliseconds * 1000));
}

class SignedUpdate : public UpdateCheck {
protected:
    SignedRelease release;

    void SetUp() override
    {
        UpdateCheck::SetUp();
        ASSERT_TRUE(release.complete()) << "the build's signed release is missing";
        // As a program built with the maker's public key.
        std::strcpy(testSiteKey, KM_TEST_MAKER_KEY);
    }
    void TearDown() override
    {
        UpdateCheck::TearDown();
        testSiteKey[0] = '\0';
    }

    size_t downloadRequests() const
    {
        const std::vector<std::string> all = server.requests();
        return static_cast<size_t>(std::count_if(all.begin(), all.end(), [](const std::string& path) {
            return path.rfind("/download/", 0) == 0;
        }));
    }
};

TEST_F(SignedUpdate, OnlyWhatTheMakerSignedIsOffered)
{
    const std::vector<std::string>& signedLines = release.lines;
    const std::string& signature = signedLines[3];
    const std::string flipped = signature.substr(0, 127) + (signature[127] == '0' ? "1" : "0");
    const std::string lured = "99.0";
    const struct {
        const char* what;
        std::string versionFile;
        std::string downloadName; // served too, so that a program taken in could fetch it
        std::string download;
    } forgeries[] = {
        {"a higher version after signing", release.with(0, lured), signedLines[1], release.archive},
        {"the file name changed", release.with(1, "Kadermeister-neu.zip"), "Kadermeister-neu.zip", release.archive},
        {"the SHA-256 changed with the download", release.with(2, abcSha256), signedLines[1], "abc"},
        {"the signature removed", release.with(3, ""), signedLines[1], release.archive},
        {"no checksum and no signature", versionFile({lured, signedLines[1]}), signedLines[1], release.archive},
        {"another key's signature", versionFile(release.otherKeysLines), signedLines[1], release.archive},
        {"one digit of the signature changed", release.with(3, flipped), signedLines[1], release.archive},
        {"63 hexadecimal digits", release.with(3, signature.substr(0, 63)), signedLines[1], release.archive},
        {"129 hexadecimal digits", release.with(3, signature + "0"), signedLines[1], release.archive},
        {"a digit that is no hexadecimal digit", release.with(3, signature.substr(0, 127) + "g"), signedLines[1],
         release.archive},
        {"an unsigned answer naming the program's own version", versionFile({sameVersion, "setup.zip"}), "setup.zip",
         "abc"},
    };
    for (const auto& c : forgeries) {
        server.serve(versionPath, version(c.versionFile));
        server.serve("/download/" + c.downloadName, file(c.download));
        folderChoices = {folderA};
        BoxWatcher boxes({IDYES});
        runCheck(boxes);
        ASSERT_EQ(boxes.boxes.size(), 1u) << c.what;
        EXPECT_EQ(boxes.boxes[0].text, notSigned) << c.what;
        EXPECT_EQ(boxes.boxes[0].title, L"Update") << c.what;
        EXPECT_EQ(boxes.boxes[0].buttons, std::vector<int>{IDOK}) << c.what;
        EXPECT_EQ(boxes.boxes[0].icon, LoadIconW(nullptr, IDI_ERROR)) << c.what;
        EXPECT_TRUE(folderFields.empty()) << c.what << ": no folder is asked for";
        EXPECT_EQ(downloadRequests(), 0u) << c.what;
        EXPECT_TRUE(filesIn(folderA).empty()) << c.what;
        EXPECT_TRUE(readFileBytes(programFolder() + L"\\" + widen(c.downloadName)).empty()) << c.what;
    }

    // The release as the maker signed it is offered, fetched and kept byte for byte.
    server.serve(versionPath, version(versionFile(signedLines)));
    server.serve("/download/" + signedLines[1], file(release.archive));
    folderChoices = {folderA};
    BoxWatcher boxes({IDYES});
    runCheck(boxes);
    const std::wstring target = folderA + L"\\" + widen(signedLines[1]);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, offer);
    EXPECT_EQ(boxes.boxes[1].text, stored(target));
    EXPECT_EQ(downloadRequests(), 1u);
    EXPECT_TRUE(sameBytes(readFileBytes(target), release.archive));
}

TEST_F(SignedUpdate, ASignedChecksumStillGuardsTheDownload)
{
    // A server that changes only the download: the offer is the maker's, the file is not.
    server.serve(versionPath, version(versionFile(release.lines)));
    server.serve("/download/" + release.lines[1], file(release.archive.substr(0, release.archive.size() - 1) + "x"));
    folderChoices = {folderA};
    BoxWatcher boxes({IDYES});
    runCheck(boxes);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, offer);
    EXPECT_EQ(boxes.boxes[1].text, L"Die geladene Datei ist beschädigt und wurde verworfen.");
    EXPECT_TRUE(filesIn(folderA).empty());
}

TEST_F(UpdateCheck, AProgramWithoutAKeyReadsAFourLineFileAsBefore)
{
    const SignedRelease release;
    ASSERT_TRUE(release.complete()) << "the build's signed release is missing";
    const std::wstring target = folderA + L"\\" + widen(release.lines[1]);
    const struct {
        const char* what;
        std::string versionFile;
        std::string download;
        std::wstring told;
    } cases[] = {
        {"the signed file", versionFile(release.lines), release.archive, stored(target)},
        {"another key's signature", versionFile(release.otherKeysLines), release.archive, stored(target)},
        {"a fourth line that is no signature", release.with(3, "signiert"), release.archive, stored(target)},
        {"the checksum still counts", versionFile(release.lines), "abc",
         L"Die geladene Datei ist beschädigt und wurde verworfen."},
    };
    for (const auto& c : cases) {
        DeleteFileW(target.c_str());
        server.serve(versionPath, version(c.versionFile));
        server.serve("/download/" + release.lines[1], file(c.download));
        folderChoices = {folderA};
        BoxWatcher boxes({IDYES});
        runCheck(boxes);
        ASSERT_EQ(boxes.boxes.size(), 2u) << c.what;
        EXPECT_EQ(boxes.boxes[0].text, offer) << c.what;
        EXPECT_EQ(boxes.boxes[1].text, c.told) << c.what;
        EXPECT_TRUE(sameBytes(readFileBytes(target), c.download == release.archive ? release.archive : "")) << c.what;
    }
}

// ---- The About box ----

bool underlined(HWND control)
{
    LOGFONTW font = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font.lfUnderline != 0;
}

COLORREF textColourOf(HWND box, HWND control)
{
    HDC dc = CreateCompatibleDC(nullptr);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageW(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const COLORREF colour = GetTextColor(dc);
    DeleteDC(dc);
    return colour;
}

TEST_F(UpdateCheck, InfoOpensTheAboutBoxFromBothMenus)
{
    for (const auto& [message, command] : {std::pair<UINT, WPARAM>{WM_SYSCOMMAND, IDM_SYS_INFO}, {WM_COMMAND, IDM_INFO}}) {
        std::wstring caption, title, settingsFile;
        ModalAction action(IDC_ABOUT_TITLE, [&](HWND box) {
            wchar_t buffer[128] = L"";
            GetWindowTextW(box, buffer, 128);
            caption = buffer;
            title = controlText(box, IDC_ABOUT_TITLE);
            settingsFile = controlText(box, IDC_ABOUT_SETTINGS_FILE);
            EXPECT_EQ(GetWindow(box, GW_OWNER), dialog);
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(dialog, message, command, 0);
        EXPECT_TRUE(action.ran);
        EXPECT_EQ(caption, L"Info über Kadermeister");
        EXPECT_EQ(title, L"Kadermeister " + widen(programVersion) + L" Beta");
        EXPECT_EQ(settingsFile, iniPath) << "where the team is kept";
    }
}

TEST_F(UpdateCheck, TheAboutBoxLinksAreBlueUnderlinedUnderThePointerAndStartTheCheck)
{
    server.serve(versionPath, version(sameVersion + "\r\nsetup.zip"));
    BoxWatcher boxes;
    bool stayedOpen = false;
    bool mainEnabled = true;
    HWND aboutBox = nullptr;
    ModalAction action(IDC_ABOUT_TITLE, [&](HWND box) {
        for (int id : {IDC_ABOUT_MAIL_LINK, IDC_ABOUT_WEB_LINK, IDC_ABOUT_UPDATE_LINK})
            EXPECT_EQ(textColourOf(box, GetDlgItem(box, id)), RGB(0, 0, 255)) << id;
        EXPECT_NE(textColourOf(box, GetDlgItem(box, IDC_ABOUT_TITLE)), RGB(0, 0, 255));
        EXPECT_EQ(controlText(box, IDC_ABOUT_WEB_LINK), L"http://127.0.0.1/km-test/");
        EXPECT_EQ(controlText(box, IDC_ABOUT_MAIL_LINK), L"test@kadermeister.invalid");

        HWND link = GetDlgItem(box, IDC_ABOUT_UPDATE_LINK);
        SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_TRUE(underlined(link)) << "under the pointer";
        EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
        SendMessageW(link, WM_MOUSELEAVE, 0, 0);
        EXPECT_FALSE(underlined(link)) << "after the pointer left";

        SendMessageW(box, WM_COMMAND, MAKEWPARAM(IDC_ABOUT_UPDATE_LINK, STN_CLICKED), reinterpret_cast<LPARAM>(link));
        waitUntil([&] { return !checkRunning() && !boxes.boxes.empty(); });
        stayedOpen = IsWindowVisible(box) != 0;
        aboutBox = box;
        mainEnabled = IsWindowEnabled(dialog) != 0;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(dialog, WM_SYSCOMMAND, IDM_SYS_INFO, 0);
    ASSERT_TRUE(action.ran);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, current);
    EXPECT_EQ(boxes.boxes[0].owner, aboutBox) << "in front of the About box, which waits behind it";
    EXPECT_FALSE(mainEnabled) << "the main window still waits for the About box";
    EXPECT_EQ(requestsFor(versionPath), 1u);
}

// ---- Over HTTPS ----

// The HTTPS server runs outside Wine (tests/https_test_server.py, which ctest starts first), with
// a certificate from a test CA on one port and a bad certificate on each of three others.
std::wstring httpsTestFile(const std::string& name)
{
    std::wstring path = L"Z:" + widen(std::string(KM_HTTPS_TEST_DIR) + "/" + name);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

// The test CA in the local machine's root store of this prefix while the test runs; never the
// host's.
class TrustedTestCa {
public:
    TrustedTestCa()
    {
        const std::string pem = readFileBytes(httpsTestFile("ca.pem"));
        DWORD size = 0;
        if (!CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr))
            return;
        std::vector<BYTE> der(size);
        CryptStringToBinaryA(pem.c_str(), 0, CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr, nullptr);
        // The registry's store itself: opening the system's root store would make this process's
        // chain engine now, with the roots as they are before the test CA is added.
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\SystemCertificates\\Root", 0, nullptr, 0,
                            KEY_ALL_ACCESS, nullptr, &key_, nullptr) == ERROR_SUCCESS)
            store_ = CertOpenStore(CERT_STORE_PROV_REG, 0, 0, 0, key_);
        // Written through at once: the store would write it only when closed.
        if (store_ && CertAddEncodedCertificateToStore(store_, X509_ASN_ENCODING, der.data(), size,
                                                       CERT_STORE_ADD_REPLACE_EXISTING, &added_))
            CertControlStore(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr);
    }
    ~TrustedTestCa()
    {
        if (added_)
            CertDeleteCertificateFromStore(added_);
        if (store_)
            CertCloseStore(store_, 0);
        if (key_)
            RegCloseKey(key_);
    }
    bool added() const { return added_ != nullptr; }

private:
    HKEY key_ = nullptr;
    HCERTSTORE store_ = nullptr;
    PCCERT_CONTEXT added_ = nullptr;
};

TEST_F(UpdateCheck, OverHttpsOnlyAServerWithAValidCertificateIsAsked)
{
    std::map<std::string, int> ports;
    std::istringstream servers(readFileBytes(httpsTestFile("servers.txt")));
    for (std::string name; servers >> name;)
        servers >> ports[name];
    ASSERT_EQ(ports.size(), 5u) << "the HTTPS test server is not running";
    TrustedTestCa ca;
    ASSERT_TRUE(ca.added());
    const std::string bytes = download(30 * 1024);
    for (const char* folder : {"www/download", "www/km-test", "www/km-test/version"})
        CreateDirectoryW(httpsTestFile(folder).c_str(), nullptr);
    writeFileBytes(httpsTestFile("www/download/setup.zip"), bytes);
    writeFileBytes(httpsTestFile("www/km-test/version/version.txt"), newerVersion + "\r\nsetup.zip\r\n");
    const std::wstring redirectMark = httpsTestFile("www/km-test/version/version.txt.to-http");
    const std::wstring target = folderA + L"\\setup.zip";
    const std::wstring refused = L"\nDie Verbindung wurde abgebrochen, es wird nichts geladen.";
    const auto server = [&](const char* name) { return L"\"https://localhost:" + std::to_wstring(ports[name]) + L"\""; };
    const struct {
        const char* port;
        bool redirected; // the version file answers with a redirect to plain HTTP
        std::vector<std::wstring> told;
    } cases[] = {
        {"wrong-name", false, {L"Das Zertifikat des Servers " + server("wrong-name") + L" ist für einen anderen Namen ausgestellt." + refused}},
        {"expired", false, {L"Das Zertifikat des Servers " + server("expired") + L" ist abgelaufen oder noch nicht gültig." + refused}},
        {"unknown-ca", false, {L"Das Zertifikat des Servers " + server("unknown-ca") + L" stammt von keiner vertrauenswürdigen Stelle." + refused}},
        {"good", true, {L"Der Server " + server("good") + L" leitet auf eine unverschlüsselte Verbindung um." + refused}},
        {"good", false, {offer, stored(target)}},
    };
    for (const auto& c : cases) {
        if (c.redirected)
            writeFileBytes(redirectMark, "");
        else
            DeleteFileW(redirectMark.c_str());
        std::snprintf(testSiteServer, sizeof testSiteServer, "https://localhost:%d", ports[c.port]);
        folderChoices = {folderA};
        BoxWatcher boxes({IDYES});
        runCheck(boxes);
        const std::string what = std::string(c.port) + (c.redirected ? ", redirected" : "");
        ASSERT_EQ(boxes.boxes.size(), c.told.size()) << what;
        for (size_t i = 0; i < c.told.size(); ++i)
            EXPECT_EQ(boxes.boxes[i].text, c.told[i]) << what;
        EXPECT_EQ(boxes.boxes[0].title, L"Update") << what;
        if (c.told.size() == 1) {
            EXPECT_TRUE(filesIn(folderA).empty()) << what << ": nothing is fetched";
        }
    }
    EXPECT_TRUE(sameBytes(readFileBytes(target), bytes));
    DeleteFileW(redirectMark.c_str());
}

} // namespace
