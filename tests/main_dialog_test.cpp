// The main dialog driven through its controls: start-up, computing, marks, options, exit.
#include "main_dialog_fixture.h"

#include "base/handles_win.h"
#include "base/text_win.h"
#include "base/version.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

using MainDialog = MainDialogTest;

std::string menuText(HMENU menu, int position)
{
    char text[64] = "";
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// The icon at each size the system asks for: 16 and 32 as bitmaps, 48 stored as a PNG.
TEST(ProgramIcon, EverySizeLoadsAndShowsThePaddle)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(IDI_KADERMEISTER), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
    for (int size : {16, 32, 48}) {
        // The image stored for this size, decoded by the system itself.
        const int id = LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        HRSRC image = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
        ASSERT_NE(image, nullptr) << size;
        auto* bytes = static_cast<BYTE*>(LockResource(LoadResource(module, image)));
        const DWORD length = SizeofResource(module, image);
        EXPECT_EQ(length >= 4 && std::memcmp(bytes, "\x89PNG", 4) == 0, size == 48) << size;
        HICON icon = CreateIconFromResourceEx(bytes, length, TRUE, 0x30000, size, size, LR_DEFAULTCOLOR);
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour = {};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        ScopedGetDC screen(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP canvas = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(memory, canvas);
        RECT all = {0, 0, size, size};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        int red = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const COLORREF c = GetPixel(memory, x, y);
                red += GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100;
            }
        EXPECT_GT(red, size * size / 8) << size << ": the red blade is drawn";
        EXPECT_NE(GetPixel(memory, 0, 0), GetPixel(memory, size / 2, size / 2)) << size;
        SelectObject(memory, old);
        DeleteObject(canvas);
        DeleteDC(memory);
        DestroyIcon(icon);
    }
}

TEST_F(MainDialog, FirstStartShowsTheDefaults)
{
    open();
    wchar_t title[64] = L"";
    GetWindowTextW(dialog, title, 64);
    EXPECT_EQ(title, L"Kadermeister " + widen(programVersion) + L" Beta");
    EXPECT_EQ(text(dialog, IDC_MODE_BUTTON), L"Mannschaft") << "single-player mode first";
    EXPECT_EQ(display(), L"0");
    EXPECT_EQ(text(dialog, IDC_LKZ_LABEL), L"LKZ:");
    for (int id : {IDC_AUTO_CALC_CHECK, IDC_SAVE_DATA_CHECK, IDC_ON_TOP_CHECK, IDC_DECIMAL_CHECK})
        EXPECT_FALSE(checked(id)) << id;
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_PLAYER_COUNT_FIELD)));
    EXPECT_EQ(tabCount(), 1);
    EXPECT_EQ(tabLabel(0), L"Einzelspieler");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"12");
    EXPECT_EQ(text(dialog, IDC_MATCHES_FIELD), L"1");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_LEAGUE_BOX));

    HWND box = GetDlgItem(dialog, IDC_LEAGUE_BOX);
    ASSERT_EQ(SendMessageW(box, CB_GETCOUNT, 0, 0), 13);
    EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), CB_ERR);
    wchar_t league[32];
    SendMessageW(box, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(league));
    EXPECT_STREQ(league, L"1. Bundesliga");
    SendMessageW(box, CB_GETLBTEXT, 12, reinterpret_cast<LPARAM>(league));
    EXPECT_STREQ(league, L"4. Kreisliga");
    EXPECT_EQ(SendMessageW(box, CB_GETITEMDATA, 3, 0), 180);

    HMENU system = GetSystemMenu(dialog, FALSE);
    // Wine appends a separator and an item of its own below Close; Windows has five items.
    ASSERT_GE(GetMenuItemCount(system), 5);
    const UINT expected[] = {SC_MOVE, SC_MINIMIZE, IDM_SYS_INFO, 0, SC_CLOSE};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(GetMenuItemID(system, i), expected[i]) << i;
    EXPECT_EQ(menuText(system, 2), "Info...");
}

