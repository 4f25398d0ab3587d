// What users wait for, measured under the conditions they meet it (run it with
// scripts/bench.sh, or scripts/wine-run.sh build/windows/bench.exe):
// - the start of the release program beside a bare dialog with the same templates and controls
//   (tools/bare_dialog.cpp), started in turn: time to the visible window and peak working set;
// - a re-sort of 20 players with the repaint it causes, beside a full repaint of the main window;
// - a key release (the window-free rules, storing, the checks and the formula, then the same in
//   the real main dialog), sorting 20 players by LKZ, and the exit save of that team.
#include "app/main_dialog_query_win.h"
#include "app/main_dialog_win.h"
#include "base/dialogs_win.h"
#include "base/view.h"
#include "controls/notifications_win.h"
#include "controls/numeric_rules.h"
#include "display/calculate.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "team/ordering.h"

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The main dialog under measure, its record and the file it saves to.
HWND benchDialog = nullptr, benchPage = nullptr;
TeamModel benchModel; // the core's work timed alone, on a copy of the dialog's model
std::wstring benchIni;

double microsecondsPerRound(int rounds, void (*round)(int))
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < rounds; ++i)
        round(i);
    QueryPerformanceCounter(&end);
    return 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / rounds;
}

double now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1e3 * static_cast<double>(counter.QuadPart) / frequency.QuadPart; // milliseconds
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Start {
    double milliseconds = 0;
    double peakMegabytes = 0;
};

