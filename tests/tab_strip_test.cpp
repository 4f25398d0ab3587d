// The tab strip as the mouse and keyboard reach it: renaming, deleting, the context menu, the
// tab tips, and the two orders of the team.
#include "main_dialog_fixture.h"

#include "base/window_rect_win.h"
#include "team/team.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Six players in Oberliga, 10 teams, 5 matches, with 2:4, 6:0, 4:2, 0:6, 6:0 and 1:5 games in the
// first Paarkreuz: LKZ 181, 208, 195, 168, 208, 175.
const char* const teamOfSix =
    "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nAnzahlspieler=6\r\nAktSpieler=3\r\n"
    "Spieler1=031005020400000000\r\nSpieler2=031005060000000000\r\nSpieler3=031005040200000000\r\n"
    "Spieler4=031005000600000000\r\nSpieler5=031005060000000000\r\nSpieler6=031005010500000000\r\n"
    "SpielerName1=J\xFCrgen M\xFCller\r\nSpielerName3=Eva\r\n";

class TabStrip : public MainDialogTest {
protected:
    HWND renameField() const { return GetDlgItem(dialog, IDC_RENAME_FIELD); }

    // A key as the dialog's message loop hands it on: through the dialog manager.
    void dialogKey(HWND target, unsigned key, wchar_t character = 0)
    {
        MSG msg = {target, WM_KEYDOWN, key, 1, GetTickCount(), {}};
        if (!IsDialogMessageW(dialog, &msg))
            DispatchMessageW(&msg);
        if (character) {
            msg.message = WM_CHAR;
            msg.wParam = character;
            if (!IsDialogMessageW(dialog, &msg))
                DispatchMessageW(&msg);
        }
        flushEvents(0);
    }
    std::wstring renameText() const { return text(dialog, IDC_RENAME_FIELD); }
    bool renaming() const { return IsWindowVisible(renameField()) != FALSE; }
};

TEST_F(TabStrip, RenamingKeepsWithEnterAndRestoresWithEscape)
{
    BoxWatcher boxes;
    open(teamOfSix);
    doubleClickTab(1);
    ASSERT_TRUE(renaming());
    EXPECT_EQ(GetFocus(), renameField());
    EXPECT_EQ(renameText(), L"Nr. 2");
    DWORD selection = static_cast<DWORD>(SendMessageW(renameField(), EM_GETSEL, 0, 0));
    EXPECT_EQ(selection, MAKELONG(0, 5)) << "all of the name is selected";

    // The field lies over the selected tab, inside the strip.
    RECT field, tab;
    GetWindowRect(renameField(), &field);
    TabCtrl_GetItemRect(tabs, 1, &tab);
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
    EXPECT_GT(field.left, tab.left);
    EXPECT_LT(field.right, tab.right);
    EXPECT_GE(field.top, tab.top - 2);
    EXPECT_LE(field.bottom, tab.bottom + 2);

    type(renameField(), L"Björn Größe");
    dialogKey(renameField(), VK_RETURN, L'\r');
    EXPECT_FALSE(renaming());
    EXPECT_EQ(tabLabel(1), L"Björn Größe");
    EXPECT_EQ(GetFocus(), tabs) << "the focus goes back where it was";
    // The dialog, active again, may restore the focus it saved to the hidden field.
    SetFocus(renameField());
    EXPECT_EQ(GetFocus(), tabs);
    EXPECT_TRUE(boxes.boxes.empty()) << "Enter must not reach the default button";

    doubleClickTab(1);
    type(renameField(), L"Niemand");
    dialogKey(renameField(), VK_ESCAPE, 0x1B);
    EXPECT_FALSE(renaming());
    EXPECT_EQ(tabLabel(1), L"Björn Größe");
    EXPECT_TRUE(IsWindow(dialog)) << "Escape does not close the dialog";

    // An empty name gives the default one back.
    doubleClickTab(1);
    backspace(renameField());
    dialogKey(renameField(), VK_RETURN, L'\r');
    EXPECT_EQ(tabLabel(1), L"Nr. 2");

    close();
    EXPECT_NE(ini().find("SpielerName2=Nr. 2"), std::string::npos);
}

