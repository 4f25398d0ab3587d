#include "base/save_dialog_win.h"

#include "base/libraries_win.h"
#include "base/system_win.h"

#include <commdlg.h>

std::wstring askSavePath(HWND owner, const wchar_t* name, const wchar_t* filter, const wchar_t* extension)
{
    if (!loadLibrariesFor(Feature::SaveDialog, owner))
        return {};
    ComApartment com;
    wchar_t path[MAX_PATH] = L"";
    lstrcpynW(path, name, MAX_PATH);
    const std::wstring folder = programFolder();
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return GetSaveFileNameW(&dialog) ? std::wstring(path) : std::wstring();
}

void tellSaveFailed(HWND owner)
{
    MessageBoxW(owner, L"Die Datei konnte nicht gespeichert werden.", L"Speichern", MB_OK | MB_ICONERROR);
}
