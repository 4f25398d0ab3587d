// Entry point: the settings file, the single-instance rule and the modal main dialog.
#include "app/main_dialog_win.h"
#include "base/version.h"
#include "base/dialogs_win.h"
#include "resource.h"
#include "settings/settings_location_win.h"
#include "settings/settings_win.h"

#include <commctrl.h>

#include <cstdlib>

// A window program has no console for the library's verbose message on an uncaught exception;
// leaving that handler out also leaves out the name demangler it carries (some 45 KB).
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
} // namespace __gnu_cxx

// The program catches no exception, so a failed library check (a string too long, memory gone)
// ends it just as the uncaught exception would. Raising none keeps the library's exception
// classes, and the second string implementation they carry, out of the program (some 35 KB).
namespace std {
void __throw_bad_alloc() { std::abort(); }
void __throw_bad_array_new_length() { std::abort(); }
void __throw_bad_function_call() { std::abort(); }
void __throw_length_error(const char*) { std::abort(); }
void __throw_logic_error(const char*) { std::abort(); }
void __throw_out_of_range_fmt(const char*, ...) { std::abort(); }
} // namespace std

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
