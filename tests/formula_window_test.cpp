// The formula window opened from "LKZ-Formel": the picture, the formula with values, closing.
#include "main_dialog_fixture.h"

#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/text_win.h"
#include "display/formula_win.h"

#include <algorithm>
#include <functional>
#include <vector>

namespace {

class FormulaWindow : public MainDialogTest {
protected:
    static int width(HWND window)
    {
        RECT rect;
        GetWindowRect(window, &rect);
        return rect.right - rect.left;
    }
    static bool pictureShown(HWND window) { return IsWindowVisible(GetDlgItem(window, IDC_FORMULA_PICTURE)) != 0; }
    static void doubleClick(HWND window)
    {
        SendMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 10));
    }
    // Opens the window with the button, lets look see it, and closes it with closing.
    bool open(const std::function<void(HWND)>& look, UINT closing = WM_COMMAND, WPARAM how = IDCANCEL)
    {
        ModalAction action(IDC_FORMULA_PICTURE, [&](HWND window) {
            look(window);
            SendMessageW(window, closing, how, 0);
        });
        click(dialog, IDC_FORMULA_BUTTON);
        return action.ran;
    }
    void setInputs(int league, const wchar_t* teams, const wchar_t* matches, const wchar_t* won1,
                   const wchar_t* lost1, const wchar_t* won2 = L"0", const wchar_t* lost2 = L"0")
    {
        SendDlgItemMessageW(dialog, IDC_LEAGUE_BOX, CB_SETCURSEL, league, 0);
        setText(dialog, IDC_TEAM_COUNT_FIELD, teams);
        setText(dialog, IDC_MATCHES_FIELD, matches);
        setText(page, IDC_WON1_FIELD, won1);
        setText(page, IDC_LOST1_FIELD, lost1);
        setText(page, IDC_WON2_FIELD, won2);
        setText(page, IDC_LOST2_FIELD, lost2);
    }
};

// The pixels of a bitmap as 32-bit colours, top row first.
std::vector<COLORREF> pixels(HBITMAP bitmap, SIZE& size)
{
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    size = {info.bmWidth, info.bmHeight};
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight; // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<COLORREF> bits(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    ScopedGetDC screen(nullptr);
    GetDIBits(screen, bitmap, 0, info.bmHeight, bits.data(), &format, DIB_RGB_COLORS);
    return bits;
}

// The right end of what is drawn dark in the client area of window, in client pixels; 0 for none.
int inkRight(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    ScopedGetDC dc(window);
    HDC memory = CreateCompatibleDC(dc);
    AutoBitmap canvas(CreateCompatibleBitmap(dc, client.right, client.bottom));
    HGDIOBJ old = SelectObject(memory, canvas.get());
    BitBlt(memory, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    SIZE size = {};
    const std::vector<COLORREF> bits = pixels(canvas.get(), size);
    int right = 0;
    for (int y = 0; y < size.cy; ++y)
        for (int x = right; x < size.cx; ++x) {
            const COLORREF c = bits[static_cast<size_t>(y) * size.cx + x];
            if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 96)
                right = x + 1;
        }
    return right;
}

// The program carries the pictures run-length encoded; the system must read them back exactly
// as drawn, at 100 % and at 150 %.
TEST_F(FormulaWindow, ThePictureIsTheDrawnFormulaPixelForPixel)
{
    MainDialogTest::open();
    const bool large = displayDpi() >= 132;
    const std::wstring drawn = widen(KM_BUILD_DIR) + (large ? L"/formula150.bmp" : L"/formula.bmp");
    AutoBitmap plain(static_cast<HBITMAP>(
        LoadImageW(nullptr, (L"Z:" + drawn).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
    ASSERT_TRUE(plain) << narrow(drawn);
    SIZE plainSize = {}, shownSize = {};
    const std::vector<COLORREF> expected = pixels(plain.get(), plainSize);
    EXPECT_EQ(plainSize.cx, large ? 982 : 655);
    EXPECT_TRUE(open([&](HWND window) {
        auto shown = reinterpret_cast<HBITMAP>(SendDlgItemMessageW(window, IDC_FORMULA_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_NE(shown, nullptr);
        const std::vector<COLORREF> actual = pixels(shown, shownSize);
        EXPECT_EQ(shownSize.cx, plainSize.cx);
        EXPECT_EQ(shownSize.cy, plainSize.cy);
        EXPECT_TRUE(actual == expected);
        const auto dark = std::count_if(actual.begin(), actual.end(), [](COLORREF c) {
            return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 64;
        });
        EXPECT_GT(dark, 500) << "the text of the formula is there";
    }));
}

TEST_F(FormulaWindow, ImplausibleInputsKeepTheStandardPicture)
{
    MainDialogTest::open();
    int templateWidth = 0;
    const struct {
        const char* what;
        int league;
        const wchar_t *teams, *matches, *won1;
    } cases[] = {
        // The core decides for every input; a failing check and no games prove the wiring.
        {"no league", -1, L"10", L"5", L"5"},
        {"no games", 3, L"10", L"5", L"0"},
    };
    for (const auto& c : cases) {
        setInputs(c.league, c.teams, c.matches, c.won1, L"0");
        const bool opened = open([&](HWND window) {
            EXPECT_TRUE(pictureShown(window)) << c.what;
            if (!templateWidth)
                templateWidth = width(window);
            EXPECT_EQ(width(window), templateWidth) << c.what;
            doubleClick(window);
            EXPECT_TRUE(pictureShown(window)) << c.what << ": double clicks are ignored";
            EXPECT_EQ(width(window), templateWidth) << c.what;
        });
        EXPECT_TRUE(opened) << c.what;
    }
    EXPECT_GT(templateWidth, 400);
}

TEST_F(FormulaWindow, ShowsTheValuesAndSwitchesToThePicture)
{
    MainDialogTest::open();
    click(dialog, IDC_AUTO_CALC_CHECK);
    setInputs(3, L"10", L"9", L"10", L"4", L"2", L"1");
    click(dialog, IDC_CALCULATE_BUTTON);
    const std::wstring shown = display();
    ASSERT_EQ(shown, L"207");

    int templateWidth = 0, valuesWidth = 0, drawn = 0;
    EXPECT_TRUE(open([&](HWND window) {
        EXPECT_FALSE(pictureShown(window));
        valuesWidth = width(window);
        RECT client;
        GetClientRect(window, &client);
        UpdateWindow(window);
        drawn = inkRight(window);
        EXPECT_GT(drawn, 300);
        EXPECT_LT(drawn, client.right - scaled(10)) << "nothing clipped, a margin to the right";
        doubleClick(window);
        EXPECT_TRUE(pictureShown(window));
        templateWidth = width(window);
        doubleClick(window);
        EXPECT_FALSE(pictureShown(window));
        EXPECT_EQ(width(window), valuesWidth);
    }, WM_COMMAND, IDOK));
    EXPECT_LT(valuesWidth, drawn + scaled(40)) << "as wide as the formula and a margin";
    EXPECT_NE(valuesWidth, templateWidth);

    // A right-button release closes it too; the main dialog shows what it showed.
    EXPECT_TRUE(open([](HWND) {}, WM_RBUTTONUP, 0));
    EXPECT_EQ(display(), shown);
    for (int kind = League; kind <= Lost3; ++kind)
        EXPECT_FALSE(framedRed(kind)) << kind;
}

} // namespace
