// The real Kadermeister.exe as separate processes: single instance and a save-and-restart.
#include "win_test_support.h"

#include "base/version.h"
#include "resource.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring programPath; // from the command line

struct Program {
    PROCESS_INFORMATION process = {};
};

// Copies the program into a folder of its own, so it gets an INI file of its own.
std::vector<std::wstring> folders;

std::wstring installProgram()
{
    EXPECT_FALSE(programPath.empty()) << "usage: program_tests PATH-TO-Kadermeister.exe";
    const std::wstring folder = makeTempFolder();
    folders.push_back(folder);
    const std::wstring target = folder + L"Kadermeister.exe";
    CopyFileW(programPath.c_str(), target.c_str(), FALSE);
    return target;
}

PROCESS_INFORMATION start(const std::wstring& exe)
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + exe + L"\"";
    CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    return process;
}

// The visible top-level windows, of processId only or (0) of every process.
std::vector<HWND> visibleWindows(DWORD processId = 0)
{
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search = {processId, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if ((search->processId == 0 || owner == search->processId) && IsWindowVisible(window))
                search->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The visible main windows: dialogs with the league box, whatever their title.
std::vector<HWND> mainWindows(DWORD processId = 0)
{
    std::vector<HWND> windows = visibleWindows(processId);
    windows.erase(std::remove_if(windows.begin(), windows.end(),
                                 [](HWND window) { return GetDlgItem(window, IDC_LEAGUE_BOX) == nullptr; }),
                  windows.end());
    return windows;
}

int windowCount() { return static_cast<int>(mainWindows().size()); }

// The dialog shows only when its initialisation is done.
HWND waitForWindow(DWORD processId)
{
    HWND window = nullptr;
    waitUntil([&] {
        const std::vector<HWND> windows = mainWindows(processId);
        window = windows.empty() ? nullptr : windows.front();
        return window != nullptr;
    });
    return window;
}

DWORD finish(PROCESS_INFORMATION& process, DWORD milliseconds = 15000)
{
    DWORD code = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, milliseconds) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 99);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

HWND playerPage(HWND dialog)
{
    return FindWindowExW(dialog, nullptr, L"#32770", nullptr);
}

TEST(Program, ASecondStartHandsOverToTheFirst)
{
    const std::wstring exe = installProgram();
    PROCESS_INFORMATION first = start(exe);
    HWND window = waitForWindow(first.dwProcessId);
    ASSERT_NE(window, nullptr);

    PROCESS_INFORMATION second = start(exe);
    EXPECT_EQ(finish(second), 0u) << "the second start ends at once";
    EXPECT_EQ(windowCount(), 1);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(finish(first), 0u);
}

TEST(Program, MultiInstLetsInstancesRunSideBySide)
{
    const std::wstring exe = installProgram();
    const std::wstring ini = exe.substr(0, exe.size() - 3) + L"ini";
    writeFileBytes(ini, "[LKZ]\r\nMultiInst=01\r\n");
    PROCESS_INFORMATION first = start(exe);
    HWND one = waitForWindow(first.dwProcessId);
    PROCESS_INFORMATION second = start(exe);
    HWND two = waitForWindow(second.dwProcessId);
    ASSERT_NE(one, nullptr);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(windowCount(), 2);
    PostMessageW(one, WM_CLOSE, 0, 0);
    PostMessageW(two, WM_CLOSE, 0, 0);
    EXPECT_EQ(finish(first), 0u);
    EXPECT_EQ(finish(second), 0u);
}

// Every key the program writes at exit, for a team of 20 that keeps its players.
std::vector<std::string> expectedKeys()
{
    std::vector<std::string> keys = {"[LKZ]", "OnTop=", "ShowEinzel=", "BKColor=", "MultiInst=1",
                                     "[Einzelspieler]", "[Mannschaft]", "Spieler1=", "SpielerName1=Einzel"};
    for (const char* key : {"Dezimal=", "AutoCalc=", "SaveData=1", "SortOrder=", "SaveSortOrder=", "AktSpieler=",
                            "Anzahlspieler="})
        keys.push_back(key);
    for (int n = 1; n <= 20; ++n) {
        keys.push_back("Spieler" + std::to_string(n) + "=071005000004020201");
        keys.push_back("SpielerName" + std::to_string(n) + "=Spieler " + std::to_string(n) + "\r\n");
    }
    return keys;
}

TEST(Program, TwoInstancesClosedTogetherLoseNothing)
{
    const std::wstring exe = installProgram();
    const std::wstring ini = exe.substr(0, exe.size() - 3) + L"ini";
    std::string team = "[LKZ]\r\nMultiInst=1\r\nShowEinzel=0\r\n[Einzelspieler]\r\nSaveData=1\r\n"
                       "SpielerName1=Einzel\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=20\r\n";
    for (int n = 1; n <= 20; ++n)
        team += "Spieler" + std::to_string(n) + "=071005000004020201\r\nSpielerName" + std::to_string(n) +
                "=Spieler " + std::to_string(n) + "\r\n";
    writeFileBytes(ini, team);
    for (int round = 0; round < 4; ++round) {
        PROCESS_INFORMATION first = start(exe);
        PROCESS_INFORMATION second = start(exe);
        HWND one = waitForWindow(first.dwProcessId);
        HWND two = waitForWindow(second.dwProcessId);
        ASSERT_NE(one, nullptr);
        ASSERT_NE(two, nullptr);
        PostMessageW(one, WM_CLOSE, 0, 0);
        PostMessageW(two, WM_CLOSE, 0, 0);
        EXPECT_EQ(finish(first), 0u);
        EXPECT_EQ(finish(second), 0u);
        const std::string saved = readFileBytes(ini);
        for (const std::string& key : expectedKeys())
            EXPECT_NE(saved.find(key), std::string::npos) << "round " << round << ": " << key << "\n" << saved;
    }
}

// A visible window of the process other than its main window: a message box, say.
bool showsAnotherWindow(DWORD processId, HWND mainWindow)
{
    for (HWND window : visibleWindows(processId))
        if (window != mainWindow)
            return true;
    return false;
}

// Closed, then killed at a moment between the close and the end of the save: Task Manager, a
// crash or a power cut at the worst time. The file must be whole, the old one or the new one.
TEST(Program, AKilledSaveLeavesTheOldFileOrTheNewOne)
{
    const std::wstring exe = installProgram();
    const std::wstring ini = exe.substr(0, exe.size() - 3) + L"ini";
    const std::wstring saving = ini + L".tmp~";
    // Few keys, so that the save adds many and the new file differs from the old one.
    std::string old = "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=20\r\n";
    for (int n = 1; n <= 20; ++n)
        old += "Spieler" + std::to_string(n) + "=071005000004020201\r\nSpielerName" + std::to_string(n) +
               "=Spieler Nummer " + std::to_string(n) + "\r\n";

    // One whole run gives the new file and how long a close takes here.
    writeFileBytes(ini, old);
    PROCESS_INFORMATION run = start(exe);
    HWND window = waitForWindow(run.dwProcessId);
    ASSERT_NE(window, nullptr);
    const DWORD closing = GetTickCount();
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(finish(run), 0u);
    const DWORD closeTime = GetTickCount() - closing;
    const std::string saved = readFileBytes(ini);
    ASSERT_NE(saved, old);
    ASSERT_NE(saved.find("SpielerName20=Spieler Nummer 20"), std::string::npos) << saved;

    // Kills spread over the close in steps of a millisecond or two, a little past its end.
    const int rounds = 36;
    const DWORD span = closeTime + 10;
    int oldFiles = 0, newFiles = 0, leftCopies = 0;
    for (int round = 0; round < rounds; ++round) {
        writeFileBytes(ini, old);
        run = start(exe);
        window = waitForWindow(run.dwProcessId);
        ASSERT_NE(window, nullptr);
        PostMessageW(window, WM_CLOSE, 0, 0);
        Sleep(span * round / rounds);
        TerminateProcess(run.hProcess, 9);
        finish(run);
        const std::string after = readFileBytes(ini);
        EXPECT_TRUE(after == old || after == saved) << "round " << round << ": " << after.size() << " bytes\n" << after;
        oldFiles += after == old;
        newFiles += after == saved;
        leftCopies += GetFileAttributesW(saving.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::printf("close %lu ms; after the kills: %d old files, %d new files, %d half-saved copies left\n",
                static_cast<unsigned long>(closeTime), oldFiles, newFiles, leftCopies);

    // The next start reads the file without a message and clears away a copy a kill left.
    writeFileBytes(saving, "[Mannschaft]\r\nAnzahlspieler=4\r\n");
    run = start(exe);
    window = waitForWindow(run.dwProcessId);
    ASSERT_NE(window, nullptr) << "the start shows its window, not a message";
    EXPECT_FALSE(showsAnotherWindow(run.dwProcessId, window));
    EXPECT_EQ(GetFileAttributesW(saving.c_str()), INVALID_FILE_ATTRIBUTES);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(finish(run), 0u);
    EXPECT_NE(readFileBytes(ini).find("Anzahlspieler=20"), std::string::npos);
}

TEST(Program, TeamDataSurvivesARestart)
{
    const std::wstring exe = installProgram();
    const std::wstring ini = exe.substr(0, exe.size() - 3) + L"ini";

    PROCESS_INFORMATION run = start(exe);
    HWND window = waitForWindow(run.dwProcessId);
    ASSERT_NE(window, nullptr);
    // To team mode, keep the data, choose a league and enter games, as the user would.
    SendMessageW(GetDlgItem(window, IDC_MODE_BUTTON), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(window, IDC_SAVE_DATA_CHECK), BM_CLICK, 0, 0);
    SendMessageW(GetDlgItem(window, IDC_DECIMAL_CHECK), BM_CLICK, 0, 0);
    HWND league = GetDlgItem(window, IDC_LEAGUE_BOX);
    SendMessageW(league, CB_SETCURSEL, 7, 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_LEAGUE_BOX, CBN_SELCHANGE), reinterpret_cast<LPARAM>(league));
    SendMessageW(GetDlgItem(window, IDC_TEAM_COUNT_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));
    SendMessageW(GetDlgItem(window, IDC_MATCHES_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"5"));
    HWND page = playerPage(window);
    ASSERT_NE(page, nullptr);
    SendMessageW(GetDlgItem(page, IDC_WON2_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"4"));
    SendMessageW(GetDlgItem(page, IDC_LOST2_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
    SendMessageW(GetDlgItem(page, IDC_WON3_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1"));
    SendMessageW(GetDlgItem(page, IDC_LOST3_FIELD), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"1"));
    // A spin step ends with storing the page.
    HWND spin = GetDlgItem(page, IDC_WON3_SPIN);
    RECT rect;
    GetClientRect(spin, &rect);
    const LPARAM up = MAKELPARAM(rect.right / 2, rect.bottom / 4);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, up);
    SendMessageW(spin, WM_LBUTTONUP, 0, up);
    SendMessageW(GetDlgItem(window, IDC_CALCULATE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(controlText(window, IDC_LKZ_DISPLAY), L"114,79");
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(finish(run), 0u);

    const std::string saved = readFileBytes(ini);
    EXPECT_NE(saved.find("ShowEinzel=0"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Spieler1=071005000004020201"), std::string::npos) << saved;

    run = start(exe);
    window = waitForWindow(run.dwProcessId);
    ASSERT_NE(window, nullptr);
    page = playerPage(window);
    EXPECT_EQ(controlText(window, IDC_MODE_BUTTON), L"Einzelspieler");
    EXPECT_EQ(SendMessageW(GetDlgItem(window, IDC_LEAGUE_BOX), CB_GETCURSEL, 0, 0), 7);
    EXPECT_EQ(controlText(window, IDC_TEAM_COUNT_FIELD), L"10");
    EXPECT_EQ(controlText(page, IDC_WON3_FIELD), L"2");
    EXPECT_EQ(SendMessageW(GetDlgItem(window, IDC_DECIMAL_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageW(GetDlgItem(window, IDC_CALCULATE_BUTTON), BM_CLICK, 0, 0);
    EXPECT_EQ(controlText(window, IDC_LKZ_DISPLAY), L"114,79");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(finish(run), 0u);
}

// Two starts at the same moment: the lock on the settings file lets one open its window, the
// other hands over to it, even before that window exists.
TEST(Program, TwoStartsAtTheSameMomentOpenOneWindow)
{
    const std::wstring exe = installProgram();
    for (int round = 0; round < 6; ++round) {
        PROCESS_INFORMATION starts[2] = {start(exe), start(exe)};
        HANDLE processes[2] = {starts[0].hProcess, starts[1].hProcess};
        const DWORD ended = WaitForMultipleObjects(2, processes, FALSE, 15000) - WAIT_OBJECT_0;
        EXPECT_LT(ended, 2u) << "round " << round << ": both starts stayed";
        if (ended < 2) {
            EXPECT_NE(waitForWindow(starts[1 - ended].dwProcessId), nullptr) << "round " << round;
        }
        EXPECT_EQ(windowCount(), 1) << "round " << round;
        for (PROCESS_INFORMATION& process : starts) {
            for (HWND window : mainWindows(process.dwProcessId))
                PostMessageW(window, WM_CLOSE, 0, 0);
            EXPECT_EQ(finish(process), 0u) << "round " << round;
        }
        if (ended >= 2)
            break;
    }
}

// The text of a control of another process's window.
std::wstring textOf(HWND control)
{
    wchar_t text[MAX_PATH * 2] = L"";
    SendMessageW(control, WM_GETTEXT, MAX_PATH * 2, reinterpret_cast<LPARAM>(text)); // whole, across processes
    return text;
}

// The file names in a folder with their bytes.
std::vector<std::pair<std::wstring, std::string>> folderContents(const std::wstring& folder)
{
    std::vector<std::pair<std::wstring, std::string>> contents;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return contents;
    do
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            contents.emplace_back(found.cFileName, readFileBytes(folder + L"\\" + found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(contents.begin(), contents.end());
    return contents;
}

// Under the system's program folder the settings go to the user's folder, seeded from an INI
// file beside the program on the first start; the program's folder is never written.
TEST(Program, UnderProgramFilesTheSettingsLiveInTheUsersFolder)
{
    wchar_t programFiles[MAX_PATH] = L"", appData[MAX_PATH] = L"";
    ASSERT_GT(GetEnvironmentVariableW(L"ProgramFiles", programFiles, MAX_PATH), 0u);
    ASSERT_GT(GetEnvironmentVariableW(L"APPDATA", appData, MAX_PATH), 0u);
    const std::wstring folder = std::wstring(programFiles) + L"\\Kadermeister";
    const std::wstring exe = folder + L"\\Kadermeister.exe";
    const std::wstring userFile = std::wstring(appData) + L"\\Kadermeister\\Kadermeister.ini";
    CreateDirectoryW(folder.c_str(), nullptr);
    ASSERT_TRUE(CopyFileW(programPath.c_str(), exe.c_str(), FALSE));
    struct Cleanup {
        std::wstring folder, exe, userFile;
        ~Cleanup()
        {
            DeleteFileW(exe.c_str());
            DeleteFileW((folder + L"\\Kadermeister.ini").c_str());
            RemoveDirectoryW(folder.c_str());
            DeleteFileW(userFile.c_str());
        }
    } cleanup{folder, exe, userFile};

    const struct {
        const char* what;
        std::string besideIt; // the INI file beside the program, "" for none
        const wchar_t* modeButton; // at the first start: "Einzelspieler" in team mode
    } cases[] = {
        {"without an INI file beside it", "", L"Mannschaft"},
        {"with an INI file beside it", "[LKZ]\r\nShowEinzel=0\r\n", L"Einzelspieler"},
    };
    for (const auto& c : cases) {
        DeleteFileW(userFile.c_str());
        DeleteFileW((folder + L"\\Kadermeister.ini").c_str());
        if (!c.besideIt.empty())
            writeFileBytes(folder + L"\\Kadermeister.ini", c.besideIt);
        const auto before = folderContents(folder);

        PROCESS_INFORMATION run = start(exe);
        HWND window = waitForWindow(run.dwProcessId);
        ASSERT_NE(window, nullptr) << c.what;
        EXPECT_EQ(controlText(window, IDC_MODE_BUTTON), c.modeButton) << c.what;
        // The About box names the file in use.
        PostMessageW(window, WM_COMMAND, IDM_INFO, 0);
        HWND about = nullptr;
        waitUntil([&] {
            for (HWND shown : visibleWindows(run.dwProcessId))
                if (GetDlgItem(shown, IDC_ABOUT_SETTINGS_FILE))
                    about = shown;
            return about != nullptr;
        });
        ASSERT_NE(about, nullptr) << c.what;
        EXPECT_EQ(textOf(GetDlgItem(about, IDC_ABOUT_SETTINGS_FILE)), userFile) << c.what;
        PostMessageW(about, WM_COMMAND, IDOK, 0);
        waitUntil([&] { return !IsWindow(about); });
        SendMessageW(GetDlgItem(window, IDC_MODE_BUTTON), BM_CLICK, 0, 0);
        const std::wstring switched = controlText(window, IDC_MODE_BUTTON);
        PostMessageW(window, WM_CLOSE, 0, 0);
        ASSERT_EQ(finish(run), 0u) << c.what;

        EXPECT_NE(readFileBytes(userFile).find("ShowEinzel="), std::string::npos) << c.what << ": saved for the user";
        EXPECT_EQ(folderContents(folder), before) << c.what << ": the program's folder stays as it was";

        run = start(exe);
        window = waitForWindow(run.dwProcessId);
        ASSERT_NE(window, nullptr) << c.what;
        EXPECT_EQ(controlText(window, IDC_MODE_BUTTON), switched) << c.what << ": read back at the next start";
        PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(finish(run), 0u) << c.what;
        EXPECT_EQ(folderContents(folder), before) << c.what;
    }
}

// The file names of the libraries loaded into a process, in lower case.
std::vector<std::wstring> loadedLibraries(HANDLE process)
{
    HMODULE modules[1024];
    DWORD size = 0;
    std::vector<std::wstring> names;
    if (!K32EnumProcessModules(process, modules, sizeof modules, &size))
        return names;
    for (DWORD i = 0; i < size / sizeof(HMODULE) && i < 1024; ++i) {
        wchar_t name[MAX_PATH] = L"";
        K32GetModuleBaseNameW(process, modules[i], name, MAX_PATH);
        names.push_back(CharLowerW(name));
    }
    return names;
}

// The network, the hash, the shell and the common dialogs are loaded when a feature first needs
// them; a start that uses none of them loads none of them.
TEST(Program, StartsWithoutTheLibrariesOfItsOccasionalFeatures)
{
    const std::wstring exe = installProgram();
    PROCESS_INFORMATION run = start(exe);
    HWND window = waitForWindow(run.dwProcessId);
    ASSERT_NE(window, nullptr);
    const std::vector<std::wstring> loaded = loadedLibraries(run.hProcess);
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), L"comctl32.dll"), loaded.end()) << "the list is read";
    for (const wchar_t* name : {L"wininet.dll", L"bcrypt.dll", L"comdlg32.dll", L"shell32.dll", L"winmm.dll"})
        EXPECT_EQ(std::find(loaded.begin(), loaded.end(), name), loaded.end()) << std::string(name, name + wcslen(name));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(finish(run), 0u);
}

// A system that cannot give a library (here Wine told not to load WinINet for this program)
// gets a message when the feature is used, and the program goes on.
TEST(Program, AMissingSystemLibraryIsAMessageNotACrash)
{
    const std::wstring exe = installProgram();
    const wchar_t* overrides = L"Software\\Wine\\AppDefaults\\Kadermeister.exe\\DllOverrides";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, overrides, L"wininet", REG_SZ, L"", sizeof(wchar_t)), ERROR_SUCCESS);
    struct Restore {
        const wchar_t* key;
        ~Restore() { RegDeleteKeyW(HKEY_CURRENT_USER, key); }
    } restore{overrides};
    PROCESS_INFORMATION run = start(exe);
    HWND window = waitForWindow(run.dwProcessId);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_COMMAND, IDM_CHECK_UPDATE, 0);
    HWND box = nullptr;
    waitUntil([&] {
        for (HWND shown : visibleWindows(run.dwProcessId))
            if (shown != window)
                box = shown;
        return box != nullptr;
    });
    ASSERT_NE(box, nullptr) << "a message box";
    std::wstring message;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[512] = L"";
        SendMessageW(child, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text)); // whole, across processes
        if (wcsstr(text, L"wininet"))
            message = text;
    }
    EXPECT_EQ(message, L"Die Systembibliothek \"wininet.dll\" konnte nicht geladen werden. "
                       L"Diese Funktion steht deshalb nicht zur Verfügung.");
    wchar_t title[64] = L"";
    GetWindowTextW(box, title, 64);
    EXPECT_STREQ(title, L"Fehler");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    waitUntil([&] { return !IsWindow(box); });
    EXPECT_EQ(mainWindows(run.dwProcessId).size(), 1u) << "the program goes on";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(finish(run), 0u);
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no program; running them does (installProgram checks).
    if (argc >= 2) {
        const std::string path = argv[1];
        programPath.assign(path.begin(), path.end());
    }
    const int result = RUN_ALL_TESTS();
    for (const std::wstring& folder : folders)
        removeTempFolder(folder);
    return result;
}
