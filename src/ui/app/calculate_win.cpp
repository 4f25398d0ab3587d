// The nine inputs of the main dialog and its page as the LKZ display reads them.
#include "app/main_window_parts_win.h"

#include "controls/focus_win.h"
#include "controls/input_fields_win.h"
#include "display/calculate.h"

HWND inputWindow(const MainWindow& window, int kind) { return inputWindow(window.inputs(), kind); }

int calculate(MainWindow& window, int interactive)
{
    return calculateFrom(window.model, window.view, readInputs(window.inputs()), interactive);
}

void recalculate(MainWindow& window)
{
    if (window.model.active().autoCalc)
        calculate(window, 0);
    else
        clearLkz(window.model, window.view);
}

void paintInputMarks(const MainWindow& window)
{
    paintInputMarks(window.inputs(), currentPlayer(window.model.active()), window.model.singleMode != 0);
}

void clearInputMarks(const MainWindow& window) { clearInputMarks(window.inputs()); }

void onCalculateButton(MainWindow& window)
{
    calculate(window, 1);
    // A list dropped for "no league" stays open; moving the focus would close it.
    if (!SendMessageW(inputWindow(window, League), CB_GETDROPPEDSTATE, 0, 0))
        restoreFocus(window);
}

void restoreFocus(MainWindow& window) { restoreFocus(window.dialog, window.lastFocused); }
