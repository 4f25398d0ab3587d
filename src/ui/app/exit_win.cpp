// The exit sequence: "Beenden", closing the window, Alt+F4 and the end of the session.
#include "app/main_window_parts_win.h"

#include "base/text_win.h"
#include "settings/settings_win.h"
#include "settings/startup.h"
#include "update/version_check_win.h"

void closeMainDialog(MainWindow& window)
{
    if (window.closing)
        return;
    window.closing = true;
    // A running update check ends first: it must not write into windows that are going.
    stopVersionCheck(window.update);
    // A commit still queued must reach the players before they are saved, and none after.
    stopTyping(window);
    releaseLkzDisplay(window);
    window.highlightBrush.reset();
    if (!window.iniPath.empty() && !saveTeamModel(window.iniPath, window.model))
        showErrorMessage(window.view, iniSaveFailedText(narrow(window.iniPath)), "Speichern");
    destroyTooltips(window);
    EndDialog(window.dialog, 0);
}
