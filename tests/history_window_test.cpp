// The season chart ("Verlauf") on the real main dialog: each player's colour where the layout puts
// his points, on the screen, on the clipboard and in the saved PNG file; the legend, the tip, the
// empty chart, and three match days typed in that survive a restart.
#include "main_dialog_fixture.h"

#include "base/gdiplus_win.h"
#include "base/handles_win.h"
#include "base/save_dialog_win.h"
#include "base/text_win.h"
#include "display/history_win.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// Oberliga, 10 teams, decimal display. Anna (line-up 1) and Carl (3) with three match days, Bert
// (2, the current player) with two; the fourth has played no game.
const char* const season =
    "[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nDezimal=1\r\nAnzahlspieler=4\r\n"
    "AktSpieler=2\r\nSpieler1=031003040200000000\r\nSpieler2=031002030100000000\r\n"
    "Spieler3=031003000000000402\r\nSpieler4=031001000000000000\r\n"
    "SpielerName1=Anna\r\nSpielerName2=Bert\r\nSpielerName3=Carl\r\n"
    "Verlauf1=1:181.589;2:183.178\r\nVerlauf2=1:170.500\r\nVerlauf3=1:150;2:160\r\n";

// The chart's pixels, wherever they come from.
using PixelAt = std::function<COLORREF(int x, int y)>;

// Where a player's colour lies at every point of his: each shown player's points are his colour,
// a hidden player's are not (those that fall into the picture of size area).
void expectColoursAtPoints(const ChartLayout& layout, const std::vector<bool>& hidden, SIZE area,
                           const PixelAt& pixel, const char* where)
{
    ASSERT_FALSE(layout.empty) << where;
    for (size_t s = 0; s < layout.points.size(); ++s)
        for (const ChartPoint& p : layout.points[s]) {
            const COLORREF colour = seriesStyle(static_cast<int>(s)).colour;
            if (p.x < 0 || p.y < 0 || p.x >= area.cx || p.y >= area.cy)
                EXPECT_TRUE(hidden[s]) << where << ": player " << s << " outside the chart";
            else if (hidden[s])
                EXPECT_NE(pixel(p.x, p.y), colour) << where << ": hidden " << s << " at " << p.x << "," << p.y;
            else
                EXPECT_EQ(pixel(p.x, p.y), colour) << where << ": player " << s << " at " << p.x << "," << p.y;
        }
}

// The chart's part of the window: the client area above the buttons.
SIZE chartArea(HWND window)
{
    RECT client, copy;
    GetClientRect(window, &client);
    GetWindowRect(GetDlgItem(window, IDC_HISTORY_COPY), &copy);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&copy), 2);
    return {client.right, copy.top - copy.left};
}

// A pixel of a bottom-up 24-bit packed DIB as the clipboard holds it.
COLORREF dibPixel(const BITMAPINFOHEADER& header, int x, int y)
{
    const auto* bits = reinterpret_cast<const BYTE*>(&header) + header.biSize;
    const int stride = (header.biWidth * 3 + 3) & ~3;
    const BYTE* at = bits + (header.biHeight - 1 - y) * stride + x * 3;
    return RGB(at[2], at[1], at[0]);
}

class HistoryWindow : public MainDialogTest {
protected:
    // Opens "Verlauf" by the menu command, runs look on it, then closes it with Escape as the
    // keyboard gives it.
    void openHistory(const std::function<void(HWND)>& look)
    {
        ModalAction act(IDC_HISTORY_COPY, [&](HWND window) {
            UpdateWindow(window);
            flushEvents(0);
            look(window);
            PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
            PostMessageW(window, WM_KEYUP, VK_ESCAPE, 0xC0000001);
        });
        menuCommand(IDM_HISTORY);
        ASSERT_TRUE(act.ran);
        EXPECT_EQ(FindWindowW(nullptr, L"Verlauf"), nullptr) << "Escape closed it";
    }

