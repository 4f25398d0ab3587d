// The player page: the pair limit on spin steps and the clear buttons.
#include "main_dialog_fixture.h"


namespace {

class PlayerPage : public MainDialogTest {
protected:
    // Automatic calculation on, "Oberliga" with 10 teams, and the given matches.
    void startComputing(const wchar_t* matches)
    {
        open();
        click(dialog, IDC_AUTO_CALC_CHECK);
        selectLeague(3);
        setText(dialog, IDC_TEAM_COUNT_FIELD, L"10");
        setText(dialog, IDC_MATCHES_FIELD, matches);
    }
};

TEST_F(PlayerPage, SpinStepsKeepEachRowWithinTwiceTheMatches)
{
    open("[Einzelspieler]\r\nSaveData=1\r\n");
    setText(dialog, IDC_MATCHES_FIELD, L"5"); // L = 10
    const struct {
        const wchar_t *won, *lost;
        int spin;
        bool up;
        const wchar_t *wonAfter, *lostAfter;
    } cases[] = {
        // The core's table has every case; a step up and a step down prove the wiring.
        {L"6", L"4", IDC_WON2_SPIN, true, L"7", L"3"},
        {L"6", L"4", IDC_LOST2_SPIN, false, L"6", L"3"},
    };
    for (const bool byKey : {false, true})
        for (const auto& c : cases) {
            setText(page, IDC_WON2_FIELD, c.won);
            setText(page, IDC_LOST2_FIELD, c.lost);
            stepSpin(page, c.spin, c.up, byKey);
            const auto how = byKey ? " (arrow key)" : " (click)";
            EXPECT_EQ(text(page, IDC_WON2_FIELD), c.wonAfter) << c.won << ":" << c.lost << how;
            EXPECT_EQ(text(page, IDC_LOST2_FIELD), c.lostAfter) << c.won << ":" << c.lost << how;
        }
    close();
    EXPECT_NE(ini().find("Spieler1=-1120500000603"), std::string::npos) << "the end of a step stores the page";
}

TEST_F(PlayerPage, StepsRecomputeWithAutomaticCalculation)
{
    startComputing(L"9");
    setText(page, IDC_WON1_FIELD, L"9");
    setText(page, IDC_LOST1_FIELD, L"4");
    setText(page, IDC_WON2_FIELD, L"2");
    setText(page, IDC_LOST2_FIELD, L"1");
    clickSpin(page, IDC_WON1_SPIN, true);
    EXPECT_EQ(display(), L"207");
}

TEST_F(PlayerPage, ClearButtonsEmptyTheirRow)
{
    startComputing(L"2");
    setText(page, IDC_WON1_FIELD, L"1");
    setText(page, IDC_LOST1_FIELD, L"1");
    setText(page, IDC_WON3_FIELD, L"9"); // implausible: 11 singles in 2 matches
    selectLeague(4);
    EXPECT_EQ(display(), L"0");
    EXPECT_TRUE(framedRed(Won3));

    click(page, IDC_CLEAR3_BUTTON);
    EXPECT_EQ(text(page, IDC_WON3_FIELD), L"0");
    EXPECT_EQ(text(page, IDC_LOST3_FIELD), L"0");
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"1") << "other rows stay";
    EXPECT_FALSE(framedRed(Won3));
    EXPECT_EQ(display(), L"165");

    // Without automatic calculation the display shows zero and nothing is computed.
    click(dialog, IDC_AUTO_CALC_CHECK);
    click(dialog, IDC_DECIMAL_CHECK);
    click(page, IDC_CLEAR1_BUTTON);
    EXPECT_EQ(display(), L"0,0");
    EXPECT_EQ(text(page, IDC_WON1_FIELD), L"0");
}

} // namespace
