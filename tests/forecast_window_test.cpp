// The forecast window on the real main dialog: opened from both menus in both modes, its table
// read from the list view and checked against what the display shows for the typed result.
#include "main_dialog_fixture.h"

#include "base/text_win.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

// Oberliga, 12 teams. Line-up 1: 9 matches, 10:4 in the first Paarkreuz and 2:1 in the second
// (LKZ 202.235); line-up 2: 9 matches, 0:2 in the first, 12:4 in the third (18 singles, the most
// but two); line-up 3: 11 matches, one short of the number of teams; line-up 4: no games.
const char* const team =
    "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nAnzahlspieler=4\r\nAktSpieler=1\r\n"
    "Spieler1=031209100402010000\r\nSpieler2=031209000200001204\r\nSpieler3=031211100402010000\r\n"
    "Spieler4=031200000000000000\r\nSpielerName1=J\xFCrgen M\xFCller\r\n";

const std::wstring dash = L"\u2013";

struct SeenForecast {
    bool opened = false;
    std::wstring caption, summary, notes; // notes: the lines under the table, when they show
    bool listVisible = false, copyEnabled = false, scrollBars = true, fitsOnScreen = false;
    std::vector<std::wstring> headers;
    std::vector<std::vector<std::wstring>> rows;
};

class ForecastWindow : public MainDialogTest {
protected:
    // Opens the forecast by a menu command sent to target, reads it, runs more, closes it with
    // Escape as the keyboard gives it.
    SeenForecast openForecast(const std::function<void(HWND)>& more = nullptr)
    {
        SeenForecast seen;
        ModalAction act(IDC_FORECAST_LIST, [&](HWND window) {
            seen.opened = true;
            seen.caption = windowText(window);
            seen.summary = text(window, IDC_FORECAST_SUMMARY);
            if (IsWindowVisible(GetDlgItem(window, IDC_FORECAST_NOTES)))
                seen.notes = windowText(GetDlgItem(window, IDC_FORECAST_NOTES));
            HWND list = GetDlgItem(window, IDC_FORECAST_LIST);
            seen.listVisible = IsWindowVisible(list);
            seen.copyEnabled = IsWindowEnabled(GetDlgItem(window, IDC_FORECAST_COPY));
            seen.scrollBars = (GetWindowLongW(list, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0;
            HWND header = ListView_GetHeader(list);
            for (int column = 0; column < Header_GetItemCount(header); ++column)
                seen.headers.push_back(columnHeader(list, column));
            for (int row = 0; row < ListView_GetItemCount(list); ++row) {
                seen.rows.emplace_back();
                for (size_t column = 0; column < seen.headers.size(); ++column)
                    seen.rows.back().push_back(cell(list, row, static_cast<int>(column)));
            }
            RECT rect, work;
            GetWindowRect(window, &rect);
            SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
            seen.fitsOnScreen = rect.left >= work.left && rect.top >= work.top && rect.right <= work.right &&
                                rect.bottom <= work.bottom;
            // Every row and the buttons inside the client area, below the table.
            if (seen.listVisible) {
                RECT last, client, listRect, button;
                ListView_GetItemRect(list, ListView_GetItemCount(list) - 1, &last, LVIR_BOUNDS);
                GetClientRect(list, &client);
                EXPECT_LE(last.bottom, client.bottom) << "the last row is not cut off";
                GetWindowRect(list, &listRect);
                GetWindowRect(GetDlgItem(window, IDCANCEL), &button);
                EXPECT_GT(button.top, listRect.bottom);
            }
            if (more)
                more(window);
            HWND focus = GetFocus();
            PostMessageW(focus ? focus : window, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(focus ? focus : window, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        });
        menuCommand(IDM_FORECAST);
        EXPECT_TRUE(act.ran);
        return seen;
    }

    static std::wstring columnHeader(HWND list, int column)
    {
        wchar_t buffer[64] = L"";
        LVCOLUMNW info = {};
        info.mask = LVCF_TEXT;
        info.pszText = buffer;
        info.cchTextMax = 64;
        SendMessageW(list, LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info));
        return buffer;
    }
    static std::wstring cell(HWND list, int row, int column)
    {
        wchar_t buffer[64] = L"";
        ListView_GetItemText(list, row, column, buffer, 64);
        return buffer;
    }

    // What the display shows after the user types these values into the fields and clicks
    // "Berechnen".
    std::wstring displayFor(int matches, const int games[6])
    {
        setFieldValue(dialog, IDC_MATCHES_FIELD, matches);
        const int fields[6] = {IDC_WON1_FIELD, IDC_LOST1_FIELD, IDC_WON2_FIELD,
                               IDC_LOST2_FIELD, IDC_WON3_FIELD, IDC_LOST3_FIELD};
        for (int i = 0; i < 6; ++i)
            setFieldValue(page, fields[i], games[i]);
        click(dialog, IDC_CALCULATE_BUTTON);
        return display();
    }
};

const wchar_t* const results[] = {L"1:0", L"0:1", L"2:0", L"1:1", L"0:2", L"3:0", L"2:1", L"1:2", L"0:3"};

TEST_F(ForecastWindow, EveryCellIsWhatTheDisplayShowsForThatResult)
{
    open(team);
    for (int decimal : {0, 1}) {
        if (decimal)
            click(dialog, IDC_DECIMAL_CHECK);
        const std::wstring before = display();
        const SeenForecast seen = openForecast();
        ASSERT_TRUE(seen.opened);
        EXPECT_EQ(seen.caption, L"Prognose");
        EXPECT_EQ(seen.summary, decimal ? L"Jürgen Müller: LKZ 202,235 nach 9 Punktspielen"
                                        : L"Jürgen Müller: LKZ 202 nach 9 Punktspielen");
        EXPECT_EQ(seen.headers, (std::vector<std::wstring>{L"Ergebnis", L"1. PK (eigenes)", L"2. PK", L"3. PK"}));
        ASSERT_EQ(seen.rows.size(), 9u);
        EXPECT_FALSE(seen.scrollBars);
        EXPECT_TRUE(seen.fitsOnScreen);
        EXPECT_EQ(display(), before) << "opening computes nothing on the main dialog";

        // Type results in and compare with the display: the core's tests have every cell, these
        // prove that the window shows the core's table in its places.
        const int today[6] = {10, 4, 2, 1, 0, 0};
        for (int r = 0; r < 9; ++r)
            EXPECT_EQ(seen.rows[r][0], results[r]);
        for (int r : {2, 8}) {
            const int won = results[r][0] - L'0', lost = results[r][2] - L'0';
            for (int pk : {0, 2}) {
                int games[6];
                std::copy(today, today + 6, games);
                games[2 * pk] += won;
                games[2 * pk + 1] += lost;
                const std::wstring shown = displayFor(10, games);
                const std::wstring& seenCell = seen.rows[r][1 + pk];
                EXPECT_EQ(seenCell.substr(0, seenCell.find(L" (")), shown) << results[r] << " in " << pk + 1;
                const wchar_t sign = seenCell[seenCell.find(L" (") + 2];
                EXPECT_TRUE(sign == L'+' || sign == L'-' || sign == L'±') << seenCell;
            }
        }
        displayFor(9, today);
    }
}

TEST_F(ForecastWindow, RefusesInTheWordsOfTheCheck)
{
    open(team);
    clickTab(2); // line-up 3: 11 matches of 12 teams
    SeenForecast seen = openForecast();
    EXPECT_EQ(seen.summary, L"Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel: 12 Punktspiele bei 12 Mannschaften.");
    EXPECT_FALSE(seen.listVisible);
    EXPECT_FALSE(seen.copyEnabled);

    // Implausible today: the page's values count before they are committed.
    setText(dialog, IDC_MATCHES_FIELD, L"5");
    seen = openForecast();
    EXPECT_EQ(seen.summary,
              L"Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel: 17 Einzel in 5 Punktspielen.");
    EXPECT_FALSE(seen.listVisible);
    close();
    EXPECT_NE(ini().find("Spieler3=031211100402010000"), std::string::npos) << "the forecast stores nothing";
}

TEST_F(ForecastWindow, DashesWhereAResultIsTooManyAndTheCopyIsTheTable)
{
    open(team);
    clickTab(1); // line-up 2: 18 singles in 9 matches
    const SeenForecast seen = openForecast([](HWND window) {
        SendMessageW(GetDlgItem(window, IDC_FORECAST_COPY), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(seen.headers, (std::vector<std::wstring>{L"Ergebnis", L"1. PK", L"2. PK", L"3. PK (eigenes)"}));
    ASSERT_EQ(seen.rows.size(), 9u);
    for (int r = 0; r < 9; ++r)
        for (int pk = 1; pk <= 3; ++pk)
            EXPECT_EQ(seen.rows[r][pk] == dash, r >= 5) << r << " " << pk << " " << seen.rows[r][pk];

    std::wstring expected = L"Ergebnis\t1. PK\t2. PK\t3. PK (eigenes)\r\n";
    for (const auto& row : seen.rows)
        expected += row[0] + L"\t" + row[1] + L"\t" + row[2] + L"\t" + row[3] + L"\r\n";
    EXPECT_EQ(clipboardText(), expected);
}

// In a team, lines under the table say what the next match in the player's own Paarkreuz
// changes about the line-up; a single player has no line-up.
TEST_F(ForecastWindow, InATeamTheNextMatchsEffectOnTheLineupIsSpelledOut)
{
    open(team);
    const SeenForecast seen = openForecast();
    EXPECT_NE(seen.notes.find(L"im 1. Paarkreuz"), std::wstring::npos) << seen.notes;
    EXPECT_NE(seen.notes.find(L"Jürgen Müller"), std::wstring::npos) << seen.notes;
    EXPECT_TRUE(seen.fitsOnScreen);
}

TEST_F(ForecastWindow, ASinglePlayerHasOneToo)
{
    open();
    EXPECT_FALSE(optionsMenu().grayed(IDM_FORECAST));
    selectLeague(7);
    setText(dialog, IDC_TEAM_COUNT_FIELD, L"10");
    setText(dialog, IDC_MATCHES_FIELD, L"5");
    setText(page, IDC_WON2_FIELD, L"4");
    setText(page, IDC_LOST2_FIELD, L"2");
    setText(page, IDC_WON3_FIELD, L"2");
    setText(page, IDC_LOST3_FIELD, L"1");
    const SeenForecast seen = openForecast();
    EXPECT_EQ(seen.summary, L"Einzelspieler: LKZ 115 nach 5 Punktspielen");
    EXPECT_TRUE(seen.notes.empty()) << "no line-up, no lines";
    EXPECT_EQ(seen.headers[2], L"2. PK (eigenes)");
    EXPECT_FALSE(seen.scrollBars);
    ASSERT_EQ(seen.rows.size(), 9u);
    const std::wstring cell = seen.rows[2][2]; // 2:0 in the second Paarkreuz
    const int games[6] = {0, 0, 6, 2, 2, 1};
    EXPECT_EQ(cell.substr(0, cell.find(L" (")), displayFor(6, games));
}

} // namespace