    // "Speichern..." and the name typed into the system's save dialog; the name it offered.
    static std::wstring saveAs(HWND window, const std::wstring& target)
    {
        std::wstring offered;
        ModalAction save(0x47C, [&](HWND fileDialog) {
            HWND name = GetDlgItem(fileDialog, 0x47C);
            if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr))
                name = edit;
            offered = windowText(name);
            SetWindowTextW(name, target.c_str());
            SendMessageW(fileDialog, WM_COMMAND, IDOK, 0);
        });
        SendMessageW(GetDlgItem(window, IDC_HISTORY_SAVE), BM_CLICK, 0, 0);
        return offered;
    }
};

// At 96 and at 144 dpi: each player's colour at the places the layout gives, on the screen, on
// the clipboard and in the saved PNG, in the chart's size; a hidden player's not; a point's tip.
TEST_F(HistoryWindow, DrawsEachPlayersPointsWhereTheLayoutPutsThem)
{
    open(season);
    const std::wstring png = folder + L"Verlauf.png";
    std::wstring offeredName, tip;
    SIZE area = {};
    ChartLayout shown;
    openHistory([&](HWND window) {
        const ChartLayout* layout = shownChartLayout(window);
        ASSERT_NE(layout, nullptr);
        ASSERT_EQ(layout->legend.size(), 3u) << "the player without games has no point";
        EXPECT_EQ(layout->points[1].size(), 2u) << "Bert: one from the file and today's";
        area = chartArea(window);
        ScopedGetDC dc(window);
        const PixelAt screen = [&](int x, int y) { return GetPixel(dc, x, y); };
        expectColoursAtPoints(*layout, {false, false, false}, area, screen, "screen");

        const ChartPoint anna = layout->points[0][1];
        SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(anna.x + 2, anna.y - 1));
        flushEvents(0);
        HWND tipWindow = nullptr;
        while ((tipWindow = FindWindowExW(nullptr, tipWindow, TOOLTIPS_CLASSW, nullptr)))
            if (GetWindow(tipWindow, GW_OWNER) == window && IsWindowVisible(tipWindow))
                tip = windowText(tipWindow);

        // A click on Carl's name hides his line; the axis spans the others.
        const ChartRect carl = layout->legend[2].box;
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(carl.left + 2, (carl.top + carl.bottom) / 2));
        UpdateWindow(window);
        flushEvents(0);
        EXPECT_GT(layout->yLow, 160);
        expectColoursAtPoints(*layout, {false, false, true}, area, screen, "screen, Carl hidden");
        SendMessageW(GetDlgItem(window, IDC_HISTORY_COPY), BM_CLICK, 0, 0);
        offeredName = saveAs(window, png);
        shown = *layout;
    });
    EXPECT_EQ(tip, L"Anna \u2013 2 Punktspiele: LKZ 183,178");

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP)) << "offered as a bitmap too";
    const HANDLE data = GetClipboardData(CF_DIB);
    const auto* header = data ? static_cast<const BITMAPINFOHEADER*>(GlobalLock(data)) : nullptr;
    EXPECT_TRUE(header && header->biWidth == area.cx && header->biHeight == area.cy && header->biBitCount == 24);
    if (header && header->biWidth == area.cx && header->biHeight == area.cy)
        expectColoursAtPoints(
            shown, {false, false, true}, area, [&](int x, int y) { return dibPixel(*header, x, y); }, "clipboard");
    if (header)
        GlobalUnlock(data);
    CloseClipboard();

    EXPECT_EQ(offeredName, L"Kadermeister-Verlauf.png");
    GdiplusSession gdiplus;
    Gdiplus::GpBitmap* read = nullptr;
    ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromFile(png.c_str(), &read), Gdiplus::Ok);
    AutoImage picture(read);
    UINT width = 0, height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(read, &width);
    Gdiplus::DllExports::GdipGetImageHeight(read, &height);
    ASSERT_EQ(static_cast<LONG>(width), area.cx);
    ASSERT_EQ(static_cast<LONG>(height), area.cy);
    expectColoursAtPoints(shown, {false, false, true}, area, [&](int x, int y) {
        Gdiplus::ARGB argb = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(read, x, y, &argb);
        return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
    }, "PNG file");
}

