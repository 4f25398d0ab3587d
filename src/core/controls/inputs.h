#pragma once
// The nine inputs as controls, and the rules their spins follow. Window-free.
#include "rating/lkz.h"

#include <optional>

enum class Surface { MainDialog, PlayerPage };

struct InputControl {
    InputKind kind;
    Surface surface;  // the dialog that holds field and spin
    int field;        // the league box for League
    int spin;         // 0 for the league box
    int partner;      // the other input of the same Paarkreuz row, -1 for none
    int clearButton;  // the row's clear button, 0 for none
    bool oneStage;    // every step changes the value by exactly 1, however long the arrow is held
};

// In InputKind order, which is also the order the red frames are painted and cleared in.
extern const InputControl inputControls[InputKindCount];

// The input whose spin (or field) has this id on its surface, or nullptr.
const InputControl* inputOfSpin(int spin);
const InputControl* inputOfField(Surface surface, int field);
// The won and lost inputs of the row a clear button empties; false for any other id.
bool clearedRow(int button, InputKind& won, InputKind& lost);

// ---- The team-count and match spins keep the match count below the team count ----

// Whether a step from pos by delta stays within the spin's range; a spin at its end does not move.
bool stepStaysInRange(int pos, int delta, int low, int high);
// The match count after a step of the team-count spin; none leaves it.
std::optional<int> matchesAfterTeamStep(int pos, int delta, int matches);
// The team count after a step of the match spin; none leaves it.
std::optional<int> teamsAfterMatchStep(int pos, int delta, int teams);

// ---- The pair limit: won + lost of a Paarkreuz row stay within twice the matches ----

// The most singles a Paarkreuz row can hold after this many matches.
constexpr int pairLimitOf(int matches) { return 2 * matches; }

// The upper end a game spin gets before its step: limit = 2 x matches.
int pairRangeHigh(int limit, int delta);
struct PairStep {
    std::optional<int> spinPos;    // the stepped spin's new position
    std::optional<int> partnerPos; // the partner's new position
};
// A step by delta of a spin at pos whose partner stands at partnerPos.
PairStep pairStep(int limit, int delta, int pos, int partnerPos);
