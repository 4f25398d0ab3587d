// Undo and redo of the changes to a squad: what each gives back, the menu texts, the limit.
#include "team/undo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A squad as the names of its players; each step of a sequence is one letter:
// d delete the last player, s shrink to three, g grow by "N", c clear (mark the first "-"),
// r rename the first "X", u undo, y redo.
struct Editing {
    std::string squad = "ABCDE";
    UndoHistory<std::string> history;

    void step(char what)
    {
        const std::string before = squad;
        SquadChange change;
        switch (what) {
        case 'u':
        case 'y':
            if (const std::string* restored = what == 'u' ? history.undo() : history.redo())
                squad = *restored;
            return;
        case 'd': change = SquadChange::DeletePlayer, squad.pop_back(); break;
        case 's': change = SquadChange::PlayerCount, squad.resize(3); break;
        case 'g': change = SquadChange::PlayerCount, squad += "N"; break;
        case 'c': change = SquadChange::ClearPaarkreuz, squad[0] = '-'; break;
        default: change = SquadChange::Rename, squad[0] = 'X'; break;
        }
        history.record(change, before, squad);
    }
};

TEST(UndoHistory, SequencesOfChanges)
{
    const struct {
        std::string steps;
        const char* squad;
        const char* undo;
        const char* redo;
    } cases[] = {
        {"", "ABCDE", "Rückgängig", "Wiederholen"},
        {"d", "ABCD", "Rückgängig: Spieler löschen", "Wiederholen"},
        {"du", "ABCDE", "Rückgängig", "Wiederholen: Spieler löschen"},
        {"sgu", "ABC", "Rückgängig: Anzahl der Spieler", "Wiederholen: Anzahl der Spieler"},
        {"sguuyy", "ABCN", "Rückgängig: Anzahl der Spieler", "Wiederholen"},
        {"cru", "-BCDE", "Rückgängig: Paarkreuz löschen", "Wiederholen: Umbenennen"},
        {"cruuu", "ABCDE", "Rückgängig", "Wiederholen: Paarkreuz löschen"},
        // A new change after an undo drops what could be redone.
        {"dduc", "-BCD", "Rückgängig: Paarkreuz löschen", "Wiederholen"},
        {"dducuu", "ABCDE", "Rückgängig", "Wiederholen: Spieler löschen"},
        {"dducuuyy", "-BCD", "Rückgängig: Paarkreuz löschen", "Wiederholen"},
        {"yyy", "ABCDE", "Rückgängig", "Wiederholen"},
        // 25 changes: the oldest five fall off, the other 20 come back in turn.
        {std::string(25, 'g') + std::string(21, 'u'), "ABCDENNNNN", "Rückgängig", "Wiederholen: Anzahl der Spieler"},
        {std::string(25, 'g') + std::string(21, 'u') + std::string(21, 'y'), "ABCDENNNNNNNNNNNNNNNNNNNNNNNNN",
         "Rückgängig: Anzahl der Spieler", "Wiederholen"},
    };
    for (const auto& c : cases) {
        Editing run;
        for (char step : c.steps)
            run.step(step);
        EXPECT_EQ(run.squad, c.squad) << c.steps;
        EXPECT_EQ(run.history.undoText(), c.undo) << c.steps;
        EXPECT_EQ(run.history.redoText(), c.redo) << c.steps;
        EXPECT_EQ(run.history.canUndo(), std::string(c.undo) != "Rückgängig") << c.steps;
    }
    EXPECT_EQ(squadChangeLabel(SquadChange::Move), std::string("Aufstellung ändern"));
}

} // namespace