// Without a point the window says how the curve comes about and offers nothing to copy or save;
// a size the user gives it is kept for the next opening, the buttons at its lower edge.
TEST_F(HistoryWindow, WithoutPointsItSaysHowTheCurveComesAbout)
{
    open();
    const auto size = [](HWND window) {
        RECT rect;
        GetWindowRect(window, &rect);
        return std::pair{rect.right - rect.left, rect.bottom - rect.top};
    };
    std::pair<LONG, LONG> changed, again;
    openHistory([&](HWND window) {
        EXPECT_TRUE(shownChartLayout(window)->empty);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_HISTORY_COPY)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_HISTORY_SAVE)));
        changed = {size(window).first + 80, size(window).second + 40};
        SetWindowPos(window, nullptr, 0, 0, changed.first, changed.second, SWP_NOMOVE | SWP_NOZORDER);
    });
    openHistory([&](HWND window) {
        again = size(window);
        RECT client, close;
        GetClientRect(window, &client);
        GetWindowRect(GetDlgItem(window, IDCANCEL), &close);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&close), 2);
        EXPECT_LT(client.bottom - close.bottom, close.bottom - close.top);
        EXPECT_LT(client.right - close.right, close.bottom - close.top);
    });
    EXPECT_EQ(again, changed);
}

// A picture that cannot be written, because another program holds the file open, is named with
// the system's reason, and the file stays as it was.
TEST_F(HistoryWindow, AFailedSaveSaysWhy)
{
    open(season);
    const std::wstring locked = folder + L"Verlauf.png";
    writeFileBytes(locked, "alt");
    {
        AutoCloseHandle other(CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        BoxWatcher boxes({IDYES});
        openHistory([&](HWND window) { saveAs(window, locked); });
        ASSERT_FALSE(boxes.boxes.empty());
        const std::wstring said = L"Die Datei konnte nicht gespeichert werden.\n";
        EXPECT_TRUE(boxes.boxes.back().text == said + systemErrorText(ERROR_SHARING_VIOLATION) ||
                    boxes.boxes.back().text == said + systemErrorText(ERROR_ACCESS_DENIED))
            << narrow(boxes.boxes.back().text);
    }
    EXPECT_EQ(readFileBytes(locked), "alt");
}

// Three match days typed in for two players: two lines of three points each, in both menus,
// the same after a restart.
TEST_F(HistoryWindow, ThreeMatchDaysTypedInMakeTwoLinesThatSurviveARestart)
{
    open("[LKZ]\r\nShowEinzel=0\r\n[Mannschaft]\r\nSaveData=1\r\nAutoCalc=1\r\nAnzahlspieler=4\r\n");
    selectLeague(3);
    HWND teams = GetDlgItem(dialog, IDC_TEAM_COUNT_FIELD), matches = GetDlgItem(dialog, IDC_MATCHES_FIELD);
    clickInto(teams);
    type(teams, L"10");
    const wchar_t* const won[2][3] = {{L"1", L"3", L"4"}, {L"2", L"3", L"5"}};
    const wchar_t* const lost[2][3] = {{L"1", L"1", L"2"}, {L"0", L"1", L"1"}};
    for (int day = 0; day < 3; ++day)
        for (int player = 0; player < 2; ++player) {
            clickTab(player);
            clickInto(matches);
            type(matches, numberText(day + 1).c_str());
            fireCommitTimer();
            for (const auto& [id, value] :
                 {std::pair{IDC_WON1_FIELD, won[player][day]}, std::pair{IDC_LOST1_FIELD, lost[player][day]}}) {
                HWND field = GetDlgItem(page, id);
                clickInto(field);
                type(field, value);
                fireCommitTimer();
            }
        }
    EXPECT_EQ(optionsMenu().text(IDM_HISTORY), L"Verlauf...");
    EXPECT_EQ(rightClickTab(0).text(IDM_HISTORY), L"Verlauf...");

    const auto lines = [&] {
        std::vector<size_t> counts;
        openHistory([&](HWND window) {
            for (const LegendEntry& entry : shownChartLayout(window)->legend)
                counts.push_back(shownChartLayout(window)->points[entry.series].size());
        });
        return counts;
    };
    EXPECT_EQ(lines(), (std::vector<size_t>{3, 3}));
    reopen();
    EXPECT_EQ(lines(), (std::vector<size_t>{3, 3})) << ini();
    EXPECT_NE(ini().find("Verlauf1=1:181.589;2:187.211;3:188.8\r\n"), std::string::npos) << ini();
}

} // namespace
