#include "display/calculate_win.h"

#include "controls/input_fields_win.h"

int calculate(MainWindow& window, int interactive)
{
    return calculateFrom(window.model, window.view, readInputs(window), interactive);
}

void recalculate(MainWindow& window)
{
    if (window.model.active().autoCalc)
        calculate(window, 0);
    else
        clearLkz(window.model, window.view);
}
