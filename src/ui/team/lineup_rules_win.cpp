#include "team/lineup_rules_win.h"

#include "base/dialog_state_win.h"
#include "base/text_win.h"
#include "base/dialogs_win.h"
#include "resource.h"

#include <optional>
#include <string>

namespace {

// The rules being edited, with the dialog (DWLP_USER); the caller's, written back on OK only.
LineupRules& rulesOf(HWND dialog) { return *dialogState<LineupRules>(dialog); }

// The list's entries: one team, then 2 .. maxRegulars regular players.
int regularsAt(int item) { return item <= 0 ? 0 : item + 1; }
int itemOf(int regulars) { return regulars < 2 ? 0 : regulars - 1; }

void onInitDialog(HWND dialog, LineupRules* rules)
{
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(rules));
    HWND list = GetDlgItem(dialog, IDC_RULES_REGULARS);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"keine (eine Mannschaft)"));
    for (int regulars = 2; regulars <= maxRegulars; ++regulars)
        SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(numberText(regulars).c_str()));
    SendMessageW(list, CB_SETCURSEL, itemOf(rules->regulars), 0);
    SetDlgItemTextW(dialog, IDC_RULES_IN_TEAM, widen(toleranceText(rules->teamTenths)).c_str());
    SetDlgItemTextW(dialog, IDC_RULES_BETWEEN, widen(toleranceText(rules->clubTenths)).c_str());
    for (int id : {IDC_RULES_IN_TEAM, IDC_RULES_BETWEEN})
        SendDlgItemMessageW(dialog, id, EM_LIMITTEXT, 8, 0);
}

// The tolerance typed into field, or nothing after telling the user and selecting the field.
std::optional<int> typedTolerance(HWND dialog, int field)
{
    HWND edit = GetDlgItem(dialog, field);
    if (const std::optional<int> tenths = toleranceFromTyped(narrow(windowText(edit))))
        return tenths;
    MessageBoxW(dialog, L"Bitte eine LKZ-Differenz von 0 bis 99,9 mit höchstens einer Nachkommastelle eingeben.",
                L"Aufstellungsregeln", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return std::nullopt;
}

void onOk(HWND dialog)
{
    const std::optional<int> inTeam = typedTolerance(dialog, IDC_RULES_IN_TEAM);
    if (!inTeam)
        return;
    const std::optional<int> between = typedTolerance(dialog, IDC_RULES_BETWEEN);
    if (!between)
        return;
    LineupRules& rules = rulesOf(dialog);
    rules.regulars = regularsAt(static_cast<int>(SendDlgItemMessageW(dialog, IDC_RULES_REGULARS, CB_GETCURSEL, 0, 0)));
    rules.teamTenths = *inTeam;
    rules.clubTenths = *between;
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK rulesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        onInitDialog(dialog, reinterpret_cast<LineupRules*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            onOk(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

} // namespace

bool editLineupRules(HWND owner, LineupRules& rules)
{
    LineupRules edited = rules;
    if (DialogBoxParamW(appInstance(), MAKEINTRESOURCEW(IDD_LINEUP_RULES), owner, rulesProc,
                        reinterpret_cast<LPARAM>(&edited)) != IDOK)
        return false;
    rules = edited;
    return true;
}