TEST_F(MainDialog, ComputesAndSwitchesTheOutputForm)
{
    open();
    selectLeague(3);
    setText(dialog, IDC_TEAM_COUNT_FIELD, L"10");
    setText(dialog, IDC_MATCHES_FIELD, L"9");
    setText(page, IDC_WON1_FIELD, L"10");
    setText(page, IDC_LOST1_FIELD, L"4");
    setText(page, IDC_WON2_FIELD, L"2");
    setText(page, IDC_LOST2_FIELD, L"1");
    BoxWatcher watcher;
    click(dialog, IDC_CALCULATE_BUTTON);
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_EQ(display(), L"207");

    click(dialog, IDC_DECIMAL_CHECK);
    EXPECT_EQ(display(), L"207,176");
    EXPECT_TRUE(checked(IDC_DECIMAL_CHECK));

    // A double click inside the display frame switches back.
    RECT frame;
    GetWindowRect(GetDlgItem(dialog, IDC_LKZ_FRAME), &frame);
    POINT inside = {frame.left + 5, frame.top + 5};
    ScreenToClient(dialog, &inside);
    SendMessageW(dialog, WM_LBUTTONDBLCLK, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(display(), L"207");
    EXPECT_FALSE(checked(IDC_DECIMAL_CHECK));

    // Esc is no way out.
    SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(IsWindowVisible(dialog));
}

TEST_F(MainDialog, AFailingCheckReportsFramesAndAPassingOneClears)
{
    open();
    setText(dialog, IDC_MATCHES_FIELD, L"1");
    setText(page, IDC_WON1_FIELD, L"3");
    {
        BoxWatcher watcher;
        click(dialog, IDC_CALCULATE_BUTTON);
        ASSERT_EQ(watcher.boxes.size(), 1u) << "one message per call";
        EXPECT_EQ(watcher.boxes[0].title, L"Fehler");
        EXPECT_EQ(watcher.boxes[0].text, L"Bitte eine Spielklasse auswählen.");
    }
    EXPECT_TRUE(SendDlgItemMessageW(dialog, IDC_LEAGUE_BOX, CB_GETDROPPEDSTATE, 0, 0)) << "the list drops down";
    SendDlgItemMessageW(dialog, IDC_LEAGUE_BOX, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_EQ(display(), L"0");
    EXPECT_TRUE(framedRed(League));
    EXPECT_TRUE(framedRed(Matches));
    EXPECT_TRUE(framedRed(Won1));
    EXPECT_FALSE(framedRed(Lost1));
    EXPECT_FALSE(framedRed(TeamCount));

    selectLeague(0);
    {
        BoxWatcher watcher;
        click(dialog, IDC_CALCULATE_BUTTON);
        ASSERT_EQ(watcher.boxes.size(), 1u);
        EXPECT_EQ(watcher.boxes[0].title, L"LKZ berechnen");
        EXPECT_EQ(watcher.boxes[0].text, L"Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n3 Einzel in 1 Punktspiel.");
    }
    EXPECT_FALSE(framedRed(League));
    EXPECT_TRUE(framedRed(Won1));

    setText(page, IDC_WON1_FIELD, L"2");
    BoxWatcher watcher;
    click(dialog, IDC_CALCULATE_BUTTON);
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_EQ(display(), L"239");
    for (int kind = League; kind <= Lost3; ++kind)
        EXPECT_FALSE(framedRed(kind)) << kind;
}

TEST_F(MainDialog, SpinStepsKeepMatchesBelowTeams)
{
    open();
    const struct {
        const wchar_t* teams;
        const wchar_t* matches;
        int spin;
        bool up;
        const wchar_t* teamsAfter;
        const wchar_t* matchesAfter;
    } cases[] = {
        // The core's table has every case; these two prove that each spin is wired to its rule.
        {L"9", L"8", IDC_MATCHES_SPIN, true, L"10", L"9"},
        {L"10", L"9", IDC_TEAM_COUNT_SPIN, false, L"9", L"8"},
    };
    for (const bool byKey : {false, true})
        for (const auto& c : cases) {
            setText(dialog, IDC_TEAM_COUNT_FIELD, c.teams);
            setText(dialog, IDC_MATCHES_FIELD, c.matches);
            stepSpin(dialog, c.spin, c.up, byKey);
            const auto how = byKey ? " (arrow key)" : " (click)";
            EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), c.teamsAfter) << c.teams << "/" << c.matches << how;
            EXPECT_EQ(text(dialog, IDC_MATCHES_FIELD), c.matchesAfter) << c.teams << "/" << c.matches << how;
        }

    // The page spins follow twice the new match count at once.
    setText(dialog, IDC_MATCHES_FIELD, L"4");
    clickSpin(dialog, IDC_MATCHES_SPIN, true);
    int low = -1, high = -1;
    SendDlgItemMessageW(page, IDC_LOST2_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                        reinterpret_cast<LPARAM>(&high));
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 10);
}

