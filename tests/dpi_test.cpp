// The layout at the display's resolution: run once at 96 dpi with the other tests and once more
// at 144 dpi (150 %) by scripts/test.sh, which says so in KM_EXPECT_DPI.
#include "main_dialog_fixture.h"

#include "base/dpi_win.h"
#include "team/team.h"

#include <cstdlib>
#include <utility>

namespace {

using Dpi = MainDialogTest;

bool isRed(HDC dc, int x, int y) { return GetPixel(dc, x, y) == RGB(255, 0, 0); }

TEST_F(Dpi, RunsAtTheExpectedResolution)
{
    const char* expected = std::getenv("KM_EXPECT_DPI");
    EXPECT_EQ(displayDpi(), expected ? std::atoi(expected) : displayDpi());
    EXPECT_EQ(scaled(96), displayDpi());
}

// The red frame: 2 px at 96 dpi, one pixel of gap round field and spin, all scaled; no label
// covers any of it.
TEST_F(Dpi, RedFramesHugFieldAndSpin)
{
    open();
    click(dialog, IDC_AUTO_CALC_CHECK);
    selectLeague(3);
    setText(dialog, IDC_TEAM_COUNT_FIELD, L"10");
    setText(dialog, IDC_MATCHES_FIELD, L"2");
    setText(page, IDC_WON2_FIELD, L"9"); // implausible: 10 singles in 2 matches
    setText(page, IDC_LOST2_FIELD, L"1");
    selectLeague(4);
    ScopedGetDC dc(page);
    const int gap = scaled(1), width = scaled(2);
    for (const auto& [fieldId, spinId] : {std::pair{IDC_WON2_FIELD, IDC_WON2_SPIN}, std::pair{IDC_LOST2_FIELD, IDC_LOST2_SPIN}}) {
        RECT field, spin, both;
        GetWindowRect(GetDlgItem(page, fieldId), &field);
        GetWindowRect(GetDlgItem(page, spinId), &spin);
        UnionRect(&both, &field, &spin);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&both), 2);
        const int middleY = (both.top + both.bottom) / 2;
        const int middleX = (both.left + both.right) / 2;
        for (int i = 0; i < width; ++i) {
            EXPECT_TRUE(isRed(dc, both.left - gap - 1 - i, middleY)) << fieldId << " left, " << i;
            EXPECT_TRUE(isRed(dc, both.right + gap + i, middleY)) << fieldId << " right, " << i;
            EXPECT_TRUE(isRed(dc, middleX, both.top - gap - 1 - i)) << fieldId << " top, " << i;
            EXPECT_TRUE(isRed(dc, middleX, both.bottom + gap + i)) << fieldId << " bottom, " << i;
        }
        EXPECT_FALSE(isRed(dc, both.left - gap - 1 - width, middleY)) << fieldId << ": no wider than its width";
        EXPECT_FALSE(isRed(dc, both.left - 1, middleY)) << fieldId << ": the gap stays free";
    }
}

TEST_F(Dpi, TheRenameFieldLiesOverTheSelectedTab)
{
    open("[LKZ]\r\nShowEinzel=0\r\n");
    doubleClickTab(2);
    HWND rename = GetDlgItem(dialog, IDC_RENAME_FIELD);
    ASSERT_TRUE(IsWindowVisible(rename));
    RECT field, tab;
    GetWindowRect(rename, &field);
    TabCtrl_GetItemRect(tabs, 2, &tab);
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&tab), 2);
    EXPECT_GT(field.left, tab.left);
    EXPECT_LT(field.right, tab.right);
    EXPECT_GE(field.top, tab.top - scaled(2));
    EXPECT_LE(field.bottom, tab.bottom + scaled(2));
}

// The standard picture, drawn at build time for 100 % and for 150 %, fits its window.
TEST_F(Dpi, TheFormulaPictureFitsTheResolution)
{
    open(); // no league yet: the window shows the standard picture
    int pictureWidth = 0, clientWidth = 0;
    ModalAction look(IDC_FORMULA_PICTURE, [&](HWND window) {
        RECT rect;
        GetWindowRect(GetDlgItem(window, IDC_FORMULA_PICTURE), &rect);
        pictureWidth = rect.right - rect.left;
        GetClientRect(window, &rect);
        clientWidth = rect.right;
        SendMessageW(window, WM_COMMAND, IDOK, 0);
    });
    click(dialog, IDC_FORMULA_BUTTON);
    ASSERT_TRUE(look.ran);
    EXPECT_NEAR(pictureWidth, displayDpi() >= 132 ? 982 : 655, 1);
    EXPECT_LE(pictureWidth, clientWidth);
}

} // namespace