TEST_F(TabStrip, ClickingElsewhereKeepsTheTypedName)
{
    open(teamOfSix);
    doubleClickTab(0);
    type(renameField(), L"Anna");
    clickTab(4); // the click ends the rename before the tab changes
    EXPECT_FALSE(renaming());
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Anna", L"Nr. 2", L"Eva", L"Nr. 4", L"Nr. 5", L"Nr. 6"}));
    EXPECT_EQ(currentTab(), 4);

    // A click into a number field keeps the focus there.
    doubleClickTab(4);
    type(renameField(), L"Bernd");
    clickInto(GetDlgItem(dialog, IDC_MATCHES_FIELD));
    EXPECT_EQ(tabLabel(4), L"Bernd");
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDC_MATCHES_FIELD));

    // So does a click on the dialog's background.
    doubleClickTab(4);
    type(renameField(), L"Carla");
    SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    flushEvents(0);
    EXPECT_FALSE(renaming());
    EXPECT_EQ(tabLabel(4), L"Carla");
}

TEST_F(TabStrip, NamesStopAtSixtyCharactersTypedOrPasted)
{
    const std::string long63(63, 'L');
    open(std::string(teamOfSix) + "SpielerName4=" + long63 + "\r\n");
    const std::wstring sixty(60, L'x');

    doubleClickTab(1);
    type(renameField(), (sixty + L"yz").c_str());
    EXPECT_EQ(renameText(), sixty) << "the 61st character is not taken";
    dialogKey(renameField(), VK_RETURN, L'\r');
    EXPECT_EQ(tabLabel(1), sixty);

    doubleClickTab(2);
    const std::wstring pasted = L"Eingefügt " + std::wstring(70, L'p');
    ASSERT_TRUE(OpenClipboard(dialog));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (pasted.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), pasted.c_str(), (pasted.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    SendMessageW(renameField(), WM_PASTE, 0, 0);
    EXPECT_EQ(renameText(), pasted.substr(0, 60)) << "a pasted name is cut like a typed one";
    dialogKey(renameField(), VK_RETURN, L'\r');
    EXPECT_EQ(tabLabel(2), pasted.substr(0, 60));

    // A longer name from the INI file is offered whole and kept whole.
    doubleClickTab(3);
    EXPECT_EQ(renameText(), std::wstring(63, L'L'));
    type(renameField(), L"");
    press(renameField(), VK_END);
    type(renameField(), L"Q");
    EXPECT_EQ(renameText(), std::wstring(63, L'L')) << "nothing more can be typed";
    dialogKey(renameField(), VK_RETURN, L'\r');
    close();
    EXPECT_NE(ini().find("SpielerName4=" + long63 + "\r\n"), std::string::npos) << ini();
}

TEST_F(TabStrip, DeletingTheCurrentLastTabMakesTheFirstCurrent)
{
    open(teamOfSix);
    clickTab(5);
    rightClickTab(5);
    menuCommand(IDM_DELETE_PLAYER);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Jürgen Müller", L"Nr. 2", L"Eva", L"Nr. 4", L"Nr. 5"}));
    EXPECT_EQ(currentTab(), 0);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"2") << "the first player is shown";
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"5");

    // Deleting the second renumbers the rest; the old number 3 keeps its name and values.
    clickTab(1);
    menuCommand(IDM_DELETE_PLAYER);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Jürgen Müller", L"Eva", L"Nr. 3", L"Nr. 4"}));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 1);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"4") << "Eva, now number 2, is shown";

    menuCommand(IDM_DELETE_PLAYER);
    EXPECT_EQ(tabCount(), 4) << "a team keeps four players";

    close();
    const std::string saved = ini();
    EXPECT_NE(saved.find("Anzahlspieler=4"), std::string::npos);
    EXPECT_NE(saved.find("SpielerName2=Eva"), std::string::npos);
    EXPECT_NE(saved.find("Spieler2=031005040200000000"), std::string::npos) << saved;
}

