#include "team/history.h"

#include "base/decimal_text.h"
#include "rating/lkz.h"
#include "rating/shown_lkz.h"

#include <algorithm>
#include <cmath>

namespace {

struct LkzRange {
    double low, high;
};

// The lowest and highest LKZ the formula gives a plausible player of any league: every single in
// one kind of game (each Paarkreuz won or lost), one single a match (matches / singles at most
// 1) and as many matches as the most teams allow (matches / (teams - 1) at most 1).
LkzRange possibleLkz()
{
    const int teams = inputRanges[TeamCount].high;
    const int matches = std::min(inputRanges[Matches].high, teams - 1);
    LkzRange range{HUGE_VAL, -HUGE_VAL};
    for (const LeagueRow& league : LeagueTable)
        for (int kind = Won1; kind <= Lost3; ++kind) {
            double games[InputKindCount] = {};
            games[kind] = matches;
            const double lkz = computeLkz(league.base, teams, matches, games[Won1], games[Lost1], games[Won2],
                                          games[Lost2], games[Won3], games[Lost3]);
            range.low = std::min(range.low, lkz);
            range.high = std::max(range.high, lkz);
        }
    return range;
}

// Far below the thousandth a point is written with, far above the formula's rounding error.
constexpr double rangeMargin = 1e-6;

bool inRange(double matches) { return matches >= inputRanges[Matches].low && matches <= inputRanges[Matches].high; }

// Puts the point in its place, replacing one with the same count.
void setPoint(SeasonHistory& history, HistoryPoint point)
{
    auto at = std::lower_bound(history.begin(), history.end(), point.matches,
                               [](const HistoryPoint& p, int matches) { return p.matches < matches; });
    if (at != history.end() && at->matches == point.matches)
        *at = point;
    else
        history.insert(at, point);
}

} // namespace

void keepHistory(SeasonHistory& history, int matches, std::optional<double> lkz)
{
    history.erase(std::remove_if(history.begin(), history.end(),
                                 [&](const HistoryPoint& p) { return p.matches >= matches; }),
                  history.end());
    if (lkz && std::isfinite(*lkz) && inRange(matches))
        history.push_back({matches, shownLkzValue(*lkz, 1)});
}

std::string historyIniText(const SeasonHistory& history)
{
    std::string text;
    for (const HistoryPoint& p : history)
        text += (text.empty() ? "" : ";") + std::to_string(p.matches) + ":" + shownLkzIniText(p.lkz);
    return text;
}

SeasonHistory historyFromIni(const std::string& text)
{
    SeasonHistory history;
    const LkzRange possible = possibleLkz();
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find(';', begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string point = text.substr(begin, end - begin);
        begin = end + 1;
        const size_t colon = point.find(':');
        if (colon == std::string::npos)
            continue;
        const std::string count = point.substr(0, colon);
        const std::optional<double> matches = decimalNumber(count);
        const std::optional<double> lkz = decimalNumber(point.substr(colon + 1));
        // The count is written as digits alone: "4.0" or "4e0" are no counts.
        if (!matches || !lkz || count.find_first_of(".,eE") != std::string::npos || !inRange(*matches) ||
            *lkz < possible.low - rangeMargin || *lkz > possible.high + rangeMargin)
            continue;
        setPoint(history, {static_cast<int>(*matches), shownLkzValue(*lkz, 1)});
    }
    return history;
}
