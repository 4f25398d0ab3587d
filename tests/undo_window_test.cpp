// Undo and redo in the real main dialog: by the menus and by Ctrl+Z and Ctrl+Y as the dialog's
// loop hands the keys on, for every change that removes or rearranges data.
#include "main_dialog_fixture.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

class Undo : public MainDialogTest {
protected:
    std::wstring undoItem() { return optionsMenu().text(IDM_UNDO); }
    std::wstring redoItem() { return rightClickTab(currentTab()).text(IDM_REDO); }
};

// Twelve players in Oberliga, each with his number of games won in the first Paarkreuz.
std::string teamOfTwelve()
{
    std::vector<std::string> values;
    for (int n = 1; n <= 12; ++n)
        values.push_back("03100502" + std::string(n < 10 ? "0" : "") + std::to_string(n) + "00000000");
    return savedTeam(values, "AutoCalc=1\r\n", "SpielerName3=Eva\r\n");
}

TEST_F(Undo, DeletingShrinkingAndClearingComeBackAndGoAgain)
{
    open(teamOfTwelve());
    const std::vector<std::wstring> twelve = tabLabels();
    EXPECT_EQ(undoItem(), L"Rückgängig\tStrg+Z");
    EXPECT_TRUE(optionsMenu().grayed(IDM_UNDO)) << "nothing to undo yet";

    // Eva deleted by the tab menu, back with Ctrl+Z where the focus is, gone again with Ctrl+Y.
    clickTab(2);
    menuCommand(IDM_DELETE_PLAYER);
    EXPECT_EQ(tabCount(), 11);
    EXPECT_EQ(undoItem(), L"Rückgängig: Spieler löschen\tStrg+Z");
    SetFocus(GetDlgItem(dialog, IDC_MATCHES_FIELD));
    controlKey('Z');
    EXPECT_EQ(tabLabels(), twelve);
    EXPECT_EQ(currentTab(), 3) << "the player shown when undoing stays shown";
    clickTab(2);
    EXPECT_EQ(games(), L"2:3 0:0 0:0") << "Eva with her values";
    EXPECT_EQ(redoItem(), L"Wiederholen: Spieler löschen\tStrg+Y");
    controlKey('Y');
    EXPECT_EQ(tabCount(), 11);
    controlKey('Z');

    // Twelve shrunk to eight and back by the menu item; the four come back with their values.
    setText(dialog, IDC_PLAYER_COUNT_FIELD, L"8");
    click(dialog, IDC_APPLY_COUNT_BUTTON);
    EXPECT_EQ(tabCount(), 8);
    EXPECT_EQ(undoItem(), L"Rückgängig: Anzahl der Spieler\tStrg+Z");
    menuCommand(IDM_UNDO);
    EXPECT_EQ(tabLabels(), twelve);
    EXPECT_EQ(text(dialog, IDC_PLAYER_COUNT_FIELD), L"12");
    clickTab(11);
    EXPECT_EQ(games(), L"2:12 0:0 0:0");

    // A Paarkreuz cleared, then undone: its games, the LKZ and the display come back.
    const std::wstring shown = display();
    click(page, IDC_CLEAR1_BUTTON);
    EXPECT_EQ(games(), L"0:0 0:0 0:0");
    menuCommand(IDM_UNDO);
    EXPECT_EQ(games(), L"2:12 0:0 0:0");
    EXPECT_EQ(display(), shown);

    // A new change after an undo leaves nothing to redo.
    menuCommand(IDM_DELETE_PLAYER);
    EXPECT_TRUE(rightClickTab(0).grayed(IDM_REDO));

    // What the window shows is what the exit saves.
    menuCommand(IDM_UNDO);
    close();
    const std::string saved = ini();
    EXPECT_NE(saved.find("Anzahlspieler=12"), std::string::npos);
    EXPECT_NE(saved.find("SpielerName3=Eva"), std::string::npos);
    EXPECT_NE(saved.find("Spieler12=031005021200000000"), std::string::npos) << saved;
}