TEST_F(TabStrip, TheMenuFollowsTheModeAndItsOptions)
{
    open(teamOfSix);
    {
        const SeenMenu menu = rightClickTab(2);
        ASSERT_TRUE(menu.seen);
        EXPECT_EQ(menu.topTexts(), (std::vector<std::wstring>{L"Rückgängig\tStrg+Z", L"Wiederholen\tStrg+Y", L"-",
                                                              L"Umbenennen", L"Spieler löschen",
                                                              L"In der Aufstellung nach vorn",
                                                              L"In der Aufstellung nach hinten", L"Sperrvermerk",
                                                              L"Sortiert nach",
                                                              L"Mannschaftsübersicht...", L"Prognose...",
                                                              L"Verlauf...", L"-", L"Optionen", L"-",
                                                              L"Abbrechen"}));
        EXPECT_TRUE(menu.checked(IDM_SORT_BY_LINEUP));
        EXPECT_FALSE(menu.checked(IDM_SORT_BY_LKZ));
        EXPECT_FALSE(menu.checked(IDM_TAB_TOOLTIP));
        EXPECT_FALSE(menu.checked(IDM_SAVE_SORT_ORDER));
    }
    menuCommand(IDM_TAB_TOOLTIP);
    menuCommand(IDM_SAVE_SORT_ORDER);
    menuCommand(IDM_SORT_BY_LKZ);
    {
        const SeenMenu menu = rightClickTab(2);
        EXPECT_TRUE(menu.checked(IDM_SORT_BY_LKZ));
        EXPECT_FALSE(menu.checked(IDM_SORT_BY_LINEUP));
        EXPECT_TRUE(menu.checked(IDM_TAB_TOOLTIP));
        EXPECT_TRUE(menu.checked(IDM_SAVE_SORT_ORDER));
    }

    click(dialog, IDC_MODE_BUTTON);
    {
        const SeenMenu menu = rightClickTab(0);
        EXPECT_EQ(menu.topTexts(), (std::vector<std::wstring>{L"Rückgängig\tStrg+Z", L"Wiederholen\tStrg+Y", L"-",
                                                              L"Umbenennen", L"Prognose...", L"Verlauf...", L"-",
                                                              L"Abbrechen"}));
    }
    // A single player is renamed like a team player.
    menuCommand(IDM_RENAME);
    ASSERT_TRUE(renaming());
    EXPECT_EQ(renameText(), L"Einzelspieler");
    type(renameField(), L"Ich");
    dialogKey(renameField(), VK_RETURN, L'\r');
    EXPECT_EQ(tabLabel(0), L"Ich");
}

TEST_F(TabStrip, ARightClickOnAnotherTabStoresAndSwitchesFirst)
{
    open(teamOfSix);
    ASSERT_EQ(TabCtrl_GetCurSel(tabs), 2);
    setText(page, IDC_LOST2_FIELD, L"3"); // typed, not yet stored
    EXPECT_TRUE(rightClickTab(4).seen);
    EXPECT_EQ(currentTab(), 4);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"6");
    EXPECT_EQ(text(page, IDC_LOST2_FIELD), L"0");
    EXPECT_EQ(display(), L"208");
    clickTab(2);
    EXPECT_EQ(text(page, IDC_LOST2_FIELD), L"3") << "Eva's values were stored";
}

TEST_F(TabStrip, SortingKeepsTheCurrentPlayer)
{
    open(teamOfSix); // Eva, number 3, is current
    menuCommand(IDM_SORT_BY_LKZ);
    // Numbers 2 and 5 won equally often: the selection puts 5 first.
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Nr. 5", L"Nr. 2", L"Eva", L"Jürgen Müller", L"Nr. 6", L"Nr. 4"}));
    EXPECT_EQ(currentTab(), 2);

    clickTab(3); // Jürgen Müller, number 1
    menuCommand(IDM_SORT_BY_LINEUP);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Jürgen Müller", L"Nr. 2", L"Eva", L"Nr. 4", L"Nr. 5", L"Nr. 6"}));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"2");
}