TEST_F(MainDialog, OptionsFollowTheActiveMode)
{
    open();
    click(dialog, IDC_AUTO_CALC_CHECK);
    EXPECT_TRUE(checked(IDC_AUTO_CALC_CHECK));
    click(dialog, IDC_ON_TOP_CHECK);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    menuCommand(IDM_SAVE_DATA);
    EXPECT_TRUE(checked(IDC_SAVE_DATA_CHECK));

    const SeenMenu menu = optionsMenu();
    ASSERT_TRUE(menu.seen);
    EXPECT_TRUE(menu.checked(IDM_AUTO_CALC));
    EXPECT_TRUE(menu.checked(IDM_ON_TOP));
    EXPECT_TRUE(menu.checked(IDM_SAVE_DATA));
    EXPECT_FALSE(menu.checked(IDM_DECIMAL));

    // Team mode has options of its own; On Top is shared.
    click(dialog, IDC_MODE_BUTTON);
    EXPECT_EQ(text(dialog, IDC_MODE_BUTTON), L"Einzelspieler");
    EXPECT_FALSE(checked(IDC_AUTO_CALC_CHECK));
    EXPECT_FALSE(checked(IDC_SAVE_DATA_CHECK));
    EXPECT_TRUE(checked(IDC_ON_TOP_CHECK));
    click(dialog, IDC_ON_TOP_CHECK);
    EXPECT_FALSE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // Switching automatic calculation off clears the marks and shows zero.
    click(dialog, IDC_MODE_BUTTON);
    setText(dialog, IDC_MATCHES_FIELD, L"5");
    setText(page, IDC_WON1_FIELD, L"20");
    selectLeague(2);
    EXPECT_TRUE(framedRed(Matches));
    click(dialog, IDC_AUTO_CALC_CHECK);
    EXPECT_EQ(display(), L"0");
    EXPECT_FALSE(framedRed(Matches));
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_FALSE(framedRed(Matches)) << "the mark is gone, not only its frame";
}

TEST_F(MainDialog, ModesKeepTheirOwnPlayers)
{
    open();
    setText(page, IDC_WON3_FIELD, L"7");
    click(dialog, IDC_MODE_BUTTON);
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_PLAYER_COUNT_FIELD)));
    EXPECT_EQ(tabCount(), 6);
    EXPECT_EQ(tabLabel(5), L"Nr. 6");
    EXPECT_EQ(text(page, IDC_WON3_FIELD), L"0");
    setText(page, IDC_WON3_FIELD, L"4");
    click(dialog, IDC_MODE_BUTTON);
    EXPECT_EQ(text(page, IDC_WON3_FIELD), L"7");
    EXPECT_EQ(tabLabel(0), L"Einzelspieler");
    click(dialog, IDC_MODE_BUTTON);
    EXPECT_EQ(text(page, IDC_WON3_FIELD), L"4");
}

TEST_F(MainDialog, TabsAndTeamSize)
{
    open("[LKZ]\r\nShowEinzel=0\r\n");
    EXPECT_EQ(tabCount(), 6);
    setText(page, IDC_LOST1_FIELD, L"5");
    clickTab(2);
    EXPECT_EQ(currentTab(), 2);
    EXPECT_EQ(text(page, IDC_LOST1_FIELD), L"0");
    clickTab(0);
    EXPECT_EQ(text(page, IDC_LOST1_FIELD), L"5") << "the player left behind was stored";
    clickTab(2);

    setText(dialog, IDC_PLAYER_COUNT_FIELD, L"8");
    click(dialog, IDC_APPLY_COUNT_BUTTON);
    EXPECT_EQ(tabCount(), 8);
    EXPECT_EQ(tabLabel(7), L"Nr. 8");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
    setText(dialog, IDC_PLAYER_COUNT_FIELD, L"3");
    click(dialog, IDC_APPLY_COUNT_BUTTON);
    EXPECT_EQ(tabCount(), 8) << "fewer than four is ignored";

    // Stepping the player-count spin alone changes only the field.
    clickSpin(dialog, IDC_PLAYER_COUNT_SPIN, true);
    EXPECT_EQ(tabCount(), 8);
}

