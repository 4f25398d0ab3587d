// Undo and redo of the changes to a squad, step by step: what each takes back, what it leaves,
// the menu texts, merged spins and the limit.
#include "team/undo.h"

#include "core_test_support.h"
#include "team/ordering.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Six players A..F in Oberliga, 5 matches and 8 singles each, A..F with 4, 8, 1, 6, 0 and 2 won in
// the first Paarkreuz; each has a season point at 4 matches (from other games) and one at 5.
// Each letter of a sequence is one user action, as the main dialog records it:
// d delete the second tab's player, t type one more game won for the current player (T: typed
// but never recorded), s the same by a spin, x the spin's field left, n the next tab,
// m / M the current player's match count typed as 4 / 5, l the league to Regionalliga,
// u undo, y redo.
struct Editing {
    TeamState state{Mode::Team};
    UndoHistory history;

    explicit Editing(bool byLkz)
    {
        const int won[] = {4, 8, 1, 6, 0, 2};
        state.league = 3;
        state.teamCount = 12;
        for (int i = 0; i < 6; ++i) {
            state.players.push_back(newPlayer(state, i + 1));
            setPlayerName(state, i, std::string(1, static_cast<char>('A' + i)));
            storeInputs(state, i, inputs(3, 12, 4, won[i] / 2, 5 - won[i] / 2));
            storeInputs(state, i, inputs(3, 12, 5, won[i], 8 - won[i]));
        }
        state.playerCount = 6;
        if (byLkz)
            sortByLkzValue(state);
        state.currentLineup = state.players[0].lineup;
    }
    void typeGames(bool recorded, bool spun)
    {
        const TeamState before = state;
        const int index = currentIndex(state);
        LkzInputs in = inputsOf(state, index);
        in[Won1] = (in[Won1] + 1) % 9;
        in[Lost1] = 8 - in[Won1];
        storeInputs(state, index, in);
        keepOrder();
        if (recorded)
            history.record(inputStep(Won1, before, state, spun));
    }
    void record(SquadChange change, const TeamState& before, Renumbering renumbering = {})
    {
        keepOrder();
        history.record(squadStep(change, before, state, renumbering));
    }
    void keepOrder()
    {
        if (state.sortByLkz)
            sortByLkzValue(state);
    }
    void step(char what)
    {
        const TeamState before = state;
        LkzInputs in = inputsOf(state, currentIndex(state));
        switch (what) {
        case 'd':
            removePlayer(state, 1);
            record(SquadChange::DeletePlayer, before, {before.players[1].lineup, 0});
            break;
        case 't':
        case 'T':
        case 's': typeGames(what != 'T', what == 's'); break;
        case 'x': history.closeStep(); break;
        case 'n':
            history.closeStep();
            state.currentLineup = state.players[currentIndex(state) + 1].lineup;
            break;
        case 'm':
        case 'M':
            in[Matches] = what == 'm' ? 4 : 5;
            storeInputs(state, currentIndex(state), in);
            record(SquadChange::Entry, before);
            break;
        case 'l':
            in[League] = 2;
            storeInputs(state, currentIndex(state), in);
            history.record(inputStep(League, before, state));
            break;
        case 'u': history.undo(state); break;
        case 'y': history.redo(state); break;
        }
    }
    // "1:4:180.000;5:190.000 2:...": each tab's line-up number and season.
    std::string seasons() const
    {
        std::string text;
        for (const PlayerRecord& player : state.players)
            text += std::to_string(player.lineup) + ":" + historyIniText(player.history) + " ";
        return text;
    }
    // "A4 *B8 C1": each tab's name and games won, the current player marked.
    std::string tabs() const
    {
        std::string text;
        for (const PlayerRecord& player : state.players)
            text += std::string(text.empty() ? "" : " ") + (player.lineup == state.currentLineup ? "*" : "") +
                    player.name + std::to_string(player.won1);
        return text;
    }
};