// Counts the messages a window receives that would rebuild or set again what the user sees.
class RebuildWatch {
public:
    explicit RebuildWatch(std::vector<HWND> windows) : windows_(std::move(windows))
    {
        for (HWND window : windows_)
            SetWindowSubclass(window, count, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~RebuildWatch()
    {
        for (HWND window : windows_)
            RemoveWindowSubclass(window, count, 1);
    }
    int tabsInsertedOrDeleted = 0;
    int textsSet = 0;
    int tabsRelabelled = 0;

private:
    static LRESULT CALLBACK count(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
    {
        auto* watch = reinterpret_cast<RebuildWatch*>(data);
        if (message == TCM_INSERTITEMW || message == TCM_DELETEITEM || message == TCM_DELETEALLITEMS)
            ++watch->tabsInsertedOrDeleted;
        else if (message == TCM_SETITEMW)
            ++watch->tabsRelabelled;
        else if (message == WM_SETTEXT || message == CB_SETCURSEL)
            ++watch->textsSet;
        return DefSubclassProc(window, message, wParam, lParam);
    }
    std::vector<HWND> windows_;
};

// A change of order relabels the tabs in place: none is removed or inserted, only the labels
// that change are set, and the page and the display, which show the same player, are not set.
TEST_F(TabStrip, ReSortingRelabelsTheTabsInPlace)
{
    open(teamOfSix); // Eva, number 3, is current
    std::vector<HWND> watched = {tabs, GetDlgItem(dialog, IDC_LKZ_DISPLAY), GetDlgItem(dialog, IDC_LEAGUE_BOX),
                                 GetDlgItem(dialog, IDC_TEAM_COUNT_FIELD), GetDlgItem(dialog, IDC_MATCHES_FIELD),
                                 GetDlgItem(dialog, IDC_MODE_BUTTON)};
    for (int id : {IDC_WON1_FIELD, IDC_LOST1_FIELD, IDC_WON2_FIELD, IDC_LOST2_FIELD, IDC_WON3_FIELD, IDC_LOST3_FIELD})
        watched.push_back(GetDlgItem(page, id));
    const std::wstring display = text(dialog, IDC_LKZ_DISPLAY);
    {
        RebuildWatch watch(watched);
        menuCommand(IDM_SORT_BY_LKZ);
        EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Nr. 5", L"Nr. 2", L"Eva", L"Jürgen Müller", L"Nr. 6", L"Nr. 4"}));
        EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2) << "Eva keeps the page";
        EXPECT_EQ(watch.tabsInsertedOrDeleted, 0);
        EXPECT_EQ(watch.tabsRelabelled, 4) << "Nr. 2 and Eva keep their places and labels";
        EXPECT_EQ(watch.textsSet, 0);
        EXPECT_EQ(text(dialog, IDC_LKZ_DISPLAY), display);
        EXPECT_EQ(SendMessageW(TabCtrl_GetToolTips(tabs), TTM_GETTOOLCOUNT, 0, 0), 6);

        menuCommand(IDM_SORT_BY_LKZ);
        EXPECT_EQ(watch.tabsRelabelled, 4) << "the same order again sets nothing";
    }

    // A player with other values becomes current on a new place: the page shows him.
    clickTab(3);
    RebuildWatch watch(watched);
    menuCommand(IDM_SORT_BY_LINEUP);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Jürgen Müller", L"Nr. 2", L"Eva", L"Nr. 4", L"Nr. 5", L"Nr. 6"}));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 0);
    EXPECT_EQ(watch.tabsInsertedOrDeleted, 0);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"2");
    EXPECT_EQ(text(page, IDC_LOST1_FIELD), L"4");
}

TEST_F(TabStrip, TheLkzOrderFollowsChangedValues)
{
    open(teamOfSix);
    menuCommand(IDM_SORT_BY_LKZ);
    clickTab(5); // number 4, 0:6
    for (int i = 0; i < 6; ++i)
        clickSpin(page, IDC_WON1_SPIN, true);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"6");
    EXPECT_EQ(text(page, IDC_LOST1_FIELD), L"4");
    // 6:4 gives 192, between Eva's 195 and 181.
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Nr. 5", L"Nr. 2", L"Eva", L"Nr. 4", L"Jürgen Müller", L"Nr. 6"}));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 3) << "the player goes with its tab";

