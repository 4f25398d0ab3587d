#include "base/libraries_win.h"


#include <objbase.h>

#include <string>

namespace {

// What each feature calls beyond the main window's libraries.
const struct {
    Feature feature;
    const wchar_t* names[4];
} featureLibraries[] = {
    {Feature::Update, {L"wininet.dll", L"bcrypt.dll", L"shell32.dll", L"ole32.dll"}},
    {Feature::Links, {L"shell32.dll", L"ole32.dll"}},
    {Feature::SaveDialog, {L"comdlg32.dll", L"ole32.dll"}},
    {Feature::OpenDialog, {L"comdlg32.dll", L"ole32.dll"}},
    {Feature::ColourDialog, {L"comdlg32.dll"}},
    {Feature::Chart, {L"gdiplus.dll", L"ole32.dll"}},
};

// By full path: a library of the same name beside the program is never taken instead. Once
// loaded, the delayed imports find it by name. It stays loaded, as their calls point into it.
bool loadSystemLibrary(const wchar_t* name)
{
    if (GetModuleHandleW(name))
        return true;
    wchar_t folder[MAX_PATH] = L"";
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    return LoadLibraryW((std::wstring(folder) + L"\\" + name).c_str()) != nullptr;
}

} // namespace

bool loadLibrariesFor(Feature feature, HWND owner)
{
    for (const auto& entry : featureLibraries) {
        if (entry.feature != feature)
            continue;
        for (const wchar_t* name : entry.names) {
            if (!name || loadSystemLibrary(name))
                continue;
            const std::wstring text = L"Die Systembibliothek \"" + std::wstring(name) +
                                      L"\" konnte nicht geladen werden. Diese Funktion steht deshalb nicht zur Verfügung.";
            MessageBoxW(owner, text.c_str(), L"Fehler", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
            return false;
        }
    }
    return true;
}

ComApartment::ComApartment()
    : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
{
}

ComApartment::~ComApartment()
{
    if (initialised_)
        CoUninitialize();
}