TEST_F(MainDialog, RollsUpToTheTitleBarAndBack)
{
    open();
    RECT before;
    GetWindowRect(dialog, &before);
    SendMessageW(dialog, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    RECT rolled;
    GetWindowRect(dialog, &rolled);
    EXPECT_LT(rolled.bottom - rolled.top, 60);
    EXPECT_EQ(rolled.right - rolled.left, before.right - before.left);
    SendMessageW(dialog, WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    RECT after;
    GetWindowRect(dialog, &after);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
}

TEST_F(MainDialog, FaultySavedPlayerIsReportedAndReset)
{
    BoxWatcher watcher;
    open("[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=4\r\n"
         "Spieler1=071014050308060202\r\nSpieler2=0710140503080602\r\nSpieler3=071014050308060202\r\n"
         "Spieler4=071014050308060202\r\nSpielerName1=J\xFCrgen M\xFCller\r\n");
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].title, L"Fehler");
    EXPECT_EQ(watcher.boxes[0].text, L"Die gespeicherten Berechnungsdaten für Spieler 2 sind fehlerhaft!");
    EXPECT_EQ(tabLabel(0), L"Jürgen Müller");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"8");
    EXPECT_EQ(SendDlgItemMessageW(dialog, IDC_LEAGUE_BOX, CB_GETCURSEL, 0, 0), 7);

    close();
    const std::string saved = ini();
    EXPECT_NE(saved.find("SpielerName1=J\xFCrgen M\xFCller"), std::string::npos) << "written back in its code page";
    EXPECT_NE(saved.find("Spieler2=071001000000000000"), std::string::npos) << saved;
}

TEST_F(MainDialog, EndOfSessionSavesLikeExit)
{
    open("[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\n");
    clickInto(GetDlgItem(page, IDC_WON1_FIELD));
    type(GetDlgItem(page, IDC_WON1_FIELD), L"6");
    clickInto(GetDlgItem(page, IDC_LOST1_FIELD));
    type(GetDlgItem(page, IDC_LOST1_FIELD), L"2");
    SendMessageW(dialog, WM_ENDSESSION, TRUE, 0);
    EXPECT_NE(ini().find("Spieler1=-11201060200000000"), std::string::npos) << ini();
}

// The exit save replaces the file whole: keys the program does not know stay, nothing is left
// beside it, and what an interrupted save left is neither read nor kept.
TEST_F(MainDialog, ExitSaveReplacesTheFileAndLeavesNothingBeside)
{
    open("[LKZ]\r\nShowEinzel=0\r\nEigenerSchluessel=bleibt\r\n[Mannschaft]\r\nSaveData=1\r\n");
    close();
    const std::string saved = ini();
    EXPECT_NE(saved.find("EigenerSchluessel=bleibt"), std::string::npos) << saved;
    EXPECT_NE(saved.find("SpielerName6=Nr. 6"), std::string::npos) << saved;
    const std::wstring saving = iniPath + L".tmp~";
    EXPECT_EQ(GetFileAttributesW(saving.c_str()), INVALID_FILE_ATTRIBUTES);

    writeFileBytes(saving, "[LKZ]\r\nShowEinzel=1\r\n[Mannschaft]\r\nAnzahlspieler=4\r\n");
    BoxWatcher watcher;
    reopen();
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_EQ(tabCount(), 6) << "the half-saved copy is not read";
    EXPECT_EQ(GetFileAttributesW(saving.c_str()), INVALID_FILE_ATTRIBUTES) << "and is removed";
    close();
    EXPECT_EQ(ini(), saved);
}

