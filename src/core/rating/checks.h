#pragma once
// The three plausibility checks: inputs in, marks and the first failure's message out.
#include "rating/lkz.h"

#include <cstdint>
#include <optional>
#include <string>

// The three checks in the order their messages take: only the first failure is reported.
enum class CheckFailure { None, League, Singles, Teams };

struct CheckResult {
    int32_t marks[InputKindCount] = {}; // 1 for every input the checks find implausible
    bool leagueMissing = false;
    bool singlesImplausible = false;   // singles against matches
    bool teamsImplausible = false;     // matches against teams
    CheckFailure firstFailure = CheckFailure::None;
    // The message of the first failing check; empty when all pass.
    std::string message;
    std::string title;
    bool passed() const { return !leagueMissing && !singlesImplausible && !teamsImplausible; }
};

CheckResult checkInputs(const LkzInputs& inputs);
// The words of the matches-against-teams check.
std::string teamsMessage(int matches, int teamCount);

// The LKZ of these inputs when it means something: the checks pass and the team count gives the
// formula its factor (0 or 1 teams come only from an edited INI file). The one answer to "has
// this player an LKZ" for the LKZ order, the team overview and the formula window.
std::optional<double> meaningfulLkz(const LkzInputs& inputs);

// 1 when the formula cannot be shown with values: no meaningful LKZ, or no games at all.
int valuesFormulaUnavailable(const LkzInputs& inputs);