// Renaming and moving are undone too; the rename field keeps Ctrl+Z for its own text.
TEST_F(Undo, RenamesAndMovesComeBackWhileTheRenameFieldKeepsItsKeys)
{
    open(teamOfTwelve());
    doubleClickTab(0);
    HWND rename = GetDlgItem(dialog, IDC_RENAME_FIELD);
    type(rename, L"Anna");
    controlKey('Z'); // the field's own undo, not the squad's
    EXPECT_TRUE(IsWindowVisible(rename));
    EXPECT_EQ(text(dialog, IDC_RENAME_FIELD), L"Nr. 1");
    SendMessageW(rename, EM_SETSEL, 0, -1);
    type(rename, L"Anna");
    SetFocus(GetDlgItem(dialog, IDC_MATCHES_FIELD)); // the rename ends, the name is kept
    EXPECT_EQ(tabLabel(0), L"Anna");
    menuCommand(IDM_MOVE_BACK);
    EXPECT_EQ(tabLabel(1), L"Anna");
    EXPECT_EQ(undoItem(), L"Rückgängig: Aufstellung ändern\tStrg+Z");
    menuCommand(IDM_UNDO);
    EXPECT_EQ(tabLabel(0), L"Anna");
    EXPECT_EQ(undoItem(), L"Rückgängig: Umbenennen\tStrg+Z");
    menuCommand(IDM_UNDO);
    EXPECT_EQ(tabLabel(0), L"Nr. 1");
}

TEST_F(Undo, EachStepGoesBackAloneAndTheLkzOrderStays)
{
    open(teamOfTwelve());
    menuCommand(IDM_SORT_BY_LKZ);
    const std::vector<std::wstring> start = tabLabels();
    // The strip's left arrow, until Eva's tab, the first, is in sight.
    RECT first = {};
    for (int step = 0; step < 20 && (!TabCtrl_GetItemRect(tabs, 0, &first) || first.right <= first.left); ++step)
        SendMessageW(tabs, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 0), 0);
    clickTab(static_cast<int>(std::find(start.begin(), start.end(), L"Eva") - start.begin()));
    ASSERT_EQ(tabLabel(currentTab()), L"Eva");
    menuCommand(IDM_DELETE_PLAYER);
    const std::vector<std::wstring> withoutEva = tabLabels();
    // A number typed and not yet committed is the step Ctrl+Z takes back first.
    HWND won2 = GetDlgItem(page, IDC_WON2_FIELD);
    SetFocus(won2);
    type(won2, L"5");
    const std::wstring shown = tabLabel(currentTab());
    controlKey('Z');
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"0");
    EXPECT_EQ(tabLabels(), withoutEva) << "the deleted player stays deleted";
    EXPECT_EQ(undoItem(), L"Rückgängig: Spieler löschen\tStrg+Z");
    SetFocus(won2);
    controlKey('Z');
    const std::vector<std::wstring> back = tabLabels();

    EXPECT_EQ(back.size(), start.size());
    EXPECT_NE(std::find(back.begin(), back.end(), L"Eva"), back.end()) << "Eva back";
    EXPECT_TRUE(rightClickTab(currentTab()).checked(IDM_SORT_BY_LKZ));
    controlKey('Y');
    EXPECT_EQ(tabLabels(), withoutEva);
    EXPECT_EQ(redoItem(), L"Wiederholen: Eingabe bei " + shown + L"\tStrg+Y");
    controlKey('Y');
    EXPECT_EQ(tabLabel(currentTab()), shown);
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"5");

    // Three clicks on one spin's arrow are one step.
    for (int click = 0; click < 3; ++click)
        clickSpin(page, IDC_WON3_SPIN, true);
    EXPECT_EQ(text(page, IDC_WON3_FIELD), L"3");
    controlKey('Z');
    EXPECT_EQ(text(page, IDC_WON3_FIELD), L"0");
    EXPECT_EQ(text(page, IDC_WON2_FIELD), L"5");
}

} // namespace