    click(page, IDC_CLEAR1_BUTTON); // no games: the league's 180
    EXPECT_EQ(tabLabel(4), L"Nr. 4");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 4);

    // Without automatic calculation too.
    click(dialog, IDC_AUTO_CALC_CHECK);
    setText(page, IDC_WON1_FIELD, L"9");
    clickSpin(page, IDC_LOST1_SPIN, true); // 9:1 gives 204
    EXPECT_EQ(tabLabel(2), L"Nr. 4");
    click(page, IDC_CLEAR1_BUTTON);
    EXPECT_EQ(tabLabel(4), L"Nr. 4");
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 4);

    // A new team size keeps the order: the new players have 180 too, like number 4.
    setText(dialog, IDC_PLAYER_COUNT_FIELD, L"8");
    click(dialog, IDC_APPLY_COUNT_BUTTON);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Nr. 5", L"Nr. 2", L"Eva", L"Jürgen Müller", L"Nr. 4", L"Nr. 8",
                                                  L"Nr. 7", L"Nr. 6"}));
}

TEST_F(TabStrip, ASavedLkzOrderComesBackAtStart)
{
    open(std::string(teamOfSix) + "SaveSortOrder=1\r\nSortOrder=1\r\n");
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Nr. 5", L"Nr. 2", L"Eva", L"Jürgen Müller", L"Nr. 6", L"Nr. 4"}));
    EXPECT_EQ(TabCtrl_GetCurSel(tabs), 2);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"4");
    close();
    const std::string saved = ini();
    EXPECT_NE(saved.find("SortOrder=1"), std::string::npos);
    EXPECT_NE(saved.find("SpielerName3=Eva"), std::string::npos) << "saved under the line-up number";

    // Started as a single player, team mode still shows the order it saved.
    std::string single = std::string(teamOfSix) + "SaveSortOrder=1\r\nSortOrder=1\r\n";
    single.replace(single.find("ShowEinzel=0"), 12, "ShowEinzel=1");
    open(single);
    click(dialog, IDC_MODE_BUTTON);
    EXPECT_EQ(tabLabel(0), L"Nr. 5");
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"4") << "Eva is still current";
}

