// The team overview window: opened from both menus, ordered by a header click, copied, saved.
#include "main_dialog_fixture.h"

#include "base/atomic_file_win.h"
#include "base/text_win.h"
#include "team/overview.h"

#include <string>
#include <vector>

namespace {

// Four players in Oberliga, 10 teams, 5 matches; the tabs show them by LKZ (line-ups 2, 3, 1, 4).
const char* const team =
    "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nAnzahlspieler=4\r\nAktSpieler=3\r\n"
    "SaveSortOrder=1\r\nSortOrder=1\r\n"
    "Spieler1=031005020400000000\r\nSpieler2=031005060000000000\r\nSpieler3=031005040200000000\r\n"
    "Spieler4=031005001100000000\r\nSpielerName1=J\xFCrgen Wei\xDF\r\nSpielerName3=A;B\r\n";

class OverviewWindow : public MainDialogTest {
protected:
    // "Speichern..." in the overview, and the name typed into the system's save dialog; the
    // dialog's title, or empty when it did not show.
    static std::wstring saveAs(HWND overview, const std::wstring& target)
    {
        std::wstring title;
        // cmb13 (0x47C) holds the file name in the system's save dialog.
        ModalAction save(0x47C, [&](HWND fileDialog) {
            title = windowText(fileDialog);
            HWND name = GetDlgItem(fileDialog, 0x47C);
            if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr))
                name = edit;
            SetWindowTextW(name, target.c_str());
            SendMessageW(fileDialog, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(GetDlgItem(overview, IDC_OVERVIEW_SAVE), BM_CLICK, 0, 0);
        return title;
    }

    static std::vector<std::wstring> columnOf(HWND list, int column)
    {
        std::vector<std::wstring> cells;
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            wchar_t text[128] = L"";
            ListView_GetItemText(list, i, column, text, 128);
            cells.push_back(text);
        }
        return cells;
    }
    // A click on a column's header, as the mouse gives it.
    static void clickHeader(HWND list, int column)
    {
        HWND header = ListView_GetHeader(list);
        RECT rect;
        Header_GetItemRect(header, column, &rect);
        const LPARAM point = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageW(header, WM_LBUTTONUP, 0, point);
    }
};

TEST_F(OverviewWindow, ListsTheTeamInTabOrderAndSortsByAHeaderClick)
{
    open(team);
    const std::wstring displayBefore = display();
    std::vector<std::wstring> lineups, names, lkz, byLkz, summary;
    SIZE size = {};
    ModalAction look(IDC_OVERVIEW_LIST, [&](HWND window) {
        HWND list = GetDlgItem(window, IDC_OVERVIEW_LIST);
        lineups = columnOf(list, 0);
        names = columnOf(list, 1);
        lkz = columnOf(list, 7);
        summary.push_back(text(window, IDC_OVERVIEW_SUMMARY));
        clickHeader(list, 7);
        clickHeader(list, 7); // again: the other way round
        byLkz = columnOf(list, 0);
        RECT rect;
        GetClientRect(list, &rect);
        size = {rect.right, rect.bottom};
        EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL) << "every column fits";
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    ASSERT_TRUE(look.ran);
    EXPECT_EQ(lineups, (std::vector<std::wstring>{L"2", L"3", L"1", L"4"}));
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Nr. 2", L"A;B", L"Jürgen Weiß", L"Nr. 4"}));
    EXPECT_EQ(lkz, (std::vector<std::wstring>{L"208", L"195", L"181", L"–"}));
    EXPECT_EQ(summary[0], L"Spielklasse: Oberliga   Mannschaften: 10   LKZ im Schnitt: 195");
    EXPECT_EQ(byLkz, (std::vector<std::wstring>{L"4", L"1", L"3", L"2"})) << "the second click: lowest first, the dash before all";

    // Nothing in the team changed.
    EXPECT_EQ(tabLabel(0), L"Nr. 2");
    EXPECT_EQ(display(), displayBefore);
}

TEST_F(OverviewWindow, CopiesAndSavesTheTable)
{
    open(team);
    const std::wstring savedTo = folder + L"Mannschaft.csv";
    ModalAction act(IDC_OVERVIEW_LIST, [&](HWND window) {
        SendMessageW(GetDlgItem(window, IDC_OVERVIEW_COPY), BM_CLICK, 0, 0);
        saveAs(window, savedTo);
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    ASSERT_TRUE(act.ran);
    const std::wstring copied = clipboardText();
    EXPECT_EQ(copied.substr(0, copied.find(L"\r\n")), L"Nr.\tName\tSpiele\t1. PK\t2. PK\t3. PK\tEinzel\tLKZ\tNächstes Spiel\tMannschaft\tReihenfolge\tRang\tSperrvermerk");
    EXPECT_NE(copied.find(L"\r\n1\tJürgen Weiß\t5\t2:4\t0:0\t0:0\t2:4\t181\t+9 / +2 / -4\t1\tgehört hinter Nr. 2 (-26,889); 1 weitere Abweichung\t1.1\t\r\n"), std::wstring::npos)
        << copied;

    const std::string csv = readFileBytes(savedTo);
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(csv.find("\r\n3;\"A;B\";5;4:2;0:0;0:0;4:2;195;+7 / +1 / -5;1;geh\xC3\xB6rt vor J\xC3\xBCrgen Wei\xC3\x9F (+13,445);1.3;\r\n"),
              std::string::npos) << csv;
    EXPECT_TRUE(readFileBytes(savedTo + L".tmp~").empty());
}

// The system's own save dialog, on its first use in a fresh process: its library is loaded
// then, the name typed into it is where the table goes.
TEST_F(OverviewWindow, TheSaveDialogLoadsOnFirstUseAndSavesWhereTheUserSays)
{
    open(team);
    const std::wstring target = folder + L"Aufstellung.csv";
    std::wstring title;
    ModalAction act(IDC_OVERVIEW_LIST, [&](HWND window) {
        title = saveAs(window, target);
        EXPECT_FALSE(title.empty()) << "the save dialog showed";
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    ASSERT_TRUE(act.ran);
    EXPECT_NE(GetModuleHandleW(L"comdlg32.dll"), nullptr);
    const std::string csv = readFileBytes(target);
    EXPECT_NE(csv.find("\r\n3;\"A;B\";5;4:2;0:0;0:0;4:2;195;+7 / +1 / -5;1;geh\xC3\xB6rt vor J\xC3\xBCrgen Wei\xC3\x9F (+13,445);1.3;\r\n"),
              std::string::npos) << csv;
    DeleteFileW(target.c_str());
}

TEST_F(OverviewWindow, AFailedWriteSaysSoAndLeavesNothing)
{
    open(team);
    // A file another program holds open, sharing nothing: the user agrees to replace it.
    const std::wstring locked = folder + L"Mannschaft.csv";
    writeFileBytes(locked, "alt");
    {
        AutoCloseHandle other(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        BoxWatcher boxes({IDYES});
        ModalAction act(IDC_OVERVIEW_LIST, [&](HWND window) {
            saveAs(window, locked);
            SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        });
        menuCommand(IDM_TEAM_OVERVIEW);
        ASSERT_FALSE(boxes.boxes.empty());
        EXPECT_EQ(boxes.boxes.back().title, L"Speichern");
        EXPECT_EQ(boxes.boxes.back().text, L"Die Datei konnte nicht gespeichert werden.");
    }
    EXPECT_EQ(readFileBytes(locked), "alt");
    DeleteFileW(locked.c_str());

    // Over an existing file: replaced only by a whole new one, and nothing else is left.
    const std::wstring sub = folder + L"csv\\";
    CreateDirectoryW(sub.c_str(), nullptr);
    const std::wstring existing = sub + L"alt.csv";
    writeFileBytes(existing, "alt");
    {
        // Open in another program that shares nothing: it cannot be replaced.
        AutoCloseHandle other(CreateFileW(existing.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(writeFileWhole(existing, "neu"));
    }
    EXPECT_EQ(readFileBytes(existing), "alt");
    EXPECT_TRUE(writeFileWhole(existing, "neu"));
    EXPECT_EQ(readFileBytes(existing), "neu");
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((sub + L"*.tmp").c_str(), &found);
    EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "nothing is left";
    if (search != INVALID_HANDLE_VALUE)
        FindClose(search);
    DeleteFileW(existing.c_str());
    RemoveDirectoryW(sub.c_str());
}

// Names as German readers order them, by the system's comparison: umlauts with their base
// letters, "ß" as "ss", case ignored; names it finds equal keep the order of the tabs.
TEST_F(OverviewWindow, NamesInGermanOrderAndTheNextMatch)
{
    open("[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nAnzahlspieler=6\r\nAktSpieler=1\r\n"
         "Spieler1=031005020400000000\r\nSpieler2=031005060000000000\r\nSpieler3=031005040200000000\r\n"
         "Spieler4=031005001100000000\r\nSpieler5=031005020400000000\r\nSpieler6=031005020400000000\r\n"
         "SpielerName1=Zora\r\nSpielerName2=\xD6zlem\r\nSpielerName3=emil\r\nSpielerName4=Strasse\r\n"
         "SpielerName5=Stra\xDF" "e\r\nSpielerName6=Arno\r\n");
    std::vector<std::wstring> next, header, ascending, descending;
    ModalAction look(IDC_OVERVIEW_LIST, [&](HWND window) {
        HWND list = GetDlgItem(window, IDC_OVERVIEW_LIST);
        wchar_t title[64] = L"";
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT;
        info.pszText = title;
        info.cchTextMax = 64;
        SendMessageW(list, LVM_GETCOLUMNW, 8, reinterpret_cast<LPARAM>(&info));
        header.push_back(title);
        next = columnOf(list, 8);
        clickHeader(list, 1);
        ascending = columnOf(list, 1);
        clickHeader(list, 1);
        descending = columnOf(list, 1);
        EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL) << "the new column fits too";
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    ASSERT_TRUE(look.ran);
    EXPECT_EQ(header[0], L"Nächstes Spiel");
    EXPECT_EQ(next, (std::vector<std::wstring>{L"+9 / +2 / -4", L"+6 / ±0 / -6", L"+7 / +1 / -5", L"–",
                                               L"+9 / +2 / -4", L"+9 / +2 / -4"}));
    EXPECT_EQ(ascending, (std::vector<std::wstring>{L"Arno", L"emil", L"Özlem", L"Strasse", L"Straße", L"Zora"}));
    EXPECT_EQ(descending, (std::vector<std::wstring>{L"Zora", L"Strasse", L"Straße", L"Özlem", L"emil", L"Arno"}));
}

TEST_F(OverviewWindow, ASinglePlayerHasNoOverview)
{
    open();
    EXPECT_TRUE(optionsMenu().grayed(IDM_TEAM_OVERVIEW));
    ModalAction act(IDC_OVERVIEW_LIST, [](HWND window) { SendMessageW(window, WM_COMMAND, IDCANCEL, 0); });
    menuCommand(IDM_TEAM_OVERVIEW); // a modal window would have been met within the command
    EXPECT_FALSE(act.ran);
}

} // namespace

namespace {

// Twenty players, one with a name of 63 characters: every column shows its widest cell whole and
// every row is there, without a scroll bar, at either resolution.
TEST_F(OverviewWindow, ATeamOfTwentyWithLongNamesFitsWithoutScrollBars)
{
    std::vector<std::string> values(20, "031005020400000000");
    open(savedTeam(values, "", "SpielerName7=Maximilian-Alexander Graf von Hohenzollern-Sigmaringen-Habsburg\r\n"));
    bool looked = false;
    ModalAction look(IDC_OVERVIEW_LIST, [&](HWND window) {
        looked = true;
        HWND list = GetDlgItem(window, IDC_OVERVIEW_LIST);
        EXPECT_EQ(ListView_GetItemCount(list), 20);
        RECT last, client, work;
        ListView_GetItemRect(list, 19, &last, LVIR_BOUNDS);
        GetClientRect(list, &client);
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL) << "every row shows";
        EXPECT_LE(last.bottom, client.bottom) << "the last row is whole";
        // The test desktop is 1024 pixels wide: at 150 % this table is wider, and scrolls sideways.
        if (last.right - last.left < work.right - work.left - 60) {
            EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_HSCROLL) << "every column shows";
            EXPECT_LE(last.right, client.right) << "the last column is whole";
        }
        for (int column = 0; column < OverviewColumnCount; ++column)
            for (int row = 0; row < 20; ++row) {
                RECT cell;
                ListView_GetSubItemRect(list, row, column, LVIR_LABEL, &cell);
                const int needed = ListView_GetStringWidth(list, columnOf(list, column)[static_cast<size_t>(row)].c_str());
                EXPECT_GT(cell.right - cell.left, needed) << "column " << column << ", row " << row;
            }
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    EXPECT_TRUE(looked);
}

} // namespace

namespace {

// The rules of the line-up set in their dialog, from the options menu and from the overview:
// the overview's last two columns, its line on the order of strength, the tab tip, the file.
TEST_F(OverviewWindow, TheRulesSayWhoStandsWhereHeMustNot)
{
    open(team); // LKZ 181, 208, 195 and none for line-up 1 to 4; the tabs by LKZ
    const auto setRules = [](int regularsItem, const wchar_t* inTeam, const wchar_t* between) {
        return [=](HWND rules) {
            SendDlgItemMessageW(rules, IDC_RULES_REGULARS, CB_SETCURSEL, regularsItem, 0);
            SetDlgItemTextW(rules, IDC_RULES_IN_TEAM, inTeam);
            SetDlgItemTextW(rules, IDC_RULES_BETWEEN, between);
            SendMessageW(rules, WM_COMMAND, IDOK, 0);
        };
    };
    {
        // Two regulars a team; 208 behind 181 in the first team exceeds 15, 195 in the second
        // stays within 20 of them.
        ModalAction rules(IDC_RULES_IN_TEAM, setRules(1, L"15", L"20.0"));
        menuCommand(IDM_LINEUP_RULES);
        ASSERT_TRUE(rules.ran);
    }
    std::vector<std::wstring> teams, order, lines;
    ModalAction look(IDC_OVERVIEW_LIST, [&](HWND window) {
        HWND list = GetDlgItem(window, IDC_OVERVIEW_LIST);
        teams = columnOf(list, ColTeam);
        order = columnOf(list, ColOrder);
        lines.push_back(text(window, IDC_OVERVIEW_LINEUP));
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    EXPECT_EQ(teams, (std::vector<std::wstring>{L"1", L"2", L"1", L"2"})) << "line-ups 2, 3, 1, 4";
    EXPECT_EQ(order, (std::vector<std::wstring>{L"gehört vor Jürgen Weiß (+26,889)", L"ok",
                                                L"gehört hinter Nr. 2 (-26,889)", L"keine LKZ"}));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], L"1 Abweichung von der Spielstärke-Reihenfolge, 1 Spieler zu weit hinten   Regeln: je 2 Stammspieler, Toleranz 15,0 "
                        L"in der Mannschaft, 20,0 zwischen Mannschaften");

    // The tab tip of the player who must stand further ahead says so.
    menuCommand(IDM_TAB_TOOLTIP);
    NMTTDISPINFOW request = {};
    request.hdr.hwndFrom = TabCtrl_GetToolTips(tabs);
    request.hdr.code = TTN_GETDISPINFOW;
    SendMessageW(tabs, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    EXPECT_EQ(std::wstring(request.lpszText ? request.lpszText : L""),
              L"Nr. 2: Nr. 2\nSortiert nach LKZ\nAbweichung: gehört vor Jürgen Weiß (+26,889)");

    // From the overview: a tolerance the rules do not take is refused, a sound one is taken, and
    // the overview comes back with it.
    {
        BoxWatcher boxes;
        int overviews = 0;
        ModalAction overview(IDC_OVERVIEW_LIST, [&](HWND window) {
            if (++overviews == 1) {
                SendMessageW(GetDlgItem(window, IDC_OVERVIEW_RULES), BM_CLICK, 0, 0);
                return;
            }
            lines.push_back(text(window, IDC_OVERVIEW_LINEUP));
            SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }, true);
        ModalAction rules(IDC_RULES_IN_TEAM, [&](HWND window) {
            setRules(1, L"abc", L"20")(window);
            // Still open after the refusal: the field takes a sound value now.
            setRules(1, L"30", L"20")(window);
        });
        menuCommand(IDM_TEAM_OVERVIEW);
        EXPECT_EQ(overviews, 2);
        ASSERT_EQ(boxes.boxes.size(), 1u);
        EXPECT_EQ(boxes.boxes[0].title, L"Aufstellungsregeln");
    }
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind(L"Keine Abweichung von der Spielstärke-Reihenfolge", 0), 0u) << lines[1];
    close();
    for (const char* key : {"Stammspieler=2\r\n", "ToleranzMannschaft=30.0\r\n", "ToleranzVerein=20.0\r\n"})
        EXPECT_NE(ini().find(key), std::string::npos) << key;
}

// A stronger player in the second team (teams of two, no tolerance): marking the lowest by the tab
// menu marks the one above him too, and the overview reads the registration as allowed. Undone,
// done again, kept for the next start, and cleared: "0" where the file holds the key.
TEST_F(OverviewWindow, ASperrvermerkAllowsAStrongerPlayerInALowerTeam)
{
    // LKZ 195, 181, 208 and none in line-up order.
    open(savedTeam({"031005040200000000", "031005020400000000", "031005060000000000", "031005001100000000"},
                   "Stammspieler=2\r\n"));
    EXPECT_TRUE(rightClickTab(0).grayed(IDM_BLOCK_MARK)) << "the first team has no marks";
    EXPECT_FALSE(rightClickTab(3).checked(IDM_BLOCK_MARK));
    menuCommand(IDM_BLOCK_MARK);
    std::vector<std::wstring> ranks, marks, lines;
    ModalAction look(IDC_OVERVIEW_LIST, [&](HWND window) {
        ranks = columnOf(GetDlgItem(window, IDC_OVERVIEW_LIST), ColRank);
        marks = columnOf(GetDlgItem(window, IDC_OVERVIEW_LIST), ColBlockMark);
        lines.push_back(text(window, IDC_OVERVIEW_LINEUP));
        SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    menuCommand(IDM_TEAM_OVERVIEW);
    EXPECT_EQ(ranks, (std::vector<std::wstring>{L"1.1", L"1.2", L"2.1", L"2.2"}));
    EXPECT_EQ(marks, (std::vector<std::wstring>{L"", L"", L"SpV", L"SpV"}));
    EXPECT_EQ(lines, (std::vector<std::wstring>{L"Keine Abweichung von der Spielstärke-Reihenfolge, 2 Sperrvermerke   "
                                                L"Regeln: je 2 Stammspieler, Toleranz 0,0 in der Mannschaft, 0,0 "
                                                L"zwischen Mannschaften"}));
    EXPECT_EQ(rightClickTab(2).text(IDM_UNDO), L"Rückgängig: Sperrvermerk\tStrg+Z");
    menuCommand(IDM_UNDO);
    EXPECT_FALSE(rightClickTab(2).checked(IDM_BLOCK_MARK));
    menuCommand(IDM_REDO);
    reopen();
    EXPECT_TRUE(rightClickTab(2).checked(IDM_BLOCK_MARK));
    EXPECT_NE(ini().find("Sperrvermerk4=1\r\n"), std::string::npos) << ini();
    menuCommand(IDM_BLOCK_MARK);
    close();
    EXPECT_NE(ini().find("Sperrvermerk3=0\r\n"), std::string::npos) << ini();
    EXPECT_NE(ini().find("Sperrvermerk4=0\r\n"), std::string::npos) << ini();
    EXPECT_EQ(ini().find("Sperrvermerk1"), std::string::npos) << "no key for a player never marked";
}

} // namespace
