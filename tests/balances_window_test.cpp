// The balances of a result portal in the real main dialog: a browser's copy pasted, a saved page
// opened, the preview read and clicked, taken as one step of undo, and the INI file at exit.
#include "main_dialog_fixture.h"

#include "balance_samples.h"
#include "base/text_win.h"

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

namespace {

// Henrik Albers and Derya Çelik (in the table's form) by name, a free place (Nr. 2) and a Nr. 4
// with games, in Oberliga with 10 teams.
const std::string squadOfFour =
    savedTeam({"031005020400000000", "031000000000000000", "031004030100000000", "031003010100000000"},
              "AutoCalc=1\r\n", "SpielerName1=Henrik Albers\r\nSpielerName3=\xC7" "elik, Derya\r\n");

// The preview's rows as "x Name|Rang|Spieler|Spiele|1. PK|2. PK|3. PK|LKZ|Hinweis", "x" when ticked.
std::vector<std::wstring> previewRows(HWND preview)
{
    HWND list = GetDlgItem(preview, IDC_BALANCES_LIST);
    std::vector<std::wstring> rows;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        std::wstring line = ListView_GetCheckState(list, row) ? L"x " : L"  ";
        for (int column = 1; column < 10; ++column) {
            wchar_t cell[128] = L"";
            ListView_GetItemText(list, row, column, cell, 128);
            line += std::wstring(column > 1 ? L"|" : L"") + cell;
        }
        rows.push_back(line);
    }
    return rows;
}

// A click on a row's check box, where the list shows it.
void clickCheckBox(HWND preview, int row)
{
    HWND list = GetDlgItem(preview, IDC_BALANCES_LIST);
    RECT bounds;
    ListView_GetItemRect(list, row, &bounds, LVIR_BOUNDS);
    LVHITTESTINFO hit = {};
    hit.pt = {bounds.left, (bounds.top + bounds.bottom) / 2};
    while (hit.pt.x < bounds.left + 40 &&
           !(ListView_HitTest(list, &hit) >= 0 && (hit.flags & LVHT_ONITEMSTATEICON)))
        ++hit.pt.x;
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON) << "no check box in row " << row;
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
}

// The clipboard as a browser leaves it after copying the sample table: both formats.
void copyFromBrowser()
{
    const std::string html = htmlFormat(balanceSample("positions.html")) + '\0';
    const std::wstring text = widen(balanceSample("positions.txt"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const std::tuple<UINT, const void*, size_t> formats[] = {
        {RegisterClipboardFormatW(L"HTML Format"), html.data(), html.size()},
        {CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t)}};
    for (const auto& [format, bytes, size] : formats) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        memcpy(GlobalLock(memory), bytes, size);
        GlobalUnlock(memory);
        SetClipboardData(format, memory);
    }
    CloseClipboard();
}

