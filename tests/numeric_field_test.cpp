// Typing into the number fields, as the keyboard reaches them, and the tooltips.
#include "main_dialog_fixture.h"

#include "app/main_dialog_query_win.h"
#include "controls/tooltip_win.h"

namespace {

class NumericField : public MainDialogTest {
protected:
    HWND field(int id) const { return GetDlgItem(dialog, id); }
    HWND pageField(int id) const { return GetDlgItem(page, id); }
    // What the single player's values are saved as when the program ends now ("Spieler1=..."); it
    // is started again on the file.
    std::string savedNow()
    {
        close();
        const std::string saved = ini();
        reopen();
        const size_t section = saved.find("[Einzelspieler]");
        const size_t line = saved.find("Spieler1=", section);
        return line == std::string::npos ? std::string() : saved.substr(line, 27);
    }
    // Automatic calculation on, "Oberliga", 10 teams, 5 matches, 6 games won in the 1. Paarkreuz.
    void startComputing()
    {
        open("[Einzelspieler]\r\nSaveData=1\r\n");
        click(dialog, IDC_AUTO_CALC_CHECK);
        selectLeague(3);
        setText(dialog, IDC_TEAM_COUNT_FIELD, L"10");
        setText(dialog, IDC_MATCHES_FIELD, L"5");
        setText(page, IDC_WON1_FIELD, L"6");
        click(page, IDC_CLEAR2_BUTTON); // stores the page and computes
    }
};

TEST_F(NumericField, DigitsOnlyAndTwoAtMost)
{
    open();
    HWND teams = field(IDC_TEAM_COUNT_FIELD);
    clickInto(teams);
    EXPECT_EQ(GetFocus(), teams);
    DWORD start = 1, end = 0;
    SendMessageW(teams, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u) << "the first click selects the whole text";

    type(teams, L"1a-,.2");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"12");
    SendMessageW(teams, EM_SETSEL, 2, 2);
    type(teams, L"3");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"12") << "a third digit is refused";
    SendMessageW(teams, EM_SETSEL, 0, -1);
    type(teams, L"9");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"9") << "a selection is replaced";

    // No leading zero, and no zero behind a lone zero.
    HWND won = pageField(IDC_WON2_FIELD);
    clickInto(won);
    setText(page, IDC_WON2_FIELD, L"");
    type(won, L"5");
    SendMessageW(won, EM_SETSEL, 0, 0);
    type(won, L"0");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"5");
    SendMessageW(won, EM_SETSEL, 1, 1);
    type(won, L"0");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"50");

    // Paste, the context menu and the wheel do nothing.
    SendMessageW(won, EM_SETSEL, 0, -1);
    EXPECT_EQ(SendMessageW(won, WM_PASTE, 0, 0), 0);
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"50");
}

TEST_F(NumericField, TypedFiguresReachThePlayerAndTheLkz)
{
    startComputing();
    EXPECT_EQ(display(), L"208");
    HWND teams = field(IDC_TEAM_COUNT_FIELD);
    clickInto(teams);
    type(teams, L"1");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"1") << "a lone 1 waits for a second digit";
    type(teams, L"2");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"12");
    EXPECT_EQ(display(), L"203") << "12 teams compute at once";
    fireCommitTimer();
    EXPECT_EQ(display(), L"203");

    HWND won = pageField(IDC_WON1_FIELD);
    clickInto(won);
    type(won, L"8");
    fireCommitTimer();
    EXPECT_EQ(savedNow(), "Spieler1=031205080000000000");

    // An emptied game count becomes 0 on the key's release.
    won = pageField(IDC_WON1_FIELD);
    clickInto(won);
    backspace(won);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"0");
    EXPECT_EQ(display(), L"180");
    EXPECT_EQ(savedNow(), "Spieler1=031205000000000000");
}