// The visible dialog of the process that shows the league box: the program's main window, or
// the bare dialog's copy of it.
HWND mainWindowOf(DWORD processId)
{
    struct Search {
        DWORD processId;
        HWND found;
    } search = {processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->processId && IsWindowVisible(window) && GetDlgItem(window, IDC_LEAGUE_BOX)) {
                search->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// From CreateProcess to the visible window; the peak working set once the window is idle.
Start measureStart(const std::wstring& exe)
{
    Start result;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    std::wstring commandLine = L"\"" + exe + L"\"";
    const double begin = now();
    if (!CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return result;
    HWND window = nullptr;
    while (!(window = mainWindowOf(process.dwProcessId)) && now() - begin < 20000)
        Sleep(1);
    result.milliseconds = now() - begin;
    WaitForInputIdle(process.hProcess, 5000);
    Sleep(300);
    PROCESS_MEMORY_COUNTERS memory = {};
    if (K32GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
        result.peakMegabytes = memory.PeakWorkingSetSize / 1048576.0;
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return result;
}

// Both programs copied into a folder of their own, so the program starts with an INI file of
// its own; then 11 starts of each, in turn.
void compareStarts(const std::wstring& tempFolder)
{
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring built(self);
    built.resize(built.find_last_of(L"\\/") + 1);
    const std::wstring folder = tempFolder + L"kadermeister_bench\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring program = folder + L"Kadermeister.exe", bare = folder + L"bare_dialog.exe";
    if (!CopyFileW((built + L"Kadermeister.exe").c_str(), program.c_str(), FALSE) ||
        !CopyFileW((built + L"bare_dialog.exe").c_str(), bare.c_str(), FALSE)) {
        std::printf("Kadermeister.exe and bare_dialog.exe must lie beside bench.exe\n");
        return;
    }
    DeleteFileW((folder + L"Kadermeister.ini").c_str());
    measureStart(program); // the first start writes the INI file every later start reads
    measureStart(bare);
    std::vector<double> programTimes, bareTimes, programPeaks, barePeaks;
    for (int round = 0; round < 11; ++round) {
        for (int which = 0; which < 2; ++which) {
            const bool programFirst = round % 2 == 0;
            const bool isProgram = (which == 0) == programFirst;
            const Start start = measureStart(isProgram ? program : bare);
            (isProgram ? programTimes : bareTimes).push_back(start.milliseconds);
            (isProgram ? programPeaks : barePeaks).push_back(start.peakMegabytes);
        }
    }
    const double programTime = median(programTimes), bareTime = median(bareTimes);
    const double programPeak = median(programPeaks), barePeak = median(barePeaks);
    std::printf("start to visible window, median of 11:  program %6.1f ms   bare dialog %6.1f ms   ratio %.2f\n",
                programTime, bareTime, programTime / bareTime);
    std::printf("peak working set, median of 11:         program %6.1f MB   bare dialog %6.1f MB   ratio %.2f\n",
                programPeak, barePeak, programPeak / barePeak);
    for (const wchar_t* name : {L"Kadermeister.exe", L"bare_dialog.exe", L"Kadermeister.ini"})
        DeleteFileW((folder + name).c_str());
    RemoveDirectoryW(folder.c_str());
}

void pumpMessages()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The sort the tab strip's menu gives, in turn by LKZ and by line-up (every round changes the
// order of most tabs), with the repaint it causes; against invalidating and repainting the whole
// main window.
void compareResortWithRepaint(HWND dialog)
{
    std::vector<double> sorts, repaints;
    for (int round = 0; round < 60; ++round) {
        double begin = now();
        SendMessageW(dialog, WM_COMMAND, round % 2 ? IDM_SORT_BY_LINEUP : IDM_SORT_BY_LKZ, 0);
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        pumpMessages();
        GdiFlush();
        sorts.push_back(now() - begin);

        begin = now();
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        pumpMessages();
        GdiFlush();
        repaints.push_back(now() - begin);
    }
    const double sort = median(sorts), repaint = median(repaints);
    std::printf("re-sort of 20 players with its repaint: %6.2f ms   full repaint of the main window: %6.2f ms   "
                "ratio %.2f\n",
                sort, repaint, sort / repaint);
}

void coreKeyRelease(int i)
{
    FieldState state{NumericField::Games, std::to_string(3 + i % 5), 4, 18, true, false};
    const Steps steps = keyReleaseSteps(state, '3' + i % 5);
    LkzInputs in;
    in[League] = 3, in[TeamCount] = 10, in[Matches] = 9, in[Won1] = 3 + i % 5, in[Lost1] = 4;
    static SilentView none; // the core timed alone
    storeInputs(benchModel.single, 0, in);
    calculateFrom(benchModel, none, in, 0);
    if (steps.empty())
        std::abort();
}

void keyRelease(int i)
{
    HWND field = GetDlgItem(benchPage, IDC_WON1_FIELD);
    const wchar_t digit = static_cast<wchar_t>(L'3' + i % 5);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_CHAR, digit, 1);
    SendMessageW(field, WM_KEYUP, digit, 0xC0000001);
}

// What the end of a spin's steps on the page sets off: the page stored, the LKZ computed.
void commitAndCompute(int)
{
    SendMessageW(benchDialog, WM_COMMAND, MAKEWPARAM(0, PN_SPIN_ENDED), reinterpret_cast<LPARAM>(benchPage));
}

// Twenty players whose LKZ order changes from round to round, ties included.
void shuffleLkz(int i)
{
    for (int k = 0; k < maxTeamSize; ++k)
        benchModel.team.players[k].lkz = static_cast<float>((k * 7 + i * 13) % 11 * 10);
}

void coreSort(int i)
{
    shuffleLkz(i);
    sortByLkzValue(benchModel.team);
}

// The tab menu's sort, by LKZ and by line-up in turn.
void dialogSort(int i)
{
    SendMessageW(benchDialog, WM_COMMAND, i % 2 ? IDM_SORT_BY_LINEUP : IDM_SORT_BY_LKZ, 0);
}

void exitSave(int) { saveTeamModel(benchIni, benchModel); }

// A team of twenty whose LKZ order differs from the line-up in most places.
std::string twentyPlayers()
{
    std::string text = "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=20\r\n";
    char values[32];
    for (int k = 0; k < maxTeamSize; ++k) {
        const int won = (k * 7) % 9;
        std::snprintf(values, sizeof values, "031009%02d%02d000000", won, 8 - won);
        text += "Spieler" + std::to_string(k + 1) + "=" + values + "\r\n";
    }
    return text;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    compareStarts(folder);
    benchIni = std::wstring(folder) + L"kadermeister_bench.ini";
    DeleteFileW(benchIni.c_str());
    MainDialogStart start;
    start.iniPath = benchIni;
    HWND dialog = CreateDialogParamW(appInstance(), MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc,
                                     reinterpret_cast<LPARAM>(&start));
    if (!dialog)
        return 1;
    benchDialog = dialog;
    benchPage = FindWindowExW(dialog, nullptr, L"#32770", nullptr);
    benchModel = mainDialogModel(dialog);
    SendMessageW(dialog, WM_COMMAND, IDC_AUTO_CALC_CHECK, 0);
    SendDlgItemMessageW(dialog, IDC_LEAGUE_BOX, CB_SETCURSEL, 3, 0);
    SetDlgItemTextW(dialog, IDC_TEAM_COUNT_FIELD, L"10");
    SetDlgItemTextW(dialog, IDC_MATCHES_FIELD, L"9");
    SetFocus(GetDlgItem(benchPage, IDC_WON1_FIELD));
    const int rounds = 2000;
    std::printf("rules, store, checks and formula: %.2f us\n", microsecondsPerRound(100000, coreKeyRelease));
    std::printf("key release in a game field: %.1f us\n", microsecondsPerRound(rounds, keyRelease));
    std::printf("commit and recomputation:    %.1f us\n", microsecondsPerRound(rounds, commitAndCompute));

    DestroyWindow(dialog);

    // The same dialog on a saved team of twenty.
    if (FILE* file = _wfopen(benchIni.c_str(), L"wb")) {
        const std::string team = twentyPlayers();
        std::fwrite(team.data(), 1, team.size(), file);
        std::fclose(file);
    }
    dialog = CreateDialogParamW(appInstance(), MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc,
                                reinterpret_cast<LPARAM>(&start));
    if (!dialog)
        return 1;
    benchDialog = dialog;
    benchModel = mainDialogModel(dialog);
    if (benchModel.singleMode || benchModel.team.playerCount != maxTeamSize)
        return 1;
    ShowWindow(dialog, SW_SHOW);
    UpdateWindow(dialog);
    pumpMessages();
    compareResortWithRepaint(dialog);
    ShowWindow(dialog, SW_HIDE);
    std::printf("sorting 20 players by LKZ:   %.2f us\n", microsecondsPerRound(100000, coreSort));
    std::printf("the same with tabs and page: %.1f us\n", microsecondsPerRound(200, dialogSort));

    benchModel.team.saveData = benchModel.single.saveData = 1;
    std::printf("exit save of 20 players:     %.0f us\n", microsecondsPerRound(20, exitSave));
    DestroyWindow(dialog);
    DeleteFileW(benchIni.c_str());
    return 0;
}
