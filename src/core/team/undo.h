#pragma once
// The history of changes to a squad that undo ("Rückgängig") and redo ("Wiederholen") walk, one
// per mode and for the run only. Every change to the squad's data is a step of its own, and a
// step keeps only what it changed: the players it touched as they were and as it left them, and
// the league, the number of teams and the rules. Undo puts back what the newest step changed and
// nothing else; the options, the sort order and every player it did not touch stay as they are.
// Window-free.
//
// The window's part, for each change: copy the active TeamState before it, make the change, then
// record(squadStep(kind, before, after)) - or inputStep for a committed number - on the active
// mode's history; a step that changes nothing is not recorded. closeStep() when the focus leaves
// a field or the tab changes, so that the next spin is a step of its own. For Ctrl+Z / Ctrl+Y:
// commit what is being typed (recording its step), then undo(state) / redo(state) and show the
// state again (tabs, page, player count, LKZ, marks); the menus show undoText() / redoText().
#include "team/team.h"

#include <cstddef>
#include <string>
#include <vector>

enum class SquadChange {
    Entry, ClearPaarkreuz, League, TeamCount, PlayerCount, DeletePlayer, Rename, Move, Rules, Import,
    BlockMark
};
// "Eingabe", "Paarkreuz löschen", "Spielklasse", "Anzahl der Mannschaften", "Anzahl der Spieler",
// "Spieler löschen", "Umbenennen", "Aufstellung ändern", "Aufstellungsregeln", "Bilanzen übernehmen",
// "Sperrvermerk".
const char* squadChangeLabel(SquadChange change);
// "Rückgängig: Spieler löschen", or "Rückgängig" when there is nothing to undo (label empty).
std::string undoMenuText(const std::string& label);
// "Wiederholen: Anzahl der Spieler", or "Wiederholen".
std::string redoMenuText(const std::string& label);

// How a change renumbers the line-up, so that a step knows each player before and after it:
// nobody (lineup 0), the player with number lineup removed and those behind him moved up
// (target 0), or the player with number lineup moved to target (as movePlayer does).
struct Renumbering {
    int lineup = 0;
    int target = 0;
};

// What the players of a squad share and a step may change.
struct SquadShared {
    int32_t league = -1;
    int32_t teamCount = 0;
    LineupRules rules;
};

struct SquadStep {
    SquadChange change = SquadChange::Entry;
    std::string label; // the menu's words: "Eingabe bei Anna", "Spieler löschen"
    // Each player the step changed, as he was and as it left him; line-up number 0 where he was
    // not (added) or is no more (removed). His line-up number finds him again.
    struct Player {
        PlayerRecord before, after;
    };
    std::vector<Player> players;
    SquadShared before, after;
    // A spin's step: the InputKind spun and the player's line-up number. It takes in the next
    // spin step of the same field and player until the history closes it; -1 for any other step.
    int spinField = -1;
    int spinLineup = 0;
    bool changesNothing() const;
};

// The step of a change from before to after (the same mode's state). renumbering says how the
// line-up numbers moved; without it a player keeps his number. An Entry is named after the
// player whose values changed: "Eingabe bei Anna".
SquadStep squadStep(SquadChange change, const TeamState& before, const TeamState& after,
                    Renumbering renumbering = {});
// The step of a committed number in field: an Entry, or the league or the number of teams for
// their fields. spun: it came from a spin (arrows, arrow keys, wheel) and merges with the next.
SquadStep inputStep(InputKind field, const TeamState& before, const TeamState& after, bool spun = false);

// The step applied to the state as it stands (forward: redo, else undo): the players it touched
// get their values, names, numbers, "Sperrvermerke" and season back, the league, team count and
// rules theirs; then each of them gets his LKZ and today's point under the league and number of
// teams now in force (everyone's when those changed), and the marks are kept true. A returning
// player takes his place in the order the tabs show (sortByLkz: by his LKZ, else by his line-up
// number); the sort order and the options stay. The current player stays current while he
// exists; else the one at his place, or the first.
void applyStep(TeamState& state, const SquadStep& step, bool forward);

// Steps kept per mode; the oldest goes beyond it.
constexpr size_t undoLimit = 100;

class UndoHistory {
public:
    explicit UndoHistory(size_t limit = undoLimit) : limit_(limit) {}

    // A change made: what could be redone is gone, and beyond the limit the oldest step goes. A
    // spin step joins the open spin step of its field and player; a step that changes nothing
    // (or a merged one that comes back to where it began) leaves no step.
    void record(SquadStep step);
    // The open spin step takes no more spins: the focus left its field, or the tab changed.
    void closeStep() { open_ = false; }
    // The newest step not undone yet taken back from the state, or the step undone last done
    // again; false, and nothing changes, when there is none.
    bool undo(TeamState& state);
    bool redo(TeamState& state);
    bool canUndo() const { return done_ > 0; }
    bool canRedo() const { return done_ < steps_.size(); }
    std::string undoText() const { return undoMenuText(canUndo() ? steps_[done_ - 1].label : std::string()); }
    std::string redoText() const { return redoMenuText(canRedo() ? steps_[done_].label : std::string()); }
    void clear();

private:
    size_t limit_;
    std::vector<SquadStep> steps_;
    size_t done_ = 0;   // the steps before this index are in effect
    bool open_ = false; // the newest step is a spin's and takes the next spin of its field
};
