#pragma once
// The plausibility checks, the marks and the LKZ display state. Window-free: the main dialog
// reads its controls into LkzInputs and lends its drawing through lkzView.
#include "rating/lkz.h"
#include "team/team.h"

#include <string>

// The nine values as the controls hold them.
struct LkzInputs {
    int league = -1;
    int teamCount = 0;
    int matches = 0;
    int won1 = 0, lost1 = 0, won2 = 0, lost2 = 0, won3 = 0, lost3 = 0;
    int singles() const { return won1 + lost1 + won2 + lost2 + won3 + lost3; }
};

// What the rating code needs of the window; every entry may be left empty.
struct LkzView {
    void (*showText)(const std::string& text) = nullptr; // the LKZ display
    void (*paintInputMarks)() = nullptr;
    void (*clearInputMarks)() = nullptr;
    void (*dropLeagueList)() = nullptr;
    void (*decimalShown)(int decimal) = nullptr;        // redraw and the check box
};
extern LkzView lkzView;

// The LKZ last shown.
extern float currentLkz;

void setMark(int kind, int value);
int getMark(int kind);
bool anyMark();

// The LKZ of one record from its own values, its own marks and the state's league and team
// count; 0 when marked or when the team count makes the formula meaningless.
float playerLkz(const TeamState& state, const PlayerRecord& record);
void recomputePlayerLkz(TeamState& state, int index);

// The checks, the marks, the messages (interactive only) and the display; 1 when an LKZ was shown.
int calculateFrom(const LkzInputs& inputs, int interactive);
int valuesFormulaUnavailable(const LkzInputs& inputs);

void clearLkz();
void showLkzText(const std::string& text);
void toggleDecimalOutput();
