#include "rating/rating_win.h"

#include "app/main_dialog.h"
#include "app/notify.h"
#include "app/text_win.h"
#include "resource.h"

#include <cwchar>

int fieldValue(HWND parent, int id)
{
    wchar_t text[3] = L""; // at most the first two characters count
    GetDlgItemTextW(parent, id, text, 3);
    return static_cast<int>(std::wcstol(text, nullptr, 10));
}

void setFieldValue(HWND parent, int id, int value)
{
    wchar_t text[16];
    swprintf(text, 16, L"%d", value);
    SetDlgItemTextW(parent, id, text);
}

LkzInputs readInputs()
{
    LkzInputs in;
    const LRESULT selection = SendDlgItemMessageW(mainDialog, IDC_LEAGUE_BOX, CB_GETCURSEL, 0, 0);
    in.league = selection == CB_ERR ? -1 : static_cast<int>(selection);
    in.teamCount = fieldValue(mainDialog, IDC_TEAM_COUNT_FIELD);
    in.matches = fieldValue(mainDialog, IDC_MATCHES_FIELD);
    in.won1 = fieldValue(pageDialog, IDC_WON1_FIELD);
    in.lost1 = fieldValue(pageDialog, IDC_LOST1_FIELD);
    in.won2 = fieldValue(pageDialog, IDC_WON2_FIELD);
    in.lost2 = fieldValue(pageDialog, IDC_LOST2_FIELD);
    in.won3 = fieldValue(pageDialog, IDC_WON3_FIELD);
    in.lost3 = fieldValue(pageDialog, IDC_LOST3_FIELD);
    return in;
}

int calculate(int interactive) { return calculateFrom(readInputs(), interactive); }

int valuesFormulaUnavailable() { return valuesFormulaUnavailable(readInputs()); }

static void showDisplayText(const std::string& text)
{
    SetDlgItemTextW(mainDialog, IDC_LKZ_DISPLAY, widen(text).c_str());
}

static void dropLeagueList() { SendDlgItemMessageW(mainDialog, IDC_LEAGUE_BOX, CB_SHOWDROPDOWN, TRUE, 0); }

static void decimalShown(int decimal)
{
    RedrawWindow(GetDlgItem(mainDialog, IDC_LKZ_DISPLAY), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    setCheck(IDC_DECIMAL_CHECK, decimal);
}

static void showMessageBox(const std::string& text, const std::string& title)
{
    MessageBoxW(mainDialog, widen(text).c_str(), widen(title).c_str(), MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

void connectRatingToWindow()
{
    lkzView.showText = showDisplayText;
    lkzView.paintInputMarks = paintInputMarks;
    lkzView.clearInputMarks = clearInputMarks;
    lkzView.dropLeagueList = dropLeagueList;
    lkzView.decimalShown = decimalShown;
    setMessageSink(showMessageBox);
}
