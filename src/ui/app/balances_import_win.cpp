// "Bilanzen einfügen..." and "Bilanzen aus Datei...": a result portal's player balances read from
// what the user copied or saved, checked in the preview and taken into the squad as one step of
// undo. Nothing is fetched: the program reads only what it is handed.
#include "app/main_window_parts_win.h"

#include "base/clipboard_win.h"
#include "base/dialogs_win.h"
#include "base/save_dialog_win.h"
#include "base/text_win.h"
#include "import/balance_match.h"
#include "team/balances_win.h"

namespace {

const char* const boxTitle = "Bilanzen";

// The two formats a browser leaves for a copied table, each one byte beyond the limit at most:
// enough for the reader to refuse what is larger.
BalanceTable readClipboard(HWND owner)
{
    std::string html, text;
    if (OpenClipboard(owner)) {
        html = clipboardBytes(RegisterClipboardFormatW(L"HTML Format"), maxImportBytes + 1);
        text = narrow(clipboardUnicodeText(maxImportBytes + 1));
        CloseClipboard();
    }
    return readBalancesFromClipboard(html, text);
}

// The file's bytes, one beyond the limit at most; false when it cannot be read.
bool readFileStart(const std::wstring& path, std::string& bytes)
{
    AutoCloseHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return false;
    bytes.assign(maxImportBytes + 1, '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr))
        return false;
    bytes.resize(read);
    return true;
}

// The preview of table over the squad and, when the user takes it, the squad with its values:
// one step of undo when it changed anything.
void importBalances(MainWindow& window, const BalanceTable& table)
{
    if (!table.ok()) {
        showMessageBox(window.dialog, table.refusal, boxTitle, BoxButtons::Ok, BoxIcon::Information);
        return;
    }
    std::vector<bool> ticks;
    if (!showBalancePreview(window.dialog, table, window.model.active(), ticks))
        return;
    const TeamState before = window.model.active();
    if (!applyBalances(window.model.active(), matchBalances(table, before, ticks)))
        return;
    window.recordSquadChange(SquadChange::Import, before);
    showSquad(window);
}

} // namespace

void pasteBalances(MainWindow& window)
{
    commitTyping(window);
    importBalances(window, readClipboard(window.dialog));
}

void openBalancesFile(MainWindow& window)
{
    commitTyping(window);
    const std::wstring path = askOpenPath(
        window.dialog, L"Webseiten und Tabellen (*.htm, *.html, *.txt, *.csv)\0*.htm;*.html;*.txt;*.csv\0"
                       L"Webseiten (*.htm, *.html)\0*.htm;*.html\0Text und CSV (*.txt, *.csv)\0*.txt;*.csv\0"
                       L"Alle Dateien (*.*)\0*.*\0");
    if (path.empty())
        return;
    std::string bytes;
    if (!readFileStart(path, bytes)) {
        showMessageBox(window.dialog, "Die Datei konnte nicht gelesen werden.", boxTitle, BoxButtons::Ok,
                       BoxIcon::Error);
        return;
    }
    importBalances(window, readBalancesFromFile(bytes));
}