TEST_F(NumericField, EachFieldKeepsItsLimits)
{
    startComputing();
    HWND teams = field(IDC_TEAM_COUNT_FIELD);
    clickInto(teams);
    type(teams, L"1");
    fireCommitTimer();
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"2") << "one team is no league";

    HWND matches = field(IDC_MATCHES_FIELD);
    clickInto(matches);
    type(matches, L"25");
    EXPECT_EQ(text(dialog, IDC_MATCHES_FIELD), L"13");
    EXPECT_EQ(savedNow(), "Spieler1=030213060000000000") << "the player keeps what the fields show";
    matches = field(IDC_MATCHES_FIELD);
    clickInto(matches);
    SendMessageW(matches, EM_SETSEL, 2, 2);
    backspace(matches);
    backspace(matches);
    EXPECT_EQ(text(dialog, IDC_MATCHES_FIELD), L"1") << "emptied, it becomes 1";

    click(dialog, IDC_MODE_BUTTON); // the player count shows in team mode
    HWND players = field(IDC_PLAYER_COUNT_FIELD);
    const struct {
        const wchar_t *typed, *shown;
        bool timer;
    } cases[] = {{L"3", L"4", false}, {L"25", L"20", false}, {L"1", L"4", true}, {L"12", L"12", false}};
    for (const auto& c : cases) {
        clickInto(players);
        SendMessageW(players, EM_SETSEL, 0, -1);
        type(players, c.typed);
        if (c.timer) {
            EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), c.typed) << "waits";
            fireCommitTimer();
        }
        EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), c.shown) << c.typed;
        SetFocus(field(IDC_MATCHES_FIELD));
    }
}

// Digits typed on the numeric keypad: the same text, limits, computation and commit as the same
// digits on the main keyboard.
TEST_F(NumericField, KeypadDigitsGiveWhatTheMainKeyboardGives)
{
    const struct {
        bool onPage;
        int id;
        const wchar_t* digits;
    } cases[] = {
        // The core's tables have every key; a field of each dialog proves the keypad reaches them.
        {false, IDC_MATCHES_FIELD, L"25"},
        {true, IDC_WON1_FIELD, L"25"},
    };
    for (const auto& c : cases)
        for (bool computing : {true, false}) {
            // Without computing, only the commit differs by key; the core's table covers the rest.
            if (!computing && c.id != IDC_MATCHES_FIELD)
                continue;
            std::wstring shown[2], lkz[2];
            std::string stored[2];
            for (int keypad = 0; keypad < 2; ++keypad) {
                startComputing();
                if (!computing)
                    click(dialog, IDC_AUTO_CALC_CHECK);
                HWND parent = c.onPage ? page : dialog;
                HWND target = GetDlgItem(parent, c.id);
                clickInto(target);
                for (const wchar_t* d = c.digits; *d; ++d)
                    press(target, keypad ? VK_NUMPAD0 + (*d - L'0') : LOBYTE(VkKeyScanW(*d)), *d);
                flushEvents(0);
                fireCommitTimer();
                shown[keypad] = text(parent, c.id);
                lkz[keypad] = display();
                close();
                stored[keypad] = ini();
                removeTempFolder(folder);
                folder.clear();
            }
            SCOPED_TRACE(std::wstring(c.digits) + (computing ? L" computing" : L" not computing"));
            EXPECT_EQ(shown[1], shown[0]);
            EXPECT_EQ(lkz[1], lkz[0]);
            EXPECT_EQ(stored[1], stored[0]);
            if (c.id == IDC_MATCHES_FIELD && computing) {
                EXPECT_EQ(shown[1], L"13") << "never 25 matches";
            }
        }
}

// Leaving a field before its deferred commit fired completes that commit for that field.
TEST_F(NumericField, LeavingAFieldEarlyCompletesItsCommit)
{
    startComputing();
    HWND teams = field(IDC_TEAM_COUNT_FIELD);
    clickInto(teams);
    type(teams, L"1");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"1") << "waits for a second digit";
    SetFocus(field(IDC_MATCHES_FIELD)); // Tab
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"2");
    fireCommitTimer();
    EXPECT_EQ(text(dialog, IDC_MATCHES_FIELD), L"5") << "the timer has nothing left to do for another field";
    EXPECT_EQ(savedNow(), "Spieler1=030205060000000000");

    // A game count: "2" (which may become 20) into won, then a click into its partner; 5 matches
    // allow 10 games in a row.
    setText(page, IDC_LOST2_FIELD, L"9");
    HWND won = pageField(IDC_WON2_FIELD);
    clickInto(won);
    type(won, L"2");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"2");
    clickInto(pageField(IDC_LOST2_FIELD));
    EXPECT_EQ(_wtoi(text(page, IDC_WON2_FIELD).c_str()) + _wtoi(text(page, IDC_LOST2_FIELD).c_str()), 10)
        << "the pair limit, at once";

    click(dialog, IDC_MODE_BUTTON); // the player count shows in team mode
    HWND players = field(IDC_PLAYER_COUNT_FIELD);
    clickInto(players);
    type(players, L"1");
    SetFocus(field(IDC_MATCHES_FIELD));
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"4") << "a lone digit becomes the smallest team";
}