TEST_F(MainDialogTest, BalancesFromABrowsersCopyAndASavedPageAreTakenAsOneStep)
{
    open(squadOfFour);
    const std::vector<std::wstring> before = tabLabels(), items = optionsMenu().topTexts();
    const auto history = std::find(items.begin(), items.end(), L"Verlauf...");
    EXPECT_TRUE(items.end() - history > 2 && history[1] == L"Bilanzen einfügen..." &&
                history[2] == L"Bilanzen aus Datei...");
    OpenClipboard(nullptr);
    EmptyClipboard();
    CloseClipboard();
    {
        BoxWatcher boxes;
        menuCommand(IDM_PASTE_BALANCES);
        ASSERT_TRUE(waitUntil([&] { return !boxes.boxes.empty(); }, 5000));
        EXPECT_EQ(boxes.boxes[0].title + L": " + boxes.boxes[0].text.substr(0, 29),
                  L"Bilanzen: Keine Spielerbilanzen erkannt");
        EXPECT_EQ(boxes.boxes[0].owner, dialog);
    }

    // A number typed and not yet committed counts before the preview copies the squad.
    HWND won2 = GetDlgItem(page, IDC_WON2_FIELD);
    SetFocus(won2);
    type(won2, L"5");
    copyFromBrowser();
    std::wstring summary;
    std::vector<std::wstring> first, clicked;
    ModalAction look(IDC_BALANCES_LIST, [&](HWND preview) {
        summary = text(preview, IDC_BALANCES_SUMMARY);
        first = previewRows(preview);
        clickCheckBox(preview, 7); // the substitute
        clicked = previewRows(preview);
        SendMessageW(preview, WM_COMMAND, IDOK, 0);
    });
    menuCommand(IDM_PASTE_BALANCES);
    ASSERT_TRUE(look.ran);
    EXPECT_EQ(summary, L"8 Spielerbilanzen erkannt (Positionen 1–6), Einzel 57:33 stimmt");
    EXPECT_EQ(first, (std::vector<std::wstring>{
                         L"x Albers, Henrik|1.1|Henrik Albers|5 → 9|2:4 → 11:5|5:0 → 0:0|0:0 → 0:0|keine LKZ → 208|",
                         L"x Çelik, Derya|1.2|Çelik, Derya|4 → 8|3:1 → 7:7|0:0 → 0:0|0:0 → 0:0|194 → 193|",
                         L"x Müller-Thurgau, Jens|1.3|statt Nr. 2|0 → 9|0:0 → 0:0|0:0 → 11:6|0:0 → 0:0|180 → 194|",
                         L"x de Vries, Sanne|1.4|neu|– → 7|– → 0:0|– → 6:6|– → 0:0|– → 184|",
                         L"x Schäfer, Lukas|1.5|neu|– → 9|– → 0:0|– → 0:0|– → 13:4|– → 192|",
                         L"x Wróbel, Kasia|1.6|neu|– → 6|– → 0:0|– → 1:1|– → 7:3|– → 186|",
                         L"x Zimmer, Paul|1.7|neu|– → 1|– → 0:0|– → 0:0|– → 0:0|– → 180|keine Einsätze",
                         L"  Adams, Bea|2.2|Ersatz aus Mannschaft 2|– → 1|– → 0:0|– → 0:0|– → 1:1|– → 180|"}));
    EXPECT_EQ(clicked.back(), L"x Adams, Bea|2.2|neu|– → 1|– → 0:0|– → 0:0|– → 1:1|– → 180|");
    EXPECT_EQ(tabLabels(), (std::vector<std::wstring>{L"Henrik Albers", L"Jens Müller-Thurgau", L"Çelik, Derya", L"Nr. 4",
                                                      L"Sanne de Vries", L"Lukas Schäfer", L"Kasia Wróbel",
                                                      L"Paul Zimmer", L"Bea Adams"}));
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"9");
    EXPECT_EQ(games(), L"11:5 0:0 0:0");
    EXPECT_EQ(optionsMenu().text(IDM_UNDO), L"Rückgängig: Bilanzen übernehmen\tStrg+Z");
    controlKey('Z');
    EXPECT_EQ(tabLabels(), before);
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"4");
    EXPECT_EQ(games(), L"2:4 5:0 0:0") << "the typed number stays: a step of its own";

    // The same table saved as a page, opened through the system's open dialog.
    const std::wstring saved = folder + L"Spielerbilanzen.html";
    writeFileBytes(saved, balanceSample("positions.html"));
    std::vector<std::wstring> fromFile;
    ModalAction choose(0x47C, [&](HWND fileDialog) {
        HWND name = GetDlgItem(fileDialog, 0x47C); // cmb13: the file name
        if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr))
            name = edit;
        SetWindowTextW(name, saved.c_str());
        SendMessageW(fileDialog, WM_COMMAND, IDOK, 0);
    });
    ModalAction take(IDC_BALANCES_LIST, [&](HWND preview) {
        fromFile = previewRows(preview);
        SendMessageW(preview, WM_COMMAND, IDOK, 0);
    });
    menuCommand(IDM_BALANCES_FILE);
    ASSERT_TRUE(take.ran);
    EXPECT_EQ(fromFile, first);
    close();
    // At exit the file holds what the preview promised, the substitute left out this time.
    const std::string ini = readFileBytes(iniPath);
    for (const char* line : {"Anzahlspieler=8\r\n", "Spieler1=031009110500000000\r\n",
                             "Spieler2=031009000011060000\r\n", "Spieler3=031008070700000000\r\n",
                             "Spieler5=031007000006060000\r\n", "Spieler8=031001000000000000\r\n",
                             "SpielerName2=Jens M\xFCller-Thurgau\r\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line << ini;
}

} // namespace
