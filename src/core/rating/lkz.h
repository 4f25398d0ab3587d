#pragma once
// The LKZ arithmetic: league table, the formula and its weights. Window-free; the figure as
// shown is rating/shown_lkz.h.
#include <string>

struct LeagueRow {
    const char* name; // UTF-8
    int base;
};

constexpr int leagueCount = 13;
// The leagues in the order of the league box; base value 234 - 18 * index.
extern const LeagueRow LeagueTable[leagueCount];

// The nine inputs; the number indexes PlayerRecord::invalid and orders the red frames.
enum InputKind { League, TeamCount, Matches, Won1, Lost1, Won2, Lost2, Won3, Lost3, InputKindCount };

// Each input's range and the value a new player starts with: the spins' ranges, the limits a
// typed value is held to and the defaults. The league has no range of its own (a list).
struct InputRange {
    int low, high, start;
};
constexpr InputRange inputRanges[InputKindCount] = {
    {0, 0, 0}, {1, 14, 12}, {1, 13, 1}, {0, 26, 0}, {0, 26, 0}, {0, 26, 0}, {0, 26, 0}, {0, 26, 0}, {0, 26, 0},
};
// The range a typed value is held to: the spin's, except that a league has at least two teams.
constexpr int typedLow(InputKind kind) { return kind == TeamCount ? 2 : inputRanges[kind].low; }
constexpr int typedHigh(InputKind kind) { return inputRanges[kind].high; }

// The nine values as the controls hold them, indexed by InputKind; league -1 = none chosen.
struct LkzInputs {
    int value[InputKindCount] = {-1, 0, 0, 0, 0, 0, 0, 0, 0};
    int& operator[](int kind) { return value[kind]; }
    int operator[](int kind) const { return value[kind]; }
    int singles() const { return value[Won1] + value[Lost1] + value[Won2] + value[Lost2] + value[Won3] + value[Lost3]; }
};

// Base value of a league index; anything outside 0..12 (-1 = no league) gives 0.
int leagueBase(int index);

// The formula's weights, read by the computation and by the formula window that draws it: each
// Paarkreuz's factor, the matches counted twice against the singles played, and 11 over the
// number of other teams.
struct LkzWeights {
    double paarkreuz[3];
    int matches;
    int teams;
};
constexpr LkzWeights lkzWeights = {{2.3, 1.5, 1.0}, 2, 11};

double computeLkz(double base, double teamCount, double matches, double won1, double lost1,
                  double won2, double lost2, double won3, double lost3);
// The formula on the inputs, with the base value of their league.
double computeLkz(const LkzInputs& in);