// A file that cannot be replaced stays as it was, and the user is told once where it is.
TEST_F(MainDialog, ExitSaveThatCannotReplaceTheFileSaysSo)
{
    const std::string before = "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=4\r\n";
    enum class Obstacle { ReadOnly, OpenElsewhere };
    for (Obstacle obstacle : {Obstacle::ReadOnly, Obstacle::OpenElsewhere}) {
        SCOPED_TRACE(obstacle == Obstacle::ReadOnly ? "read-only" : "open in another program");
        open(before);
        setText(dialog, IDC_TEAM_COUNT_FIELD, L"12");
        AutoCloseHandle other;
        if (obstacle == Obstacle::ReadOnly)
            SetFileAttributesW(iniPath.c_str(), FILE_ATTRIBUTE_READONLY);
        else
            other.reset(CreateFileW(iniPath.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        {
            BoxWatcher watcher;
            close();
            ASSERT_EQ(watcher.boxes.size(), 1u);
            EXPECT_EQ(watcher.boxes[0].title, L"Speichern");
            EXPECT_NE(watcher.boxes[0].text.find(L"konnten nicht gespeichert werden"), std::wstring::npos);
            EXPECT_NE(watcher.boxes[0].text.find(iniPath), std::wstring::npos) << "names the file";
        }
        other.reset();
        SetFileAttributesW(iniPath.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(ini(), before);
        EXPECT_EQ(GetFileAttributesW((iniPath + L".tmp~").c_str()), INVALID_FILE_ATTRIBUTES);
        removeTempFolder(folder);
        folder.clear();
    }
}

} // namespace

namespace {

TEST_F(MainDialog, TabVisitsTheInputsInReadingOrder)
{
    open("[LKZ]\r\nShowEinzel=0\r\n");
    const int expected[] = {IDC_TEAM_COUNT_FIELD, IDC_MATCHES_FIELD, IDC_PLAYER_TABS, IDC_WON1_FIELD, IDC_LOST1_FIELD,
                            IDC_WON2_FIELD, IDC_LOST2_FIELD, IDC_WON3_FIELD, IDC_LOST3_FIELD, IDC_AUTO_CALC_CHECK,
                            IDC_SAVE_DATA_CHECK, IDC_ON_TOP_CHECK, IDC_DECIMAL_CHECK, IDC_MODE_BUTTON,
                            IDC_PLAYER_COUNT_FIELD, IDC_APPLY_COUNT_BUTTON, IDC_CALCULATE_BUTTON, IDC_FORMULA_BUTTON,
                            IDC_EXIT_BUTTON, IDC_LEAGUE_BOX};
    HWND control = GetDlgItem(dialog, IDC_LEAGUE_BOX);
    for (int id : expected) {
        control = GetNextDlgTabItem(dialog, control, FALSE);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetDlgCtrlID(control), id);
    }
}

TEST_F(MainDialog, GarbageInTheIniFileNeitherCrashesNorSticks)
{
    std::string garbage = "[LKZ]\r\nShowEinzel=0\r\nBKColor=\r\nMultiInst=\x01\x02\r\n[Mannschaft]\r\nSaveData=1\r\n"
                          "Anzahlspieler=-99999999999999999999\r\nAktSpieler=77\r\nSpieler99=010101\r\n"
                          "SpielerName1=" + std::string(300, 'x') + "\r\nSpieler1=" + std::string(300, '9') + "\r\n"
                          "SpielerName2=\xC3\x28\xFF\r\nSpieler2=zzzzzzzzzzzzzzzzzz\r\n\x00\x7F[[[\r\n=\r\n";
    BoxWatcher watcher;
    open(garbage);
    ASSERT_EQ(watcher.boxes.size(), 1u) << "only the over-long text of player 1 is reported";
    EXPECT_EQ(watcher.boxes[0].text, L"Die gespeicherten Berechnungsdaten für Spieler 1 sind fehlerhaft!");
    EXPECT_EQ(tabCount(), 4);
    EXPECT_EQ(tabLabel(0), std::wstring(63, L'x'));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0) << "an unknown current player falls back to the first";
    close();
    // Garbage in, sound values out: the next start reads what this run wrote.
    const std::string saved = ini();
    EXPECT_NE(saved.find("Anzahlspieler=4"), std::string::npos);
    // Eighteen characters of anything load as zeros, without a message; the players whose data
    // is faulty or missing keep what it brought for the team.
    EXPECT_NE(saved.find("Spieler2=000000000000000000"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Spieler3=000001000000000000"), std::string::npos) << saved;
}

} // namespace

namespace {

COLORREF fieldBackground(HWND field)
{
    RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    flushEvents(0);
    ScopedGetDC dc(field);
    return GetPixel(dc, 2, 2);
}

TEST_F(MainDialog, OnlyTheFocusedFieldIsHighlighted)
{
    open("[LKZ]\r\nBKColor=255\r\n");
    HWND matches = GetDlgItem(dialog, IDC_MATCHES_FIELD);
    HWND teams = GetDlgItem(dialog, IDC_TEAM_COUNT_FIELD);
    HWND won = GetDlgItem(page, IDC_WON2_FIELD);
    SetFocus(matches);
    EXPECT_EQ(fieldBackground(matches), RGB(255, 0, 0)) << "BKColor 255 is pure red";
    EXPECT_NE(fieldBackground(teams), RGB(255, 0, 0));
    SetFocus(won);
    EXPECT_EQ(fieldBackground(won), RGB(255, 0, 0));
    EXPECT_NE(fieldBackground(matches), RGB(255, 0, 0));
}

} // namespace

namespace {

TEST_F(MainDialog, FramesBelongToTheShownPlayer)
{
    open("[LKZ]\r\nShowEinzel=0\r\n");
    selectLeague(1);
    setText(dialog, IDC_MATCHES_FIELD, L"3");
    setText(page, IDC_WON1_FIELD, L"9");
    {
        BoxWatcher watcher;
        click(dialog, IDC_CALCULATE_BUTTON);
        EXPECT_EQ(watcher.boxes.size(), 1u);
    }
    EXPECT_TRUE(framedRed(Matches));

    clickTab(1);
    EXPECT_FALSE(framedRed(Matches)) << "player 2 has no marks";
    EXPECT_FALSE(framedRed(Won1));
    clickTab(0);
    EXPECT_TRUE(framedRed(Won1)) << "player 1 keeps its own";
}

TEST_F(MainDialog, AHiddenControlPassesTheFocusToTheLeagueBox)
{
    open("[LKZ]\r\nShowEinzel=0\r\n");
    SetFocus(GetDlgItem(dialog, IDC_PLAYER_COUNT_FIELD));
    click(dialog, IDC_MODE_BUTTON);
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_LEAGUE_BOX));
}

// Two main dialogs in one process, each on its own file: what one is told, shows or keeps never
// reaches the other.
TEST(TwoMainDialogs, EachKeepsItsOwnTeamMarksColourAndFocus)
{
    MainDialogWindow a, b;
    // a: four players in Oberliga with automatic calculation and a red focused field; b: six in
    // 1. Kreisliga, the default colour.
    a.open("[LKZ]\r\nShowEinzel=0\r\nBKColor=255\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nAnzahlspieler=4\r\n"
           "Spieler1=031005020400000000\r\nSpieler2=031005060000000000\r\nSpieler3=031005040200000000\r\n"
           "Spieler4=031005001100000000\r\nSpielerName2=Anna\r\n");
    b.open(savedTeam({"091204020100000000", "091204000000000000", "091204010100000000", "091204000000000000",
                      "091204000000000000", "091204000000000000"},
                     "AutoCalc=1\r\n", "SpielerName1=Bernd\r\n"));
    ASSERT_NE(a.dialog, b.dialog);
    const std::wstring bShows = b.display();

    // a: the second player gets two more games won, and the team goes into LKZ order.
    a.clickTab(1);
    HWND aLost = GetDlgItem(a.page, IDC_LOST1_FIELD);
    MainDialogWindow::clickInto(aLost);
    MainDialogWindow::type(aLost, L"2");
    a.fireCommitTimer();
    a.menuCommand(IDM_SAVE_SORT_ORDER);
    a.menuCommand(IDM_SORT_BY_LKZ);
    EXPECT_EQ(a.tabLabels(), (std::vector<std::wstring>{L"Anna", L"Nr. 3", L"Nr. 1", L"Nr. 4"}));
    EXPECT_EQ(b.tabLabels(), (std::vector<std::wstring>{L"Bernd", L"Nr. 2", L"Nr. 3", L"Nr. 4", L"Nr. 5", L"Nr. 6"}));
    EXPECT_EQ(b.display(), bShows);

    // b: 9 singles in 4 matches, framed red there and nowhere in a.
    b.clickTab(2);
    HWND bWon = GetDlgItem(b.page, IDC_WON3_FIELD);
    MainDialogWindow::clickInto(bWon);
    MainDialogWindow::type(bWon, L"7");
    b.fireCommitTimer();
    EXPECT_EQ(b.display(), L"0");
    EXPECT_TRUE(b.framedRed(Won3));
    EXPECT_FALSE(a.framedRed(Won3));
    EXPECT_EQ(a.display(), L"198") << "Anna, 6:2 in five matches";

    // Each colours its own focused field; a button gives the focus back in its own dialog only.
    const auto background = [](HWND field) {
        RedrawWindow(field, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        flushEvents(0);
        ScopedGetDC dc(field);
        return GetPixel(dc, 2, 2);
    };
    EXPECT_EQ(background(bWon), RGB(255, 255, 160));
    MainDialogWindow::clickInto(aLost);
    EXPECT_EQ(background(aLost), RGB(255, 0, 0));
    MainDialogWindow::click(b.dialog, IDC_APPLY_COUNT_BUTTON); // the same count: nothing but the focus back
    EXPECT_EQ(GetFocus(), bWon) << "b's own last field, not a's";

    a.close();
    b.close();
    const std::string aSaved = a.ini(), bSaved = b.ini();
    EXPECT_NE(aSaved.find("Spieler2=031005060200000000"), std::string::npos) << aSaved;
    EXPECT_NE(aSaved.find("SortOrder=1"), std::string::npos) << "a's order is a's";
    EXPECT_NE(aSaved.find("BKColor=255"), std::string::npos);
    EXPECT_NE(bSaved.find("Spieler3=091204010100000700"), std::string::npos) << bSaved;
    EXPECT_NE(bSaved.find("SortOrder=0"), std::string::npos);
    EXPECT_NE(bSaved.find("SpielerName1=Bernd"), std::string::npos);
    EXPECT_EQ(bSaved.find("Anna"), std::string::npos);
    EXPECT_NE(bSaved.find("BKColor=10551295"), std::string::npos);
}

} // namespace

#include "base/view.h"

#include <atomic>
#include <thread>

namespace {

TEST_F(MainDialog, AMessageFromAWorkerThreadIsShownOverTheDialog)
{
    open();
    BoxWatcher watcher;
    std::atomic<bool> done{false};
    std::thread worker([&done, this] {
        showMessageBox(dialog, "Die Datei konnte nicht geladen werden.", "Download", BoxButtons::Ok, BoxIcon::Error);
        done = true;
    });
    waitUntil([&] { return done.load(); });
    worker.join();
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].title, L"Download");
    EXPECT_EQ(watcher.boxes[0].text, L"Die Datei konnte nicht geladen werden.");
    EXPECT_EQ(watcher.boxes[0].owner, dialog) << "modal to the main dialog";
}

TEST(VersionResource, NamesTheProgramAndItsVersion)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(KM_VERSION_MINOR, KM_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, KM_VERSION_PATCH)));
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    const auto value = [&](const wchar_t* name) {
        wchar_t* text = nullptr;
        UINT chars = 0;
        const std::wstring key = std::wstring(L"\\StringFileInfo\\040704B0\\") + name;
        return VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&text), &chars) && text
                   ? std::wstring(text)
                   : std::wstring();
    };
    EXPECT_EQ(value(L"FileVersion"), KM_WIDE(KM_VERSION));
    EXPECT_EQ(value(L"ProductVersion"), KM_WIDE(KM_VERSION));
    EXPECT_EQ(value(L"ProductName"), L"Kadermeister");
    EXPECT_EQ(value(L"FileDescription"), L"Kadermeister – LKZ-Rechner für Tischtennis");
    EXPECT_EQ(value(L"OriginalFilename"), L"Kadermeister.exe");
    EXPECT_NE(value(L"LegalCopyright").find(L"Kadermeister"), std::wstring::npos);
}

} // namespace
