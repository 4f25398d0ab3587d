#include "rating/checks.h"

#include <cmath>
#include <cstdio>

namespace {

std::string singlesMessage(int singles, int matches)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  matches == 1 ? "Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n%d Einzel in %d Punktspiel."
                               : "Anzahl Punktspiele/Anzahl durchgeführte Einzel nicht plausibel:\n%d Einzel in %d Punktspielen.",
                  singles, matches);
    return buffer;
}

void report(CheckResult& result, CheckFailure failure, const std::string& message, const char* title)
{
    if (result.firstFailure != CheckFailure::None)
        return;
    result.firstFailure = failure;
    result.message = message;
    result.title = title;
}

} // namespace

std::string teamsMessage(int matches, int teamCount)
{
    char buffer[160];
    std::snprintf(buffer, sizeof buffer,
                  "Anzahl Mannschaften/Anzahl Punktspiele nicht plausibel:\n%d Punktspiele bei %d Mannschaften.",
                  matches, teamCount);
    return buffer;
}

CheckResult checkInputs(const LkzInputs& in)
{
    CheckResult result;
    result.leagueMissing = !(in[League] >= 0 && in[League] < leagueCount);
    result.marks[League] = result.leagueMissing ? 1 : 0;
    if (result.leagueMissing)
        report(result, CheckFailure::League, "Bitte eine Spielklasse auswählen.", "Fehler");

    const int singles = in.singles();
    if ((singles < in[Matches] && singles != 0) || singles > 2 * in[Matches]) {
        result.singlesImplausible = true;
        result.marks[Matches] = 1;
        // Only the game counts that contribute are marked.
        for (int kind = Won1; kind <= Lost3; ++kind)
            result.marks[kind] = in[kind] > 0 ? 1 : 0;
        report(result, CheckFailure::Singles, singlesMessage(singles, in[Matches]), "LKZ berechnen");
    }

    if (in[Matches] >= in[TeamCount]) {
        result.teamsImplausible = true;
        result.marks[TeamCount] = 1;
        result.marks[Matches] = 1;
        report(result, CheckFailure::Teams, teamsMessage(in[Matches], in[TeamCount]), "Fehler");
    }
    return result;
}

std::optional<double> meaningfulLkz(const LkzInputs& in)
{
    if (!checkInputs(in).passed() || in[TeamCount] <= 1)
        return std::nullopt;
    const double lkz = computeLkz(in);
    return std::isfinite(lkz) ? std::optional<double>(lkz) : std::nullopt;
}

int valuesFormulaUnavailable(const LkzInputs& in) { return meaningfulLkz(in) && in.singles() != 0 ? 0 : 1; }
