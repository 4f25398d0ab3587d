// Entry point: the settings file, the single-instance rule and the modal main dialog.
#include "app/main_dialog_win.h"
#include "base/version.h"
#include "base/dialogs_win.h"
#include "resource.h"
#include "settings/settings_location_win.h"
#include "settings/settings_win.h"

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    MainDialogStart start;
    const SettingsFile settings = chooseSettingsFile();
    start.iniPath = settings.iniPath;
    start.updateFolder = settings.updateFolder;
    // Held for the whole run: a second start on the same settings file hands over to this one.
    AutoCloseHandle instanceLock;
    if (!severalInstancesAllowed(profileStore(start.iniPath))) {
        bool running = false;
        instanceLock = becomeTheOnlyInstance(start.iniPath, running);
        if (running)
            return 0;
    }
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_UPDOWN_CLASS | ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                          ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_MAIN), nullptr, mainDialogProc,
                                            reinterpret_cast<LPARAM>(&start)));
}
