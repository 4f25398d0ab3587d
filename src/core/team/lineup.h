#pragma once
// The line-up the league's rules allow: the teams a squad's line-up is cut into, the tolerances
// of the order of strength, the check of a line-up against them, what the next match can change
// about it, and moving a player in the line-up. Window-free; plain values in and out.
#include "rating/lkz.h"

#include <optional>
#include <string>
#include <vector>

constexpr int maxRegulars = 10;
constexpr int maxToleranceTenths = 999; // 99,9

struct LineupRules {
    int regulars = 0;   // "Stammspieler" per team: 0 (the squad is one team) or 2..maxRegulars
    int teamTenths = 0; // "ToleranzMannschaft": the LKZ excess allowed inside a team, in tenths
    int clubTenths = 0; // "ToleranzVerein": the same between two teams
};

// The INI texts, read leniently and never with a message: no number is 0, anything out of range
// the nearest limit; fewer than two regulars make one team. Tolerances are rounded to a tenth.
int regularsFromIni(const std::string& text);
int toleranceFromIni(const std::string& text);
std::string toleranceIniText(int tenths); // "4.2"
// What the user types into the rules dialog: "4,2" or "4.2", at most one decimal, 0..99,9; a
// separator without digits on one side stands for 0 there (",5" is 0,5, "5," is 5,0); nothing
// for any other text.
std::optional<int> toleranceFromTyped(const std::string& text);
std::string toleranceText(int tenths); // "4,2"
// The rules in force, for the overview's summary line:
// "Regeln: je 4 Stammspieler, Toleranz 2,0 in der Mannschaft, 5,0 zwischen Mannschaften" or
// "Regeln: eine Mannschaft, Toleranz 2,0".
std::string rulesText(const LineupRules& rules);

// The team of a 1-based line-up position: 1 for positions 1..k, 2 for k+1..2k and so on (a last
// team may be smaller); 0 when regulars is 0 and the squad is one team.
int teamOfPosition(int position, int regulars);
// The place of a 1-based line-up position inside his team: with 4 regulars position 6 is the 2nd
// of team 2; with one team the position itself.
int placeInTeam(int position, int regulars);

struct SquadEntry {
    std::string name;
    std::optional<double> lkz; // meaningfulLkz of his values: nothing when the checks fail
    bool blockMark = false;    // "Sperrvermerk": he may stand behind weaker players of higher teams
};

struct LineupDeviation {
    int ahead = 0, behind = 0; // 0-based line-up positions, ahead < behind
    double excess = 0;         // LKZ of behind minus LKZ of ahead as shown, above the tolerance
};

struct LineupCheck {
    std::vector<int> teams;                  // per position: his team, 0 when one team
    std::vector<std::string> cells;          // per position: the "Reihenfolge" column
    std::vector<std::string> tips;           // per position: the tab tip's line, empty when none
    std::vector<LineupDeviation> deviations; // every deviating pair, by behind, then by ahead
    int blockMarks = 0;                      // players with a "Sperrvermerk"
};

// The squad in line-up order (index 0 holds line-up number 1). B behind A deviates when both have
// an LKZ and LKZ(B) - LKZ(A), as the decimal display shows them, exceeds the tolerance of the two
// positions: inside a team or between teams. Equal to the tolerance is allowed. A pair of two
// teams is no deviation when B has a "Sperrvermerk".
// A cell reads "ok", "keine LKZ", "gehört vor Anna (+4,2)" (he is stronger than Anna ahead of
// him) or "gehört hinter Carl (-1,3)" (weaker than Carl behind him): his largest deviation, with
// "; 1 weitere Abweichung" or "; 2 weitere Abweichungen" when there are more; the tip is
// "Abweichung: " and the cell.
LineupCheck checkLineup(const std::vector<SquadEntry>& squad, const LineupRules& rules);
// "Keine Abweichung von der Spielstärke-Reihenfolge", or "5 Abweichungen von der
// Spielstärke-Reihenfolge, 3 Spieler zu weit hinten" ("1 Abweichung ..."), then ", 2 Sperrvermerke"
// ("1 Sperrvermerk") where there are marks: the players too far back are those who stand behind a
// weaker one in at least one deviating pair.
std::string lineupSummary(const LineupCheck& check);

// What the next match in his own Paarkreuz can do for the player at position (0-based, in the
// squad as above) whose values today are today: which results lift him past the next stronger
// teammate, drop him behind the next weaker one, make pairs deviate or stop deviating, and after
// which the whole line-up keeps the order; or one line saying that no result changes any of
// this. No lines when the forecast has no table (no LKZ today, or no next match).
std::vector<std::string> lineupForecast(const std::vector<SquadEntry>& squad, int position,
                                        const LkzInputs& today, const LineupRules& rules);

// The line-up numbers after the player at index takes number target (lineups in any order, a
// permutation of 1..n): the players between his old and his new place move one place towards
// his old one; one place forward or back is a swap. Empty when target is outside 1..n or his own
// number, or lineups is no permutation: there is no such move.
std::vector<int> lineupsAfterMove(const std::vector<int>& lineups, int index, int target);
