// The options: their check boxes and the colour of the focused field.
#include "app/main_window_parts_win.h"

#include "base/libraries_win.h"
#include "display/calculate.h"
#include "base/dialogs_win.h"
#include "resource.h"

#include <commdlg.h>

namespace {

bool isChecked(const MainWindow& window, int id) { return IsDlgButtonChecked(window.dialog, id) == BST_CHECKED; }

} // namespace

void toggleOnTop(MainWindow& window)
{
    const int on = isChecked(window, IDC_ON_TOP_CHECK) ? 0 : 1;
    placeOnTop(window.dialog, on);
    setCheck(window.dialog, IDC_ON_TOP_CHECK, on);
    window.model.onTop = on;
}

void toggleAutoCalc(MainWindow& window)
{
    clearInputMarks(window);
    if (isChecked(window, IDC_AUTO_CALC_CHECK)) {
        window.model.active().autoCalc = 0;
        clearMarks(window.model);
        clearLkz(window.model, window.view);
        setCheck(window.dialog, IDC_AUTO_CALC_CHECK, 0);
    } else {
        window.model.active().autoCalc = 1;
        calculate(window, 0);
        setCheck(window.dialog, IDC_AUTO_CALC_CHECK, 1);
    }
}

void toggleSaveData(MainWindow& window)
{
    const int on = isChecked(window, IDC_SAVE_DATA_CHECK) ? 0 : 1;
    window.model.active().saveData = on;
    setCheck(window.dialog, IDC_SAVE_DATA_CHECK, on);
}

void chooseHighlightColour(MainWindow& window)
{
    if (!loadLibrariesFor(Feature::ColourDialog, window.dialog))
        return;
    COLORREF customColours[16];
    for (COLORREF& colour : customColours)
        colour = RGB(255, 255, 255);
    customColours[0] = RGB(255, 255, 160);
    CHOOSECOLORW choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = window.dialog;
    choose.rgbResult = window.model.highlightColour;
    choose.lpCustColors = customColours;
    choose.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    if (ChooseColorW(&choose))
        window.model.highlightColour = choose.rgbResult;
    if (window.lastFocused) {
        restoreFocus(window);
        SendMessageW(window.lastFocused, WM_NCPAINT, 1, 0);
    }
}
