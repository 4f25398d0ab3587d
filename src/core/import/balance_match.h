#pragma once
// Which player of the squad each row of a balance table becomes, what the preview "Bilanzen
// übernehmen" shows of it, and taking the ticked rows into the squad. Window-free; see
// import/balances.h for the order in which the window side calls these.
#include "import/balances.h"
#include "team/team.h"

#include <string>
#include <vector>

// What a row's player will have: the matches and the six game counts by Paarkreuz.
struct BalanceValues {
    int matches = 0;
    int won[3] = {}, lost[3] = {};
    bool operator==(const BalanceValues& other) const;
};

enum class BalanceTarget {
    Player,    // the squad player of the row's name (or the single player)
    FreePlace, // a player with a default name and no games: "statt Nr. 5"
    New,       // joins the squad at its end: "neu"
    None,      // not taken
};

struct PreviewRow {
    const BalanceRow* source = nullptr; // the table's row; the table outlives the preview
    bool ticked = false;
    bool takeable = true;   // false: reason says why, and the row stays unticked
    std::string reason;     // "keine Einsätze", "passt nicht zu gesamt 12:5", "Kader voll (20 Spieler)", ...
    BalanceTarget target = BalanceTarget::None;
    int lineup = 0;         // the squad player's line-up number for Player and FreePlace
    std::string targetText; // his name, "statt Nr. 5", "neu", "Ersatz aus Mannschaft 4" or "–"
    std::string newName;    // what a FreePlace or New player is named: "Vorname Nachname", cut to 63
    bool hasNow = false;    // a squad player's values today
    BalanceValues now, then;
    std::string lkzNow, lkzThen; // the mode's display form, "keine LKZ" where the checks fail, "–"
};

struct BalancePreview {
    std::vector<PreviewRow> rows; // one per row of the table, in its order
    bool single = false;          // single-player mode: the ticks are one choice
    bool changesNothing = true;   // the ticked rows give the squad what it has: no undo step
    std::string summary;          // the line above the table
    bool canApply() const;        // a row is ticked
};

// The preview with the rows ticked that are taken by default: in team mode every row that can be
// taken but the substitutes; in single-player mode the row of the single player's name, if any.
BalancePreview matchBalances(const BalanceTable& table, const TeamState& state);
// The same with the user's ticks (one per row of the table); a row that cannot be taken stays
// unticked, and in team mode free places and new players go to the ticked rows in order.
BalancePreview matchBalances(const BalanceTable& table, const TeamState& state, const std::vector<bool>& ticks);
// The ticks after a click on a row's check box: flipped, or in single-player mode that row alone.
std::vector<bool> ticksAfterClick(const BalancePreview& preview, int row);

// The preview's columns: the check box's cell is empty (its state is PreviewRow::ticked).
enum PreviewColumn { PreviewTick, PreviewName, PreviewRank, PreviewTarget, PreviewMatches, PreviewPk1, PreviewPk2,
                     PreviewPk3, PreviewLkz, PreviewReason, PreviewColumnCount };
extern const char* const previewHeaders[PreviewColumnCount];
// "9 → 9", "5:2 → 11:5", "– → 7" for a new player, "207 → 212".
std::string previewCell(const BalancePreview& preview, int row, int column);

// Replaces (never adds to) the ticked players' matches and six counts, names the free places and
// the new players, appends the new ones (up to maxTeamSize), and keeps league, team count, order,
// rules and the current player; re-sorts when the tabs show the LKZ order. Each changed player's
// LKZ and season follow his values. False when nothing changed: then record no undo step.
bool applyBalances(TeamState& state, const BalancePreview& preview);
