#include "update/version_check_win.h"

#include "base/dpi_win.h"
#include "base/handles_win.h"
#include "base/libraries_win.h"
#include "base/text_win.h"
#include "base/version.h"
#include "base/dialogs_win.h"
#include "controls/frame_button_win.h"
#include "resource.h"
#include "settings/settings_location_win.h"
#include "update/site.h"
#include "update/update_rules.h"
#include "update/web_transfer_win.h"

#include <objbase.h>
#include <shlobj.h>

#include <memory>

namespace {

const char updateTitle[] = "Update";

// Asked on the main dialog's thread; a closing program asks nothing more.
BoxAnswer ask(VersionCheckJob& check, const std::string& text, BoxButtons buttons, BoxIcon icon)
{
    return askWindowThread<BoxAnswer>(check, BoxAnswer::Cancel, [text, buttons, icon](HWND mainDialog) {
        return showMessageBox(mainDialog, text, updateTitle, buttons, icon);
    });
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

// The folder the download goes into, as the folder dialog shows and takes it; with the dialog.
std::wstring& chosenFolder(HWND dialog) { return *reinterpret_cast<std::wstring*>(GetWindowLongPtrW(dialog, DWLP_USER)); }

void onFolderDialogInit(HWND dialog, std::wstring& folder)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&folder));
    HWND field = GetDlgItem(dialog, IDC_UPDATE_FOLDER_FIELD);
    installFrameButton(field, IDC_UPDATE_FOLDER_BROWSE, scaled(18));
    SendMessageW(field, EM_LIMITTEXT, MAX_PATH - 1, 0);
    SetWindowTextW(field, folder.c_str());
}

void browseForFolder(HWND dialog)
{
    // The folder browser needs COM on the thread that shows it.
    ComApartment com;
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
        chosenFolder(dialog) = path;
    }
}

void acceptFolder(HWND dialog)
{
    wchar_t text[MAX_PATH] = L"";
    GetDlgItemTextW(dialog, IDC_UPDATE_FOLDER_FIELD, text, MAX_PATH);
    if (isDirectory(text)) {
        chosenFolder(dialog) = text;
        EndDialog(dialog, 1);
        return;
    }
    // Owned by the folder dialog, so the dialog waits behind it.
    MessageBoxW(dialog, L"Das ausgewählte Verzeichnis ist ungültig!", L"Verzeichnis auswählen",
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}

INT_PTR CALLBACK folderDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        onFolderDialogInit(dialog, *reinterpret_cast<std::wstring*>(lParam));
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

// The folder dialog, shown by the main dialog's thread and starting from folder, which becomes
// the folder chosen; false when the user cancels it or the check stops.
bool chooseFolder(VersionCheckJob& check, std::wstring& folder)
{
    const std::wstring chosen = askWindowThread<std::wstring>(check, {}, [start = folder](HWND mainDialog) {
        std::wstring shown = start;
        const INT_PTR accepted = DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_UPDATE_FOLDER),
                                                 modalOwner(mainDialog), folderDialogProc,
                                                 reinterpret_cast<LPARAM>(&shown));
        // An accepted folder is never empty: the empty path is no folder.
        return accepted == 1 ? shown : std::wstring();
    });
    if (chosen.empty())
        return false;
    folder = chosen;
    return true;
}

// ---- The check ----

