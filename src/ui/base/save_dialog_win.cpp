#include "base/save_dialog_win.h"

#include "base/libraries_win.h"
#include "base/system_win.h"
#include "base/text_win.h"

#include <commdlg.h>

#include <iterator>

namespace {

// The system's file dialog of a feature: ask is its save or its open function; dialog's
// lpstrFile, if any, the name it starts with.
std::wstring askPath(HWND owner, Feature feature, BOOL(WINAPI* ask)(OPENFILENAMEW*), OPENFILENAMEW& dialog)
{
    if (!loadLibrariesFor(feature, owner))
        return {};
    ComApartment com;
    wchar_t path[MAX_PATH] = L"";
    if (dialog.lpstrFile)
        lstrcpynW(path, dialog.lpstrFile, MAX_PATH);
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags |= OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return ask(&dialog) ? std::wstring(path) : std::wstring();
}

} // namespace

std::wstring askSavePath(HWND owner, const wchar_t* name, const wchar_t* filter, const wchar_t* extension)
{
    const std::wstring folder = programFolder();
    OPENFILENAMEW dialog = {};
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = const_cast<wchar_t*>(name); // only the first name: askPath copies it
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrDefExt = extension;
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
    return askPath(owner, Feature::SaveDialog, GetSaveFileNameW, dialog);
}

std::wstring askOpenPath(HWND owner, const wchar_t* filter)
{
    OPENFILENAMEW dialog = {};
    dialog.lpstrFilter = filter;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    return askPath(owner, Feature::OpenDialog, GetOpenFileNameW, dialog);
}

void tellSaveFailed(HWND owner, const std::wstring& reason)
{
    std::wstring text = L"Die Datei konnte nicht gespeichert werden.";
    if (!reason.empty())
        text += L"\n" + reason;
    MessageBoxW(owner, text.c_str(), L"Speichern", MB_OK | MB_ICONERROR);
}

std::wstring systemErrorText(DWORD error)
{
    wchar_t buffer[512] = L"";
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                                        0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    std::wstring text(buffer, length);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    // widen, not to_wstring: the wide formatting would add 10 KB to the program.
    return text.empty() ? widen("Fehler " + std::to_string(error)) : text;
}
