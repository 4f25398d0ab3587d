// The line-up rules: their texts, the teams, the check against the order of strength, what the
// next match changes about it, and moving a player.
#include "team/lineup.h"

#include "core_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

TEST(LineupRules, TextsReadWrittenAndTyped)
{
    const struct {
        const char* text;
        int regulars;             // read from the INI file
        int tolerance;            // read from the INI file, in tenths
        std::optional<int> typed; // typed into the dialog
    } cases[] = {
        {"4,2", 4, 42, 42}, {"4.2", 4, 42, 42},   {" 7 ", 7, 70, 70},    {"99,9", 10, 999, 999}, {"0", 0, 0, 0},
        {"abc", 0, 0, {}},  {"-5", 0, 0, {}},     {"1e9", 0, 999, {}},   {"99", 10, 990, 990},   {"1", 0, 10, 10},
        {"", 0, 0, {}},     {"4.25", 4, 43, {}},  {"100", 10, 999, {}},  {"4,", 4, 40, 40},      {",5", 0, 5, 5},
        {"nan", 0, 0, {}},  {"2.0xyz", 2, 20, {}}, {"-0.04", 0, 0, {}},  {"1e999", 0, 999, {}}, {" .5 ", 0, 5, 5},
        {",", 0, 0, {}},    {",55", 0, 6, {}},    {"5,,", 5, 50, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(regularsFromIni(c.text), c.regulars) << c.text;
        EXPECT_EQ(toleranceFromIni(c.text), c.tolerance) << c.text;
        EXPECT_EQ(toleranceFromTyped(c.text), c.typed) << c.text;
    }
    EXPECT_EQ(toleranceIniText(42), "4.2");
    EXPECT_EQ(toleranceIniText(999), "99.9");
    EXPECT_EQ(toleranceText(5), "0,5");
    EXPECT_EQ(rulesText({4, 20, 55}),
              "Regeln: je 4 Stammspieler, Toleranz 2,0 in der Mannschaft, 5,5 zwischen Mannschaften");
    EXPECT_EQ(rulesText({0, 0, 55}), "Regeln: eine Mannschaft, Toleranz 0,0");
    const int teamsOfFour[] = {1, 1, 1, 1, 2, 2, 2, 2, 3};
    for (int position = 1; position <= 9; ++position) {
        EXPECT_EQ(teamOfPosition(position, 4), teamsOfFour[position - 1]);
        EXPECT_EQ(teamOfPosition(position, 0), 0);
    }
}

// Squads in line-up order, LKZ values and rules, and what the overview's column says of each.
TEST(LineupCheck, DeviationsFromTheOrderOfStrength)
{
    const std::optional<double> none;
    const struct {
        const char* what;
        LineupRules rules;
        std::vector<std::optional<double>> lkz; // players A, B, C, ... in line-up order
        const char* marks;                      // 'x' for a "Sperrvermerk"
        std::vector<std::string> cells;
        const char* summary;
    } cases[] = {
        {"one team, strict", {0, 0, 0}, {200, 204.2, 199}, "", {"gehört hinter B (-4,2)", "gehört vor A (+4,2)", "ok"},
         "1 Abweichung von der Spielstärke-Reihenfolge, 1 Spieler zu weit hinten"},
        {"exactly the tolerance", {0, 42, 0}, {200.1, 204.3, 199}, "", {"ok", "ok", "ok"}, "Keine Abweichung von der Spielstärke-Reihenfolge"},
        {"compared as displayed", {0, 0, 0}, {199.9996, 200.0003, 204.20004}, "", {"gehört hinter C (-4,2)", "gehört hinter C (-4,2)", "gehört vor A (+4,2); 1 weitere Abweichung"},
         "2 Abweichungen von der Spielstärke-Reihenfolge, 1 Spieler zu weit hinten"},
        {"rounding within the tolerance", {0, 42, 0}, {200, 204.20004}, "", {"ok", "ok"}, "Keine Abweichung von der Spielstärke-Reihenfolge"},
        {"no LKZ is not judged", {0, 0, 0}, {none, 200, none, 201}, "", {"keine LKZ", "gehört hinter D (-1,0)", "keine LKZ", "gehört vor B (+1,0)"},
         "1 Abweichung von der Spielstärke-Reihenfolge, 1 Spieler zu weit hinten"},
        // Teams of two, the last one smaller: 1.0 inside a team, 3.0 between. The largest first.
        {"teams", {2, 10, 30}, {210, 211, 205, 207.5, 213}, "", {"ok", "ok", "gehört hinter E (-8,0); 1 weitere Abweichung", "gehört hinter E (-5,5); 1 weitere Abweichung", "gehört vor C (+8,0); 1 weitere Abweichung"},
         "3 Abweichungen von der Spielstärke-Reihenfolge, 2 Spieler zu weit hinten"},
        // E's mark covers his pairs with the other teams, not C and D inside theirs; marks ahead cover nothing.
        {"a mark behind", {2, 10, 30}, {210, 211, 205, 207.5, 213}, "....x", {"ok", "ok", "gehört hinter D (-2,5)", "gehört vor C (+2,5)", "ok"},
         "1 Abweichung von der Spielstärke-Reihenfolge, 1 Spieler zu weit hinten, 1 Sperrvermerk"},
        {"marks ahead", {2, 10, 30}, {210, 211, 205, 207.5, 213}, "..xx.", {"ok", "ok", "gehört hinter E (-8,0); 1 weitere Abweichung", "gehört hinter E (-5,5); 1 weitere Abweichung", "gehört vor C (+8,0); 1 weitere Abweichung"},
         "3 Abweichungen von der Spielstärke-Reihenfolge, 2 Spieler zu weit hinten, 2 Sperrvermerke"},
        {"all covered", {2, 10, 30}, {200, 199, 205, 204}, "..xx", {"ok", "ok", "ok", "ok"}, "Keine Abweichung von der Spielstärke-Reihenfolge, 2 Sperrvermerke"},
    };
    for (const auto& c : cases) {
        std::vector<SquadEntry> squad;
        for (size_t i = 0; i < c.lkz.size(); ++i)
            squad.push_back({std::string(1, static_cast<char>('A' + i)), c.lkz[i], c.marks[0] && c.marks[i] == 'x'});
        const LineupCheck check = checkLineup(squad, c.rules);
        EXPECT_EQ(check.cells, c.cells) << c.what;
        EXPECT_EQ(lineupSummary(check), c.summary) << c.what;
        for (size_t i = 0; i < squad.size(); ++i) {
            EXPECT_EQ(check.teams[i], teamOfPosition(static_cast<int>(i) + 1, c.rules.regulars)) << c.what;
            const bool ok = c.cells[i] == "ok" || c.cells[i] == "keine LKZ";
            EXPECT_EQ(check.tips[i], ok ? "" : "Abweichung: " + c.cells[i]) << c.what;
        }
    }
    std::vector<SquadEntry> teams = {{"X", 190}, {"Y", 190}, {"A", 210}, {"B", 211}, {"C", 205}, {"D", 207.5}, {"E", 213}};
    EXPECT_EQ(checkLineup(teams, {0, 0, 0}).cells[6], "gehört vor X (+23,0); 5 weitere Abweichungen");
}

// Bert: Oberliga, 12 teams, 9 matches, 10:4 and 2:1, today 202,235. In his first Paarkreuz the
// next match gives 1:0 205,889, 0:1 202,222, 2:0 206,947, 1:1 203,474, 0:2 200,0, 3:0 207,9,
// 2:1 204,6, 1:2 201,3 and 0:3 198,0.
TEST(LineupForecast, WhatTheNextMatchChanges)
{
    const LkzInputs bert = inputs(3, 12, 9, 10, 4, 2, 1);
    const std::optional<double> none;
    const struct {
        LineupRules rules;
        std::vector<SquadEntry> squad; // Bert's own LKZ comes from his inputs
        std::vector<std::string> lines;
    } cases[] = {
        {{2, 10, 30},
         {{"Anna", 206.5}, {"Carl", 204}, {"Bert", none}, {"Dora", 201}, {"Emil", 199}, {"Finn", none}},
         {"Mit 1:0, 2:0, 3:0 oder 2:1 im 1. Paarkreuz zieht Bert an Carl (204,0) vorbei.",
          "Mit 0:2 oder 0:3 im 1. Paarkreuz fällt Bert hinter Dora (201,0) zurück.",
          "Mit 3:0 im 1. Paarkreuz gehört Bert nach den Regeln vor Carl (204,0).",
          // 0:2 leaves him 1,0 below Dora: exactly the tolerance.
          "Mit 0:3 im 1. Paarkreuz gehört Bert nach den Regeln hinter Dora (201,0)."}},
        {{0, 5, 0},
         {{"Anna", 206.5}, {"Dora", 201}, {"Bert", 150}, {"Emil", 199}, {"Ida", 199}},
         {"Mit 2:0 oder 3:0 im 1. Paarkreuz zieht Bert an Anna (206,5) vorbei.",
          "Mit 0:2 oder 0:3 im 1. Paarkreuz fällt Bert hinter Dora (201,0) zurück.",
          "Mit 3:0 im 1. Paarkreuz gehört Bert nach den Regeln vor Anna (206,5).",
          "Mit 0:3 im 1. Paarkreuz gehört Bert nach den Regeln hinter Emil (199,0) und Ida (199,0).",
          "Mit 0:2, 1:2 oder 0:3 im 1. Paarkreuz muss Bert nicht mehr vor Dora (201,0) stehen.",
          "Mit 0:2 oder 1:2 im 1. Paarkreuz hält die Aufstellung die Spielstärke-Reihenfolge ein."}},
        {{0, 0, 0},
         {{"Anna", 250}, {"Bert", none}, {"Carl", 150}},
         {"Kein Ergebnis des nächsten Spiels im 1. Paarkreuz ändert die Reihenfolge nach LKZ oder eine Abweichung."}},
    };
    for (const auto& c : cases) {
        int position = 0;
        while (c.squad[position].name != "Bert")
            ++position;
        EXPECT_EQ(lineupForecast(c.squad, position, bert, c.rules), c.lines);
    }
    const std::vector<SquadEntry> squad = {{"Anna", 206.5}, {"Bert", none}};
    EXPECT_TRUE(lineupForecast(squad, 1, inputs(3, 10, 9, 10, 4, 2, 1), {}).empty()) << "no next match";
    EXPECT_TRUE(lineupForecast(squad, 1, inputs(-1, 12, 9, 10, 4, 2, 1), {}).empty()) << "no LKZ today";
    EXPECT_TRUE(lineupForecast(squad, 2, bert, {}).empty()) << "no such player";
}

TEST(LineupMove, NumbersAndNames)
{
    const struct {
        std::vector<int> lineups;
        int index, target;
        std::vector<int> moved;
    } cases[] = {
        {{1, 2, 3, 4}, 1, 1, {2, 1, 3, 4}},     // one place forward
        {{1, 2, 3, 4}, 1, 3, {1, 3, 2, 4}},     // one place back
        {{3, 1, 4, 2}, 2, 1, {4, 2, 1, 3}},     // LKZ order: dragged to the front
        {{1, 2, 3, 4, 5}, 0, 4, {4, 1, 2, 3, 5}},
        {{1, 2, 3, 4}, 0, 0, {}},               // no place before the first
        {{1, 2, 3, 4}, 3, 5, {}},               // none after the last
        {{1, 2, 3, 4}, 2, 3, {}},               // his own number
        {{1, 2, 2, 4}, 0, 2, {}},               // no permutation
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineupsAfterMove(c.lineups, c.index, c.target), c.moved) << c.index << " to " << c.target;
}

} // namespace
