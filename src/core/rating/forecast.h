#pragma once
// What the next league match can do to a player's LKZ: each result of one to three singles in
// each Paarkreuz, computed and written as the LKZ display would show it. Window-free.
#include "rating/lkz.h"

#include <string>
#include <vector>

constexpr int paarkreuzCount = 3;

// The player's singles in one match: won and lost.
struct MatchResult {
    int won, lost;
};
constexpr int matchResultCount = 9;
// 1:0, 0:1, 2:0, 1:1, 0:2, 3:0, 2:1, 1:2, 0:3.
extern const MatchResult matchResults[matchResultCount];

struct ForecastCell {
    bool plausible = false; // the inputs after this result pass the checks
    std::string lkzText;    // as the LKZ display would show it
    double change = 0;      // against today, as shown: whole, or to a tenth in the decimal form
    std::string changeText; // "+4", "-2,3", "±0"
};

// The index of a result in matchResults.
int matchResultIndex(MatchResult result);

struct Forecast {
    // Why there is no table, in the words of the check that fails; empty when there is one.
    std::string refusal;
    int ownPaarkreuz = 0; // 0..2
    std::string todayText;
    ForecastCell cells[matchResultCount][paarkreuzCount];
    bool available() const { return refusal.empty(); }
};

// Where the player has played most singles; on a tie, and without games, the higher one.
int ownPaarkreuz(const LkzInputs& inputs);
// The inputs after one more match with this result in this Paarkreuz (0..2).
LkzInputs afterResult(const LkzInputs& today, int paarkreuz, MatchResult result);
// decimal: the mode's "Dezimalausgabe".
Forecast forecastNextMatch(const LkzInputs& today, int decimal);

// "Jürgen Müller: LKZ 207 nach 9 Punktspielen", or why there is no forecast.
std::string forecastSummary(const Forecast& forecast, const std::string& player, int matches);

std::string matchResultText(MatchResult result); // "2:1"
// "211 (+4)", or "–" for a result that makes the inputs implausible.
std::string forecastCellText(const ForecastCell& cell);
// "Ergebnis", then "1. PK" to "3. PK", the player's own marked "(eigenes)".
std::vector<std::string> forecastHeaders(const Forecast& forecast);
// The table with a header line, tabs between the cells, CRLF at every line's end.
std::string forecastText(const Forecast& forecast);
