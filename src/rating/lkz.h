#pragma once
// The LKZ arithmetic: league table, formula, rounding and display text. Window-free.
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

// Base value of a league index; anything outside 0..12 (-1 = no league) gives 0.
int leagueBase(int index);

double computeLkz(double base, double teamCount, double matches, double won1, double lost1,
                  double won2, double lost2, double won3, double lost3);

// Rounds half away from zero, judged by the first digit after the point.
double roundToPrecision(float value, float precision);

// Display text: the whole number, or with decimal != 0 a decimal comma ("227,0", "207,176").
std::string formatLkz(double value, int decimal);
