// How long what users wait for takes: a key release (the window-free rules, storing, the checks
// and the formula, then the same in the real main dialog, where reading and writing the
// controls comes on top), sorting a team of 20 by LKZ (the selection alone, then with the
// tabs rebuilt and the player shown) and the exit save of that team under the INI file's lock.
// Prints microseconds per round.
#include "app/main_dialog_win.h"
#include "base/view.h"
#include "controls/numeric_rules.h"
#include "controls/dialogs_win.h"
#include "display/calculate_win.h"
#include "resource.h"
#include "settings/settings_win.h"
#include "team/ordering.h"
#include "team/team_win.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

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

void coreKeyRelease(int i)
{
    FieldState state{NumericField::Games, std::to_string(3 + i % 5), 4, 18, true, false};
    const Steps steps = keyReleaseSteps(state, '3' + i % 5);
    LkzInputs in;
    in[League] = 3, in[TeamCount] = 10, in[Matches] = 9, in[Won1] = 3 + i % 5, in[Lost1] = 4;
    storeInputs(singleState, 0, in);
    calculateFrom(in, 0);
    if (steps.empty())
        std::abort();
}

void keyRelease(int i)
{
    HWND field = GetDlgItem(pageDialog, IDC_WON1_FIELD);
    const wchar_t digit = static_cast<wchar_t>(L'3' + i % 5);
    SendMessageW(field, EM_SETSEL, 0, -1);
    SendMessageW(field, WM_CHAR, digit, 1);
    SendMessageW(field, WM_KEYUP, digit, 0xC0000001);
}

void commitAndCompute(int)
{
    storePage();
    calculate(0);
}

// Twenty players whose LKZ order changes from round to round, ties included.
void shuffleLkz(int i)
{
    for (int k = 0; k < maxTeamSize; ++k)
        teamState.players[k].lkz = static_cast<float>((k * 7 + i * 13) % 11 * 10);
}

void coreSort(int i)
{
    shuffleLkz(i);
    sortByLkzValue(teamState);
}

void dialogSort(int i)
{
    shuffleLkz(i);
    sortTeam(SortByLkz);
}

TeamState savedTeam, savedSingle;

// The exit save frees the players; each round saves the same team again.
void exitSave(int)
{
    teamState = savedTeam;
    singleState = savedSingle;
    saveAll();
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    iniPath = std::wstring(folder) + L"kadermeister_bench.ini";
    DeleteFileW(iniPath.c_str());
    appInstance = GetModuleHandleW(nullptr);
    HWND dialog = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc, 0);
    if (!dialog)
        return 1;
    SendMessageW(dialog, WM_COMMAND, IDC_AUTO_CALC_CHECK, 0);
    SendDlgItemMessageW(dialog, IDC_LEAGUE_BOX, CB_SETCURSEL, 3, 0);
    SetDlgItemTextW(dialog, IDC_TEAM_COUNT_FIELD, L"10");
    SetDlgItemTextW(dialog, IDC_MATCHES_FIELD, L"9");
    SetFocus(GetDlgItem(pageDialog, IDC_WON1_FIELD));
    const int rounds = 2000;
    {
        SilentView none; // the core timed alone
        setView(&none);
        std::printf("rules, store, checks and formula: %.2f us\n", microsecondsPerRound(100000, coreKeyRelease));
        installDialogView();
    }
    std::printf("key release in a game field: %.1f us\n", microsecondsPerRound(rounds, keyRelease));
    std::printf("commit and recomputation:    %.1f us\n", microsecondsPerRound(rounds, commitAndCompute));

    SendMessageW(dialog, WM_COMMAND, IDC_MODE_BUTTON, 0);
    SetDlgItemTextW(dialog, IDC_PLAYER_COUNT_FIELD, L"20");
    SendMessageW(dialog, WM_COMMAND, IDC_APPLY_COUNT_BUTTON, 0);
    if (teamState.singleMode || teamState.playerCount != maxTeamSize)
        return 1;
    std::printf("sorting 20 players by LKZ:   %.2f us\n", microsecondsPerRound(100000, coreSort));
    std::printf("the same with tabs and page: %.1f us\n", microsecondsPerRound(200, dialogSort));

    teamState.saveData = singleState.saveData = 1;
    savedTeam = teamState;
    savedSingle = singleState;
    std::printf("exit save of 20 players:     %.0f us\n", microsecondsPerRound(20, exitSave));
    DestroyWindow(dialog);
    DeleteFileW(iniPath.c_str());
    return 0;
}