void runVersionCheck(VersionCheckJob& check, WebTransfer& transfer)
{
    const std::string text = transfer.fetchText(versionFileUrl(updateSite.server, updateSite.versionDir));
    if (check.stopping)
        return;
    if (!transfer.refusal().empty()) {
        ask(check, transfer.refusal(), BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    const VersionAnswer answer = readVersionAnswer(text, programVersion);
    if (answer.verdict == UpdateVerdict::Unusable) {
        ask(check, "Es konnte nicht festgestellt werden, ob ein Update vorliegt.", BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    // Before any verdict: an unsigned "current" is as much the server's word as an offer.
    if (!isFromMaker(answer, updateSite.makerKey, verifyMakerSignature)) {
        ask(check, "Die Versionsinformation des Servers ist nicht vom Hersteller signiert. Es wird nichts geladen.",
            BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    if (answer.verdict == UpdateVerdict::Current) {
        ask(check, "Der Kadermeister ist aktuell.", BoxButtons::Ok, BoxIcon::Information);
        return;
    }
    if (ask(check, "Es ist eine neue Version des Kadermeisters erhältlich.\nSoll die neue Version jetzt geladen werden?",
            BoxButtons::YesNo, BoxIcon::Information) != BoxAnswer::Yes)
        return;
    // Every offer starts from the program's folder, or the settings' where that may not be written.
    std::wstring folder = check.startFolder;
    if (!chooseFolder(check, folder))
        return;
    const std::string url = downloadUrlFor(updateSite.server, answer.fileName);
    std::wstring targetPath;
    for (;;) {
        targetPath = folder + L"\\" + widen(answer.fileName);
        if (!fileExists(targetPath) || check.stopping)
            break;
        const BoxAnswer overwrite = ask(check, "Die Datei \"" + narrow(targetPath) + "\" existiert bereits. Überschreiben?",
                                        BoxButtons::YesNoCancel, BoxIcon::Information);
        if (overwrite == BoxAnswer::Yes)
            break;
        if (overwrite != BoxAnswer::No || !chooseFolder(check, folder))
            return;
    }
    if (!check.stopping)
        transfer.downloadFile(url, folder, targetPath, answer.sha256);
}

DWORD WINAPI versionCheckWorker(void* parameter)
{
    // The worker's own share of the check, which may outlive the main dialog's record.
    std::shared_ptr<VersionCheckJob> check(*static_cast<std::shared_ptr<VersionCheckJob>*>(parameter));
    delete static_cast<std::shared_ptr<VersionCheckJob>*>(parameter);
    {
        WebTransfer transfer(*check);
        runVersionCheck(*check, transfer);
    }
    check->running = false;
    return 0;
}

} // namespace

bool runOnWindowThread(VersionCheckJob& job)
{
    if (job.stopping)
        return false;
    ResetEvent(job.taskDone.get());
    if (!PostMessageW(job.mainDialog, WM_UPDATE_TASK, 0, 0))
        return false;
    const HANDLE woken[] = {job.taskDone.get(), job.stopped.get()};
    return WaitForMultipleObjects(2, woken, FALSE, INFINITE) == WAIT_OBJECT_0 && !job.stopping;
}

void startVersionCheck(HWND mainDialog, std::shared_ptr<VersionCheckJob>& job, const std::wstring& startFolder)
{
    if (versionCheckRunning(job))
        return;
    if (!loadLibrariesFor(Feature::Update, modalOwner(mainDialog)))
        return;
    std::shared_ptr<VersionCheckJob> check(new VersionCheckJob); // see askWindowThread
    check->mainDialog = mainDialog;
    check->startFolder = startFolder;
    auto* share = new std::shared_ptr<VersionCheckJob>(check);
    check->thread.reset(CreateThread(nullptr, 0, versionCheckWorker, share, 0, nullptr));
    if (!check->thread) {
        delete share;
        showMessageBox(mainDialog, "Thread für das Abrufen der Versionsinformationen konnte nicht erstellt werden!",
                       "Fehler", BoxButtons::Ok, BoxIcon::Error);
        return;
    }
    job = check;
}

bool versionCheckRunning(const std::shared_ptr<VersionCheckJob>& job) { return job && job->running; }

void answerVersionCheck(HWND mainDialog, std::shared_ptr<VersionCheckJob> job)
{
    // Our own share: the exit may let go of the check while its question is open.
    if (!job || job->stopping || !job->task)
        return;
    const std::function<void(HWND)> task = std::move(job->task);
    job->task = nullptr;
    task(mainDialog);
    SetEvent(job->taskDone.get());
}

void stopVersionCheck(std::shared_ptr<VersionCheckJob>& job, DWORD milliseconds)
{
    if (!job)
        return;
    job->stopping = true;
    SetEvent(job->stopped.get());
    // The worker waits for nothing on this thread: it is in the network or the file, or done.
    WaitForSingleObject(job->thread.get(), milliseconds);
    // A worker still running keeps its share of the check; ours goes.
    job.reset();
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
