#include "app/main_dialog_query_win.h"

#include "app/main_window_win.h"
#include "base/dialog_state_win.h"
#include "update/version_check_win.h"

HWND mainDialogTooltip(HWND dialog)
{
    const MainWindow* window = dialogState<MainWindow>(dialog);
    return window && window->controlTooltip ? window->controlTooltip->window() : nullptr;
}

bool mainDialogCheckingForUpdate(HWND dialog)
{
    const MainWindow* window = dialogState<MainWindow>(dialog);
    return window && versionCheckRunning(window->update);
}

TeamModel mainDialogModel(HWND dialog)
{
    const MainWindow* window = dialogState<MainWindow>(dialog);
    return window ? window->model : TeamModel{};
}