// After the count button gave the focus back, the next click into the field selects its text,
// as any first click does.
TEST_F(NumericField, AClickAfterTheCountButtonSelectsTheWholeText)
{
    open("[LKZ]\r\nShowEinzel=0\r\n");
    HWND players = field(IDC_PLAYER_COUNT_FIELD);
    clickInto(players);
    type(players, L"12");
    // A click on the button: it takes the focus, then its command hands it back.
    SetFocus(field(IDC_APPLY_COUNT_BUTTON));
    click(dialog, IDC_APPLY_COUNT_BUTTON);
    EXPECT_EQ(tabCount(), 12);
    EXPECT_EQ(GetFocus(), players);
    clickInto(players);
    type(players, L"8"); // replaces "12"; a caret in a full field would refuse it
    SetFocus(field(IDC_APPLY_COUNT_BUTTON));
    click(dialog, IDC_APPLY_COUNT_BUTTON);
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"8");
    EXPECT_EQ(tabCount(), 8);
}

TEST_F(NumericField, PairLimitWithAndWithoutAutomaticCalculation)
{
    startComputing(); // N = 5, so won + lost of a row stay within 10
    HWND won = pageField(IDC_WON2_FIELD), lost = pageField(IDC_LOST2_FIELD);
    setText(page, IDC_LOST2_FIELD, L"6");
    clickInto(won);
    type(won, L"7");
    EXPECT_EQ(text(page, IDC_LOST2_FIELD), L"3");
    SendMessageW(won, EM_SETSEL, 0, -1);
    setText(page, IDC_LOST2_FIELD, L"6");
    type(won, L"12");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"10");
    EXPECT_EQ(text(page, IDC_LOST2_FIELD), L"0");

    click(dialog, IDC_AUTO_CALC_CHECK);
    clickInto(lost);
    type(lost, L"7");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"10") << "without automatic calculation entries stay as typed";
    EXPECT_EQ(savedNow(), "Spieler1=031005060010070000");
}

TEST_F(NumericField, TheCommitTimerReallyWaits)
{
    startComputing();
    HWND teams = field(IDC_TEAM_COUNT_FIELD);
    clickInto(teams);
    type(teams, L"1");
    EXPECT_EQ(text(dialog, IDC_TEAM_COUNT_FIELD), L"1");
    // The system's timer, not one fired by the test, commits the lone digit.
    EXPECT_TRUE(waitUntil([&] { return text(dialog, IDC_TEAM_COUNT_FIELD) == L"2"; }, 5000));
    EXPECT_EQ(display(), L"0") << "two teams, 5 matches: the team check fails";
}

TEST_F(NumericField, ExitCarriesOutADeferredCommitAndThenTakesNoMore)
{
    startComputing();
    HWND teams = field(IDC_TEAM_COUNT_FIELD);
    clickInto(teams);
    type(teams, L"1");
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    // A timer already queued, and a key released while the window goes.
    fireTimer(dialog, IDT_COMMIT);
    press(teams, '7', L'7');
    EXPECT_NE(ini().find("Spieler1=030205060000000000"), std::string::npos) << ini();
}

