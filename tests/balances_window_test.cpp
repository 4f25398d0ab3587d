// The balances of a result portal in the real main dialog: a browser's copy pasted, a saved page
// opened, the preview read and clicked, taken as one step of undo, and the INI file at exit.
#include "main_dialog_fixture.h"

#include "balance_samples.h"
#include "base/text_win.h"

#include <string>
#include <vector>

namespace {

// Henrik Albers and Derya Çelik (in the table's form) by name, a free place (Nr. 2) and a Nr. 4
// with games, in Oberliga with 10 teams.
const std::string squadOfFour =
    savedTeam({"031005020400000000", "031000000000000000", "031004030100000000", "031003010100000000"},
              "AutoCalc=1\r\n", "SpielerName1=Henrik Albers\r\nSpielerName3=\xC7" "elik, Derya\r\n");

// What the preview showed: its line, and a row's cells as "Name|Spieler|Spiele|1. PK|..." with
// "x " before a ticked row.
struct SeenPreview {
    std::wstring summary;
    std::vector<std::wstring> rows;
    bool applyEnabled = false;
};

SeenPreview readPreview(HWND preview)
{
    SeenPreview seen{controlText(preview, IDC_BALANCES_SUMMARY), {}, IsWindowEnabled(GetDlgItem(preview, IDOK)) != 0};
    HWND list = GetDlgItem(preview, IDC_BALANCES_LIST);
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        std::wstring line = ListView_GetCheckState(list, row) ? L"x " : L"  ";
        for (int column = 1; column < 10; ++column) {
            wchar_t cell[128] = L"";
            ListView_GetItemText(list, row, column, cell, 128);
            line += std::wstring(column > 1 ? L"|" : L"") + cell;
        }
        seen.rows.push_back(line);
    }
    return seen;
}

// A click on a row's check box, where the list shows it.
void clickCheckBox(HWND preview, int row)
{
    HWND list = GetDlgItem(preview, IDC_BALANCES_LIST);
    RECT bounds;
    ListView_GetItemRect(list, row, &bounds, LVIR_BOUNDS);
    LVHITTESTINFO hit = {};
    hit.pt = {bounds.left, (bounds.top + bounds.bottom) / 2};
    while (hit.pt.x < bounds.left + 40 && !(ListView_HitTest(list, &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)))
        ++hit.pt.x;
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON) << "no check box in row " << row;
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
}