TEST_F(TabStrip, TabTipsNameThePlayerAndTheOrder)
{
    // A tolerance that lets every line-up pass: the tips name no deviation here.
    open(std::string(teamOfSix) + "ToleranzMannschaft=99.9\r\n");
    HWND tips = TabCtrl_GetToolTips(tabs);
    ASSERT_NE(tips, nullptr);
    EXPECT_EQ(SendMessageW(tips, TTM_GETTOOLCOUNT, 0, 0), 6) << "one tip per tab";

    // The tip the tooltip asks for when the pointer rests on a tab.
    const auto tipOf = [this, tips](int index) {
        NMTTDISPINFOW request = {};
        request.hdr.hwndFrom = tips;
        request.hdr.idFrom = index;
        request.hdr.code = TTN_GETDISPINFOW;
        SendMessageW(tabs, WM_NOTIFY, index, reinterpret_cast<LPARAM>(&request));
        return std::wstring(request.lpszText ? request.lpszText : L"");
    };
    EXPECT_EQ(tipOf(0), L"") << "off until switched on";
    menuCommand(IDM_TAB_TOOLTIP);
    EXPECT_EQ(tipOf(0), L"Nr. 1: Jürgen Müller\nSortiert nach Aufstellung");
    menuCommand(IDM_SORT_BY_LKZ);
    EXPECT_EQ(tipOf(0), L"Nr. 5: Nr. 5\nSortiert nach LKZ");

    // As the user sees it: the pointer rests on the tab and the tip shows.
    RECT tab;
    TabCtrl_GetItemRect(tabs, 2, &tab);
    POINT at = {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
    ClientToScreen(tabs, &at);
    SetCursorPos(at.x, at.y);
    SendMessageW(tabs, WM_MOUSEMOVE, 0, tabPoint(2));
    const auto shown = [&] {
        wchar_t text[256] = L"";
        GetWindowTextW(tips, text, 256);
        return std::wstring(text);
    };
    const std::wstring eva = L"Nr. 3: Eva\nSortiert nach LKZ";
    waitUntil([&] { return IsWindowVisible(tips) && shown() == eva; });
    EXPECT_EQ(shown(), eva);
    EXPECT_TRUE(IsWindowVisible(tips));

    doubleClickTab(3);
    const std::wstring longName(60, L'W');
    type(renameField(), longName.c_str());
    dialogKey(renameField(), VK_RETURN, L'\r');
    EXPECT_EQ(tipOf(3), L"Nr. 1: " + longName + L"\nSortiert nach LKZ") << "the whole text";
}

TEST_F(TabStrip, NamesComeBackUnchangedRunAfterRun)
{
    // 63 characters in Windows-1252, 32 of them umlauts, as an older version wrote them.
    std::string file = "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAnzahlspieler=5\r\nSpielerName1=";
    std::wstring longName;
    for (int i = 0; i < 31; ++i) {
        file += "M\xFC";
        longName += L"Mü";
    }
    file += "\xDF\r\n";
    longName += L"ß";
    const std::vector<std::wstring> names = {longName, L"Weiß’", L"Groß–Gerau", L"  Mitte  ", L"\"Im Zitat\""};

    open(file);
    for (int i = 1; i < 5; ++i) {
        doubleClickTab(i);
        type(renameField(), names[i].c_str());
        dialogKey(renameField(), VK_RETURN, L'\r');
    }
    std::string saved;
    for (int run = 1; run <= 3; ++run) {
        EXPECT_EQ(tabLabels(), names) << "run " << run;
        close();
        const std::string written = ini();
        if (run == 3) {
            EXPECT_EQ(written, saved) << "the second save and the third are the same bytes";
        }
        saved = written;
        removeTempFolder(folder);
        if (run < 3)
            open(saved);
    }
    EXPECT_NE(saved.find("SpielerName1=" + file.substr(file.find("M\xFC"), 63) + "\r\n"), std::string::npos)
        << "still in Windows-1252";
    EXPECT_NE(saved.find("SpielerName4=\"  Mitte  \"\r\n"), std::string::npos);
    folder.clear();
}

} // namespace

namespace {

// A player moves in the line-up by the tab menu or by dragging his tab: values and custom names go
// with him, default names follow the numbers, the tabs in LKZ order stay put, and the next start
// finds the same line-up.
TEST_F(TabStrip, PlayersMoveInTheLineupByMenuAndByDragging)
{
    open(teamOfSix); // Eva, number 3, is current
    EXPECT_FALSE(rightClickTab(2).grayed(IDM_MOVE_FORWARD));
    menuCommand(IDM_MOVE_FORWARD);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Jürgen Müller", L"Eva", L"Nr. 3", L"Nr. 4", L"Nr. 5", L"Nr. 6"}));
    EXPECT_EQ(currentTab(), 1);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"4") << "Eva keeps her values and the page";
    EXPECT_TRUE(rightClickTab(0).grayed(IDM_MOVE_FORWARD)) << "no place before the first";
    clickTab(4);
    menuCommand(IDM_MOVE_BACK); // number 5, 6:0, becomes the last; number 6, 1:5, number 5
    EXPECT_EQ(currentTab(), 5);
    {
        // The menu of the keyboard's menu key: the last tab may lie behind the strip's arrows.
        MenuWatcher watcher;
        SendMessageW(tabs, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabs), MAKELPARAM(-1, -1));
        waitUntil([&] { return watcher.menu.seen; }, 5000);
        EXPECT_TRUE(watcher.menu.grayed(IDM_MOVE_BACK)) << "none after the last";
    }

    // The strip's arrows scroll it back to its first tab, and number 3 (6:0) goes to the front.
    SendMessageW(tabs, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    flushEvents(0);
    dragTab(2, 0);
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Nr. 1", L"Jürgen Müller", L"Eva", L"Nr. 4", L"Nr. 5", L"Nr. 6"}));
    EXPECT_EQ(currentTab(), 0);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"6");

    // In LKZ order the tabs keep their places; the line-up changes all the same.
    menuCommand(IDM_SORT_BY_LKZ);
    const std::vector<std::wstring> byLkz = tabLabels();
    const int eva = static_cast<int>(std::find(byLkz.begin(), byLkz.end(), L"Eva") - byLkz.begin());
    clickTab(eva);
    menuCommand(IDM_MOVE_FORWARD);
    EXPECT_EQ(tabLabels(), byLkz);
    EXPECT_EQ(currentTab(), eva);
    menuCommand(IDM_SORT_BY_LINEUP);
    const std::vector<std::wstring> lineup = {L"Nr. 1", L"Eva", L"Jürgen Müller", L"Nr. 4", L"Nr. 5", L"Nr. 6"};
    EXPECT_EQ(tabLabels(), lineup);

    reopen();
    EXPECT_EQ(tabLabels(), lineup);
    clickTab(1);
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"4");
    close();
    EXPECT_NE(ini().find("SpielerName2=Eva"), std::string::npos);
    EXPECT_NE(ini().find("Spieler1=031005060000000000"), std::string::npos) << ini();
}

} // namespace