TEST_F(NumericField, EveryControlExplainsItselfInATooltip)
{
    open();
    HWND tooltip = mainDialogTooltip(dialog);
    ASSERT_NE(tooltip, nullptr);
    const struct {
        HWND parent;
        int id;
        const wchar_t* text;
    } tools[] = {
        {dialog, IDC_TEAM_COUNT_SPIN, L"Anzahl der Mannschaften pro Staffel.\r\nKampflose Spiele hier abziehen."},
        {dialog, IDC_MATCHES_SPIN, L"Anzahl der tatsächlich durchgeführten Punktspiele."},
        {dialog, IDC_TEAM_COUNT_FIELD, L"Anzahl der Mannschaften pro Staffel.\r\nKampflose Spiele hier abziehen."},
        {dialog, IDC_MATCHES_FIELD, L"Anzahl der tatsächlich durchgeführten Punktspiele."},
        {page, IDC_CLEAR1_BUTTON, L"Spiele im 1. Paarkreuz löschen."},
        {page, IDC_CLEAR2_BUTTON, L"Spiele im 2. Paarkreuz löschen."},
        {page, IDC_CLEAR3_BUTTON, L"Spiele im 3. Paarkreuz löschen."},
        {dialog, IDC_ON_TOP_CHECK, L"Programm immer im Vordergrund."},
        {dialog, IDC_SAVE_DATA_CHECK, L"Namen der Spieler/Spielklasse/Anzahl Mannschaften/Anzahl Punktspiele/\n"
                                      L"Anzahl durchgeführter Einzel beim Beenden speichern."},
        {dialog, IDC_AUTO_CALC_CHECK, L"Berechnung der LKZ bei Dateneingabe."},
        {dialog, IDC_DECIMAL_CHECK, L"Ausgabe der LKZ als Dezimalzahl."},
        {dialog, IDC_APPLY_COUNT_BUTTON, L"Anzahl der Spieler in der Mannschaft verändern."},
        {dialog, IDC_MODE_BUTTON, L"Umschalten zwischen Einzel- und Mannschaftsansicht."},
        {dialog, IDC_FORMULA_BUTTON,
         L"Anzeige der LKZ-Formel mit eingegebenen Werten.\nDoppelklick schaltet zu Standardformel um."},
        {dialog, IDC_PLAYER_COUNT_FIELD, L"Anzahl der Spieler in der Mannschaft."},
        {dialog, IDC_PLAYER_COUNT_SPIN, L"Anzahl der Spieler in der Mannschaft."},
    };
    ASSERT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 16);
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETMAXTIPWIDTH, 0, 0), 550);
    for (int i = 0; i < 16; ++i) {
        TOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        ASSERT_TRUE(SendMessageW(tooltip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(reinterpret_cast<HWND>(tool.uId), GetDlgItem(tools[i].parent, tools[i].id)) << i;
        wchar_t shown[256] = L"";
        tool.lpszText = shown;
        SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(shown, tools[i].text) << i;
    }

    HWND tabTips = reinterpret_cast<HWND>(SendMessageW(tabs, TCM_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tabTips, nullptr) << "the tab strip shows its tips through a tooltip of its own";
    EXPECT_NE(tabTips, tooltip);
    EXPECT_EQ(SendMessageW(tabTips, TTM_GETMAXTIPWIDTH, 0, 0), 550);
}

TEST_F(NumericField, AClickKeepsTheTipAwayUntilThePointerMovesOn)
{
    open();
    const auto centre = [](HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    };
    // The pointer is where it was put, and the moves the system makes of that have all arrived.
    // Wine answers at once but the X pointer follows later, and a move it reports before then
    // carries the old place: the pointer held to the point keeps every move there.
    struct ClipRelease {
        ~ClipRelease() { ClipCursor(nullptr); }
    } clipRelease;
    const auto pointerAt = [](POINT at) {
        const RECT point = {at.x, at.y, at.x + 1, at.y + 1};
        ClipCursor(&point);
        SetCursorPos(at.x, at.y);
        return waitUntil([at] {
            flushEvents(0);
            POINT now;
            GetCursorPos(&now);
            return now.x == at.x && now.y == at.y && HIWORD(GetQueueStatus(QS_MOUSEMOVE)) == 0;
        }, 2000);
    };
    HWND button = GetDlgItem(dialog, IDC_CALCULATE_BUTTON);
    HWND other = GetDlgItem(dialog, IDC_EXIT_BUTTON);
    POINT at = centre(button);
    ASSERT_TRUE(pointerAt(at));
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    flushEvents(0);
    ReleaseCapture();
    EXPECT_TRUE(Tooltip::clickSuppressed(dialog));
    PostMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    flushEvents(0);
    EXPECT_TRUE(Tooltip::clickSuppressed(dialog)) << "still over the clicked control";
    at = centre(other);
    ASSERT_TRUE(pointerAt(at));
    PostMessageW(other, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    flushEvents(0);
    EXPECT_FALSE(Tooltip::clickSuppressed(dialog)) << "another window brings the tips back";
}

} // namespace
