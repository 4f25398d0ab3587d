#include "app/main_window_win.h"

#include "app/main_window_parts_win.h"
#include "base/dialogs_win.h"
#include "base/text_win.h"
#include "resource.h"

void DialogView::showLkzText(const std::string& text)
{
    setWindowTextIfChanged(GetDlgItem(window_.dialog, IDC_LKZ_DISPLAY), widen(text));
}

void DialogView::paintInputMarks() { ::paintInputMarks(window_); }

void DialogView::clearInputMarks() { ::clearInputMarks(window_); }

void DialogView::dropLeagueList() { SendMessageW(inputWindow(window_, League), CB_SHOWDROPDOWN, TRUE, 0); }

void DialogView::showDecimal(int decimal)
{
    RedrawWindow(GetDlgItem(window_.dialog, IDC_LKZ_DISPLAY), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    setCheck(window_.dialog, IDC_DECIMAL_CHECK, decimal);
}

BoxAnswer DialogView::showMessage(const std::string& text, const std::string& title, BoxButtons buttons, BoxIcon icon)
{
    return showMessageBox(window_.dialog, text, title, buttons, icon);
}
