#pragma once
// The player balances ("Spielerbilanzen") of a team's page on the result portals, or of the
// program's own overview, read from what the user copied or saved. The program reads only what
// it is handed; it fetches nothing. Window-free.
//
// The window side of the import (menu items "Bilanzen einfügen..." and "Bilanzen aus Datei...",
// the preview "Bilanzen übernehmen", the clipboard and the open dialog) is not in this folder:
//   1. commit a value still waiting for its commit;
//   2. readBalancesFromClipboard (the "HTML Format" bytes and CF_UNICODETEXT as UTF-8) or
//      readBalancesFromFile (the file's bytes, at most maxImportBytes read); a refusal is shown
//      as it stands and changes nothing;
//   3. matchBalances(table, state) fills the preview (import/balance_match.h: the line above the
//      table, the rows' cells and ticks); a click on a row's check box is
//      matchBalances(table, state, ticksAfterClick(preview, row)); "Übernehmen" is greyed while
//      canApply() is false;
//   4. on "Übernehmen": keep the squad as it is, applyBalances(state, preview), and only when it
//      answers true record the change "Bilanzen übernehmen" for undo and show the squad again
//      (new tabs, the order, the page, the LKZ).
#include "import/table_source.h"

#include <string>
#include <vector>

// One player's row of the table. Paarkreuze: 0 = positions 1+2, 1 = 3+4, 2 = 5+6.
struct BalanceRow {
    std::string name;     // as the table gives it: "Nachname, Vorname", or whole from the overview
    std::string rank;     // as the table gives it ("4.10"); empty without one
    int team = 0;         // of the rank, team.position; 0 without one
    int position = 0;
    int matches = 0;      // the matches column ("Einsätze", "Spiele")
    int won[3] = {}, lost[3] = {};
    bool hasTotal = false; // the table gives the row's total
    int totalWon = 0, totalLost = 0;
    bool readable = true;  // every balance cell reads as "won:lost" or is empty
    bool substitute = false; // of a higher team number than the page's own ("Ersatzspieler")
    int singlesWon() const { return won[0] + won[1] + won[2]; }
    int singlesLost() const { return lost[0] + lost[1] + lost[2]; }
    // The cells add up to the row's total (a row without a total agrees).
    bool agrees() const { return readable && (!hasTotal || (singlesWon() == totalWon && singlesLost() == totalLost)); }
};

enum class BalanceLayout { Positions, Paarkreuze, Overview };

struct BalanceTable {
    // Empty when balances were read; else the message, "Keine Spielerbilanzen erkannt: ...",
    // which says what was found, and rows is empty.
    std::string refusal;
    std::vector<BalanceRow> rows; // the player rows in the table's order, substitutes included
    BalanceLayout layout = BalanceLayout::Positions;
    int positions = 0;  // the highest position column of the header (6: "Positionen 1–6")
    int ownTeam = 0;    // the smallest team number of the ranks; 0 without ranks
    bool hasSinglesTotal = false; // the "Einzel" row: the singles of all rows together
    int singlesWon = 0, singlesLost = 0;
    bool ok() const { return refusal.empty(); }
    // The "Einzel" row agrees with the sum of the singles rows (true without one).
    bool singlesAgree() const;
};

// The clipboard as a browser leaves it: the "HTML Format" block (its header and offsets as they
// stand, up to its NUL) and the Unicode text as UTF-8. The HTML's first recognised table counts;
// the text only when the HTML holds none. Either may be empty; above maxImportBytes each is refused.
BalanceTable readBalancesFromClipboard(const std::string& htmlFormat, const std::string& unicodeText);
// A saved page (.htm, .html) or text (.txt, .csv, tabs or semicolons), in any of the encodings
// decodeFileBytes reads; binary data and more than maxImportBytes are refused.
BalanceTable readBalancesFromFile(const std::string& bytes);
// Balances from tables already split into cells: the first table with a recognised header row.
BalanceTable readBalances(const std::vector<CellTable>& tables);

// "8 Spielerbilanzen erkannt (Positionen 1–6), Einzel 57:33 stimmt", with what does not add up:
// the "Einzel" row against the rows, and the rows that disagree with their totals.
std::string balancesSummary(const BalanceTable& table);