namespace {

// A squad of n players named "P1" … "Pn".
std::string namedSquad(int n)
{
    std::string names;
    for (int k = 1; k <= n; ++k)
        names += "SpielerName" + std::to_string(k) + "=P" + std::to_string(k) + " Mustermann\r\n";
    return savedTeam(std::vector<std::string>(n, "031005020400000000"), "", names);
}

} // namespace

TEST_F(TabStrip, AClickOnAHalfHiddenTabMovesNobodyAndADragShowsWhereTheDropGoes)
{
    for (int size : {10, 20}) {
        open(namedSquad(size));
        HWND arrows = GetWindow(tabs, GW_CHILD);
        ASSERT_TRUE(arrows && IsWindowVisible(arrows)) << size << " tabs do not fit";
        const LONG edge = childRect(tabs, arrows).left;
        int cut = -1;
        RECT tab = {};
        for (int i = 0; i < tabCount() && cut < 0; ++i)
            if (TabCtrl_GetItemRect(tabs, i, &tab) && tab.left < edge && tab.right > edge)
                cut = i;
        ASSERT_GE(cut, 0);
        // Pressed and released on its visible part; the press scrolls the strip under the pointer.
        const LPARAM point = MAKELPARAM((tab.left + edge) / 2, (tab.top + tab.bottom) / 2);
        const std::vector<std::wstring> before = tabLabels();
        SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(tabs, WM_LBUTTONUP, 0, point);
        flushEvents(0);
        EXPECT_EQ(tabLabels(), before) << size;
        EXPECT_EQ(tabLabel(currentTab()), L"P" + std::to_wstring(cut + 1) + L" Mustermann") << size;
        close();
        EXPECT_NE(ini().find("SpielerName" + std::to_string(cut + 1) + "=P" + std::to_string(cut + 1) + " Mustermann"),
                  std::string::npos);
    }

    // While dragging, a bar at the target's edge shows the drop; Escape cancels the drag.
    open(namedSquad(6));
    clickTab(3);
    RECT target;
    TabCtrl_GetItemRect(tabs, 1, &target);
    const auto edgeColour = [&] {
        UpdateWindow(tabs);
        ScopedGetDC dc(tabs);
        // Just before the tab, where only the bar draws (the tab under the pointer lights its own edge).
        return GetPixel(dc, target.left - 1, (target.top + target.bottom) / 2);
    };
    const COLORREF plain = edgeColour();
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, tabPoint(3));
    SendMessageW(tabs, WM_MOUSEMOVE, MK_LBUTTON, tabPoint(1));
    EXPECT_EQ(edgeColour(), GetSysColor(COLOR_HIGHLIGHT)) << "left edge when moving forward, was " << plain;
    SendMessageW(tabs, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageW(tabs, WM_LBUTTONUP, 0, tabPoint(1));
    flushEvents(0);
    EXPECT_EQ(edgeColour(), plain);
    EXPECT_EQ(tabLabel(3), L"P4 Mustermann") << "Escape moved nobody";
}
