#include "display/calculate_win.h"

#include "base/text_win.h"
#include "base/view.h"
#include "controls/dialogs_win.h"
#include "controls/input_fields_win.h"
#include "resource.h"

namespace {

UINT boxStyle(BoxButtons buttons, BoxIcon icon)
{
    UINT style = MB_SETFOREGROUND | (icon == BoxIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION);
    switch (buttons) {
    case BoxButtons::Ok: return style | MB_OK;
    case BoxButtons::YesNo: return style | MB_YESNO;
    case BoxButtons::YesNoCancel: return style | MB_YESNOCANCEL;
    }
    return style;
}

BoxAnswer answerOf(int result)
{
    switch (result) {
    case IDYES: return BoxAnswer::Yes;
    case IDNO: return BoxAnswer::No;
    case IDCANCEL: return BoxAnswer::Cancel;
    default: return BoxAnswer::Ok;
    }
}

class DialogView final : public View {
public:
    void showLkzText(const std::string& text) override
    {
        setWindowTextIfChanged(GetDlgItem(mainDialog, IDC_LKZ_DISPLAY), widen(text));
    }
    void paintInputMarks() override { ::paintInputMarks(); }
    void clearInputMarks() override { ::clearInputMarks(); }
    void dropLeagueList() override { SendMessageW(inputWindow(League), CB_SHOWDROPDOWN, TRUE, 0); }
    void showDecimal(int decimal) override
    {
        RedrawWindow(GetDlgItem(mainDialog, IDC_LKZ_DISPLAY), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        setCheck(IDC_DECIMAL_CHECK, decimal);
    }
    // MessageBox may be called from any thread; owned by the main dialog (or the About box over
    // it) it stays modal to it.
    BoxAnswer showMessage(const std::string& text, const std::string& title, BoxButtons buttons,
                          BoxIcon icon) override
    {
        const std::wstring wideText = widen(text), wideTitle = widen(title);
        int result = MessageBoxW(modalOwner(), wideText.c_str(), wideTitle.c_str(), boxStyle(buttons, icon));
        // An owner that closed meanwhile (the About box) fails the box: the main dialog owns it.
        if (result == 0 && mainDialog)
            result = MessageBoxW(mainDialog, wideText.c_str(), wideTitle.c_str(), boxStyle(buttons, icon));
        return answerOf(result);
    }
};

DialogView dialogView;

} // namespace

int calculate(int interactive) { return calculateFrom(readInputs(), interactive); }

int valuesFormulaUnavailable() { return valuesFormulaUnavailable(readInputs()); }

void recalculate()
{
    if (activeState().autoCalc)
        calculate(0);
    else
        clearLkz();
}

void installDialogView() { setView(&dialogView); }
