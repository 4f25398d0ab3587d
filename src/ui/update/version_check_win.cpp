#include "update/version_check_win.h"

#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/libraries_win.h"
#include "base/text_win.h"
#include "base/version.h"
#include "base/view.h"
#include "controls/dialogs_win.h"
#include "controls/frame_button_win.h"
#include "resource.h"
#include "settings/settings_location_win.h"
#include "update/site.h"
#include "update/update_rules.h"
#include "update/web_transfer_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <atomic>

namespace {

std::atomic<bool> checkRunning{false};
// The running check's thread; nothing but the exit sequence waits for it.
AutoCloseHandle versionCheckThread;
// The folder the running check downloads into, as the folder dialog shows and takes it.
std::wstring updateFolder;

const char updateTitle[] = "Update";

// A closing program asks nothing more.
BoxAnswer ask(const std::string& text, BoxButtons buttons, BoxIcon icon)
{
    if (updateStopping)
        return BoxAnswer::Cancel;
    return view().showMessage(text, updateTitle, buttons, icon);
}

bool findsExactly(const std::wstring& path, WIN32_FIND_DATAW& found)
{
    if (path.empty() || path.find_first_of(L"*?") != std::wstring::npos)
        return false;
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    FindClose(search);
    return true;
}

// ---- The folder dialog ----

void onFolderDialogInit(HWND dialog)
{
    HWND field = GetDlgItem(dialog, IDC_UPDATE_FOLDER_FIELD);
    installFrameButton(field, IDC_UPDATE_FOLDER_BROWSE, scaled(18));
    SendMessageW(field, EM_LIMITTEXT, MAX_PATH - 1, 0);
    SetWindowTextW(field, updateFolder.c_str());
}

void browseForFolder(HWND dialog)
{
    BROWSEINFOW browse = {};
    browse.hwndOwner = dialog;
    browse.lpszTitle = L"Verzeichnis auswählen:";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderW(&browse);
    if (!chosen)
        return;
    wchar_t path[MAX_PATH] = L"";
    const bool named = SHGetPathFromIDListW(chosen, path);
    CoTaskMemFree(chosen);
    if (named && path[0]) {
        SetDlgItemTextW(dialog, IDC_UPDATE_FOLDER_FIELD, path);
        updateFolder = path;
    }
}

void acceptFolder(HWND dialog)
{
    wchar_t text[MAX_PATH] = L"";
    GetDlgItemTextW(dialog, IDC_UPDATE_FOLDER_FIELD, text, MAX_PATH);
    if (isDirectory(text)) {
        updateFolder = text;
        EndDialog(dialog, 1);
        return;
    }
    // Owned by the folder dialog, so the dialog waits behind it.
    MessageBoxW(dialog, L"Das ausgewählte Verzeichnis ist ungültig!", L"Verzeichnis auswählen",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

INT_PTR CALLBACK folderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        onFolderDialogInit(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_UPDATE_FOLDER_BROWSE:
            browseForFolder(dialog);
            return TRUE;
        case IDOK:
            acceptFolder(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

bool chooseFolder()
{
    return !updateStopping &&
           DialogBoxParamW(appInstance, MAKEINTRESOURCEW(IDD_UPDATE_FOLDER), modalOwner(), folderDialogProc, 0) == 1;
}

// ---- The check ----

void runVersionCheck(WebTransfer& transfer)
{
    const std::string text = transfer.fetchText(modalOwner(), versionFileUrl(updateSite.server, updateSite.versionDir));
    if (updateStopping)
        return;
    if (!transfer.refusal().empty()) {
        ask(transfer.refusal(), BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    const VersionAnswer answer = readVersionAnswer(text, programVersion);
    if (answer.verdict == UpdateVerdict::Unusable) {
        ask("Es konnte nicht festgestellt werden, ob ein Update vorliegt.", BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    // Before any verdict: an unsigned "current" is as much the server's word as an offer.
    if (!isFromMaker(answer, updateSite.makerKey, verifyMakerSignature)) {
        ask("Die Versionsinformation des Servers ist nicht vom Hersteller signiert. Es wird nichts geladen.",
            BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    if (answer.verdict == UpdateVerdict::Current) {
        ask("Der Kadermeister ist aktuell.", BoxButtons::Ok, BoxIcon::Information);
        return;
    }
    if (ask("Es ist eine neue Version des Kadermeisters erhältlich.\nSoll die neue Version jetzt geladen werden?",
            BoxButtons::YesNo, BoxIcon::Information) != BoxAnswer::Yes)
        return;
    // Every offer starts from the program's folder, or the settings' where that may not be written.
    updateFolder = defaultUpdateFolder();
    if (!chooseFolder())
        return;
    const std::string url = downloadUrlFor(updateSite.server, answer.fileName);
    std::wstring targetPath;
    for (;;) {
        targetPath = updateFolder + L"\\" + widen(answer.fileName);
        if (!fileExists(targetPath) || updateStopping)
            break;
        const BoxAnswer overwrite = ask("Die Datei \"" + narrow(targetPath) + "\" existiert bereits. Überschreiben?",
                                        BoxButtons::YesNoCancel, BoxIcon::Information);
        if (overwrite == BoxAnswer::Yes)
            break;
        if (overwrite != BoxAnswer::No || !chooseFolder())
            return;
    }
    if (!updateStopping)
        transfer.downloadFile(url, updateFolder, targetPath, answer.sha256);
}

DWORD WINAPI versionCheckWorker(void*)
{
    {
        // The folder browser needs COM on the thread that shows it.
        ComApartment com;
        WebTransfer transfer;
        runVersionCheck(transfer);
    }
    checkRunning = false;
    return 0;
}

} // namespace

void startVersionCheck()
{
    bool idle = false;
    if (!checkRunning.compare_exchange_strong(idle, true))
        return;
    updateStopping = false;
    if (!loadLibrariesFor(Feature::UpdateCheck)) {
        checkRunning = false;
        return;
    }
    versionCheckThread.reset(CreateThread(nullptr, 0, versionCheckWorker, nullptr, 0, nullptr));
    if (!versionCheckThread) {
        checkRunning = false;
        showErrorMessage("Thread für das Abrufen der Versionsinformationen konnte nicht erstellt werden!", "Fehler");
    }
}

bool versionCheckRunning() { return checkRunning; }

void resetVersionCheck()
{
    stopVersionCheck();
    versionCheckThread.reset();
    updateStopping = false;
    updateFolder.clear();
}

void stopVersionCheck(DWORD milliseconds)
{
    if (!versionCheckThread)
        return;
    updateStopping = true;
    const HANDLE thread = versionCheckThread.get();
    const DWORD end = GetTickCount() + milliseconds;
    for (;;) {
        const DWORD now = GetTickCount();
        const DWORD left = static_cast<LONG>(end - now) > 0 ? end - now : 0;
        // The worker may be waiting for this thread to handle a status text or a resize.
        const DWORD woke = MsgWaitForMultipleObjects(1, &thread, FALSE, left, QS_SENDMESSAGE);
        if (woke != WAIT_OBJECT_0 + 1)
            break;
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    if (WaitForSingleObject(thread, 0) == WAIT_OBJECT_0)
        versionCheckThread.reset();
}

bool isDirectory(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    return findsExactly(path, found) && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool fileExists(const std::wstring& path)
{
    WIN32_FIND_DATAW found;
    return findsExactly(path, found);
}