// The clipboard as a browser leaves it after copying the sample table: both formats.
void copyFromBrowser()
{
    const std::string html = htmlFormat(balanceSample("positions.html"));
    const std::wstring text = widen(balanceSample("positions.txt"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    for (const auto& [format, bytes] : {std::pair<UINT, std::string>{RegisterClipboardFormatW(L"HTML Format"), html + '\0'},
                                        {CF_UNICODETEXT, std::string(reinterpret_cast<const char*>(text.c_str()),
                                                                     (text.size() + 1) * sizeof(wchar_t))}}) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        memcpy(GlobalLock(memory), bytes.data(), bytes.size());
        GlobalUnlock(memory);
        SetClipboardData(format, memory);
    }
    CloseClipboard();
}

// "9 → 11" gives 11: what the row's player will have.
std::string then(const std::wstring& cell) { return narrow(cell.substr(cell.rfind(L' ') + 1)); }
std::string twoDigits(const std::string& number) { return number.size() < 2 ? "0" + number : number; }

// The "Spieler%d" text a row of the preview promises: Oberliga, 10 teams, matches and games.
std::string promised(const std::wstring& row)
{
    std::vector<std::wstring> cells;
    for (size_t from = 2, bar; from != std::wstring::npos; from = bar == std::wstring::npos ? bar : bar + 1) {
        bar = row.find(L'|', from);
        cells.push_back(row.substr(from, bar == std::wstring::npos ? bar : bar - from));
    }
    std::string text = "0310" + twoDigits(then(cells[3]));
    for (int pk = 4; pk <= 6; ++pk) {
        const std::string games = then(cells[pk]);
        text += twoDigits(games.substr(0, games.find(':'))) + twoDigits(games.substr(games.find(':') + 1));
    }
    return text;
}

TEST_F(MainDialogTest, BalancesFromABrowsersCopyAndASavedPageAreTakenAsOneStep)
{
    open(squadOfFour);
    const std::vector<std::wstring> before = tabLabels();
    const std::vector<std::wstring> items = optionsMenu().topTexts();
    const auto history = std::find(items.begin(), items.end(), L"Verlauf...");
    ASSERT_LE(history + 3, items.end());
    EXPECT_EQ(std::vector<std::wstring>(history + 1, history + 3),
              (std::vector<std::wstring>{L"Bilanzen einfügen...", L"Bilanzen aus Datei..."}));

    {
        // Nothing usable on the clipboard: a box says so, and nothing changes.
        OpenClipboard(nullptr);
        EmptyClipboard();
        CloseClipboard();
        BoxWatcher boxes;
        menuCommand(IDM_PASTE_BALANCES);
        ASSERT_TRUE(waitUntil([&] { return !boxes.boxes.empty(); }, 5000));
        EXPECT_EQ(boxes.boxes[0].title, L"Bilanzen");
        EXPECT_EQ(boxes.boxes[0].text.rfind(L"Keine Spielerbilanzen erkannt", 0), 0u) << boxes.boxes[0].text;
        EXPECT_EQ(boxes.boxes[0].owner, dialog);
        EXPECT_EQ(tabLabels(), before);
    }

    // A value typed into the page counts before the preview copies the squad.
    HWND won2 = GetDlgItem(page, IDC_WON2_FIELD);
    SetFocus(won2);
    type(won2, L"5");
    copyFromBrowser();
    SeenPreview first, clicked;
    ModalAction look(IDC_BALANCES_LIST, [&](HWND preview) {
        first = readPreview(preview);
        clickCheckBox(preview, 7); // the substitute
        clicked = readPreview(preview);
        SendMessageW(preview, WM_COMMAND, IDOK, 0);
    });
    menuCommand(IDM_PASTE_BALANCES);
    ASSERT_TRUE(look.ran);
    EXPECT_EQ(first.summary, L"8 Spielerbilanzen erkannt (Positionen 1–6), Einzel 57:33 stimmt");
    EXPECT_EQ(first.rows, (std::vector<std::wstring>{
                              L"x Albers, Henrik|1.1|Henrik Albers|5 → 9|2:4 → 11:5|5:0 → 0:0|0:0 → 0:0|keine LKZ → 208|",
                              L"x Çelik, Derya|1.2|Çelik, Derya|4 → 8|3:1 → 7:7|0:0 → 0:0|0:0 → 0:0|194 → 193|",
                              L"x Müller-Thurgau, Jens|1.3|statt Nr. 2|0 → 9|0:0 → 0:0|0:0 → 11:6|0:0 → 0:0|180 → 194|",
                              L"x de Vries, Sanne|1.4|neu|– → 7|– → 0:0|– → 6:6|– → 0:0|– → 184|",
                              L"x Schäfer, Lukas|1.5|neu|– → 9|– → 0:0|– → 0:0|– → 13:4|– → 192|",
                              L"x Wróbel, Kasia|1.6|neu|– → 6|– → 0:0|– → 1:1|– → 7:3|– → 186|",
                              L"x Zimmer, Paul|1.7|neu|– → 1|– → 0:0|– → 0:0|– → 0:0|– → 180|keine Einsätze",
                              L"  Adams, Bea|2.2|Ersatz aus Mannschaft 2|– → 1|– → 0:0|– → 0:0|– → 1:1|– → 180|"}));
    EXPECT_EQ(clicked.rows.back(), L"x Adams, Bea|2.2|neu|– → 1|– → 0:0|– → 0:0|– → 1:1|– → 180|");
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Henrik Albers", L"Jens Müller-Thurgau", L"Çelik, Derya", L"Nr. 4",
                                                      L"Sanne de Vries", L"Lukas Schäfer", L"Kasia Wróbel",
                                                      L"Paul Zimmer", L"Bea Adams"}));
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"9");
    EXPECT_EQ(games(), L"11:5 0:0 0:0");
    EXPECT_EQ(optionsMenu().text(IDM_UNDO), L"Rückgängig: Bilanzen übernehmen\tStrg+Z");
    controlKey('Z');
    EXPECT_EQ(tabLabels(), before);
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"4");
    EXPECT_EQ(games(), L"2:4 5:0 0:0") << "the typed value stays: a step of its own";

    // The same table saved as a page, opened through the system's open dialog.
    const std::wstring page = folder + L"Spielerbilanzen.html";
    writeFileBytes(page, balanceSample("positions.html"));
    SeenPreview fromFile;
    ModalAction choose(0x47C, [&](HWND fileDialog) {
        HWND name = GetDlgItem(fileDialog, 0x47C); // cmb13: the file name
        if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr))
            name = edit;
        SetWindowTextW(name, page.c_str());
        SendMessageW(fileDialog, WM_COMMAND, IDOK, 0);
    });
    ModalAction take(IDC_BALANCES_LIST, [&](HWND preview) {
        fromFile = readPreview(preview);
        SendMessageW(preview, WM_COMMAND, IDOK, 0);
    });
    menuCommand(IDM_BALANCES_FILE);
    ASSERT_TRUE(take.ran);
    EXPECT_EQ(fromFile.rows, first.rows);
    close();
    const std::string ini = readFileBytes(iniPath);
    for (const auto& [row, lineup] : {std::pair<int, int>{0, 1}, {1, 3}, {2, 2}, {3, 5}, {6, 8}})
        EXPECT_NE(ini.find("Spieler" + std::to_string(lineup) + "=" + promised(fromFile.rows[row]) + "\r\n"),
                  std::string::npos) << "row " << row << "\n" << ini;
}

} // namespace