TEST(UndoHistory, StepBySteps)
{
    const std::string hundredAndFive(105, 't');
    const struct {
        bool byLkz;
        std::string steps;
        const char* tabs;
        const char* undo;
        const char* redo;
        bool asAtStart; // every player's number and season as before the first step
    } cases[] = {
        {false, "", "*A4 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen", true},
        // Undo takes back the newest step only, and the one before it next.
        {false, "dtu", "*A4 C1 D6 E0 F2", "Rückgängig: Spieler löschen", "Wiederholen: Eingabe bei A", false},
        {false, "dtuu", "*A4 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen: Spieler löschen", true},
        {false, "dtuuyy", "*A5 C1 D6 E0 F2", "Rückgängig: Eingabe bei A", "Wiederholen", false},
        // What no step recorded stays when an earlier step is undone.
        {false, "dTu", "*A5 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen: Spieler löschen", false},
        // A new step after an undo drops what could be redone.
        {false, "dtut", "*A5 C1 D6 E0 F2", "Rückgängig: Eingabe bei A", "Wiederholen", false},
        // The deleted current player hands over to the one in his place; undo keeps that one.
        {false, "ndu", "A4 B8 *C1 D6 E0 F2", "Rückgängig", "Wiederholen: Spieler löschen", true},
        {false, "duny", "A4 *C1 D6 E0 F2", "Rückgängig: Spieler löschen", "Wiederholen", false},
        // Spins of one field of one player are one step until the field is left or a step comes
        // between; spins that come back to where they began leave none.
        {false, "sssu", "*A4 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen: Eingabe bei A", true},
        {false, "ssxsu", "*A6 B8 C1 D6 E0 F2", "Rückgängig: Eingabe bei A", "Wiederholen: Eingabe bei A", false},
        {false, "stsu", "*A6 B8 C1 D6 E0 F2", "Rückgängig: Eingabe bei A", "Wiederholen: Eingabe bei A", false},
        {false, "snsu", "A5 *B8 C1 D6 E0 F2", "Rückgängig: Eingabe bei A", "Wiederholen: Eingabe bei B", false},
        {false, "sssssssss", "*A4 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen", true},
        // The league: every player's LKZ follows it, and undo brings the old one back.
        {false, "ltuu", "*A4 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen: Spielklasse", true},
        // A slip of the match count, 5 to 4 and back, rewrites the point of match 4; undo restores it.
        {false, "mM", "*A4 B8 C1 D6 E0 F2", "Rückgängig: Eingabe bei A", "Wiederholen", false},
        {false, "mMuu", "*A4 B8 C1 D6 E0 F2", "Rückgängig", "Wiederholen: Eingabe bei A", true},
        // 105 steps: the oldest five fall off.
        {false, hundredAndFive + std::string(101, 'u'), "*A0 B8 C1 D6 E0 F2", "Rückgängig",
         "Wiederholen: Eingabe bei A", false},
        // In LKZ order a player whose LKZ undo changes, or who returns, goes where his LKZ puts him.
        {true, "nnsss", "B8 *A7 D6 F2 C1 E0", "Rückgängig: Eingabe bei A", "Wiederholen", false},
        {true, "nnsssu", "B8 D6 *A4 F2 C1 E0", "Rückgängig", "Wiederholen: Eingabe bei A", true},
        {true, "dnntu", "B8 A4 *F2 C1 E0", "Rückgängig: Spieler löschen", "Wiederholen: Eingabe bei F", false},
        {true, "dnntuu", "B8 D6 A4 *F2 C1 E0", "Rückgängig", "Wiederholen: Spieler löschen", true},
    };
    for (const auto& c : cases) {
        Editing run(c.byLkz);
        const Editing start(c.byLkz);
        for (char step : c.steps)
            run.step(step);
        const std::string what = (c.byLkz ? "by LKZ: " : "") + c.steps.substr(0, 12);
        EXPECT_EQ(run.tabs(), c.tabs) << what;
        EXPECT_EQ(run.history.undoText(), c.undo) << what;
        EXPECT_EQ(run.history.redoText(), c.redo) << what;
        EXPECT_EQ(run.history.canUndo(), std::string(c.undo) != "Rückgängig") << what;
        EXPECT_EQ(run.seasons() == start.seasons(), c.asAtStart) << what;
        EXPECT_EQ(run.state.sortByLkz, start.state.sortByLkz) << what;
        EXPECT_EQ(run.state.playerCount, static_cast<int>(run.state.players.size())) << what;
        TeamState recomputed = run.state;
        for (size_t i = 0; i < recomputed.players.size(); ++i) {
            recomputePlayerLkz(recomputed, static_cast<int>(i));
            EXPECT_EQ(run.state.players[i].lkz, recomputed.players[i].lkz) << what << " " << run.state.players[i].name;
        }
    }
}

} // namespace
