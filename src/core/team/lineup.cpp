#include "team/lineup.h"

#include "base/decimal_text.h"
#include "base/numbers.h"
#include "rating/checks.h"
#include "rating/forecast.h"
#include "rating/shown_lkz.h"

#include <cmath>
#include <utility>

namespace {

// Shown values have six significant digits, so two that are equal as written differ in a double
// by far less than this, and two that differ as written by far more.
constexpr double sameValue = 1e-9;

const char* const orderName = "Spielstärke-Reihenfolge";

int clampTenths(double tenths)
{
    if (!(tenths > 0))
        return 0;
    return tenths >= maxToleranceTenths ? maxToleranceTenths : static_cast<int>(std::lround(tenths));
}

std::string tenthsText(int tenths, char separator)
{
    return std::to_string(tenths / 10) + separator + std::to_string(tenths % 10);
}

std::vector<std::optional<double>> shownValues(const std::vector<SquadEntry>& squad)
{
    std::vector<std::optional<double>> values;
    for (const SquadEntry& entry : squad)
        values.push_back(entry.lkz ? std::optional<double>(shownLkzValue(*entry.lkz, 1)) : std::nullopt);
    return values;
}

// How far behind exceeds ahead beyond the tolerance of their positions; nothing when within it or
// when a "Sperrvermerk" of behind covers a pair of two teams.
std::optional<double> excessOf(const std::vector<SquadEntry>& squad,
                               const std::vector<std::optional<double>>& values, int ahead, int behind,
                               const LineupRules& rules)
{
    if (!values[ahead] || !values[behind])
        return std::nullopt;
    const double excess = *values[behind] - *values[ahead];
    const bool sameTeam = teamOfPosition(ahead + 1, rules.regulars) == teamOfPosition(behind + 1, rules.regulars);
    if (!sameTeam && squad[behind].blockMark)
        return std::nullopt;
    const double tolerance = (sameTeam ? rules.teamTenths : rules.clubTenths) / 10.0;
    return excess - tolerance > sameValue ? std::optional<double>(excess) : std::nullopt;
}

std::vector<LineupDeviation> deviationsOf(const std::vector<SquadEntry>& squad,
                                          const std::vector<std::optional<double>>& values,
                                          const LineupRules& rules)
{
    std::vector<LineupDeviation> deviations;
    const int n = static_cast<int>(values.size());
    for (int behind = 1; behind < n; ++behind)
        for (int ahead = 0; ahead < behind; ++ahead)
            if (const std::optional<double> excess = excessOf(squad, values, ahead, behind, rules))
                deviations.push_back({ahead, behind, *excess});
    return deviations;
}

std::string lkzText(double shown) { return shownLkzText(shown, 1); }

// "vor Anna (+4,2)" for the player behind, "hinter Bert (-4,2)" for the one ahead.
std::string deviationText(const LineupDeviation& d, int position, const std::vector<SquadEntry>& squad)
{
    const bool behind = d.behind == position;
    return (behind ? "vor " + squad[d.ahead].name + " (+" : "hinter " + squad[d.behind].name + " (-") +
           lkzText(d.excess) + ")";
}

// "A", "A und B", "A, B und C" ("oder" as last).
std::string listed(const std::vector<std::string>& items, const char* last = " und ")
{
    std::string text;
    for (size_t i = 0; i < items.size(); ++i)
        text += (i == 0 ? "" : i + 1 == items.size() ? last : ", ") + items[i];
    return text;
}

// The deviations of one player, his largest first. They come, and the first of equal ones is
// taken, in this order: where he stands behind a weaker one, nearest the front first, then where
// he stands ahead of a stronger one, furthest back first.
std::vector<LineupDeviation> deviationsOfPlayer(const std::vector<LineupDeviation>& all, int position)
{
    std::vector<LineupDeviation> mine;
    for (const LineupDeviation& d : all)
        if (d.behind == position)
            mine.push_back(d);
    for (auto d = all.rbegin(); d != all.rend(); ++d)
        if (d->ahead == position)
            mine.push_back(*d);
    size_t largest = 0;
    for (size_t i = 1; i < mine.size(); ++i)
        if (mine[i].excess - mine[largest].excess > sameValue)
            largest = i;
    if (largest)
        std::swap(mine[0], mine[largest]);
    return mine;
}

// "1 Abweichung", "2 Abweichungen"
std::string counted(size_t count, const char* one, const char* more)
{
    return std::to_string(count) + " " + (count == 1 ? one : more);
}
std::string moreDeviations(size_t more)
{
    return counted(more, "weitere Abweichung", "weitere Abweichungen");
}

// "2:0, 3:0 oder 2:1"
std::string resultsText(int mask)
{
    std::vector<std::string> results;
    for (int r = 0; r < matchResultCount; ++r)
        if ((mask >> r) & 1)
            results.push_back(matchResultText(matchResults[r]));
    return listed(results, " oder ");
}

// Teammates with the same results of one effect share a line.
struct EffectGroup {
    int mask;
    std::vector<int> teammates;
};
void addToGroup(std::vector<EffectGroup>& groups, int mask, int teammate)
{
    if (!mask)
        return;
    for (EffectGroup& group : groups)
        if (group.mask == mask) {
            group.teammates.push_back(teammate);
            return;
        }
    groups.push_back({mask, {teammate}});
}

} // namespace

int regularsFromIni(const std::string& text)
{
    const int regulars = decimalValue(text);
    return regulars < 2 ? 0 : regulars > maxRegulars ? maxRegulars : regulars;
}

int toleranceFromIni(const std::string& text) { return clampTenths(leadingDecimal(text) * 10); }

std::string toleranceIniText(int tenths) { return tenthsText(clampTenths(tenths), '.'); }

std::optional<int> toleranceFromTyped(const std::string& typed)
{
    const size_t begin = typed.find_first_not_of(' '), end = typed.find_last_not_of(' ');
    std::string text = begin == std::string::npos ? std::string() : typed.substr(begin, end - begin + 1);
    // Digits, then at most one decimal after a comma or a point: no sign, no exponent.
    size_t separator = text.find_first_of(".,");
    for (size_t i = 0; i < text.size(); ++i)
        if (i != separator && !(text[i] >= '0' && text[i] <= '9'))
            return std::nullopt;
    if (separator != std::string::npos && text.size() > 1) {
        if (separator == 0)
            text.insert(0, "0"), ++separator;
        if (separator + 1 == text.size())
            text += '0';
    }
    if (text.empty() || separator == 0 || (separator != std::string::npos && text.size() != separator + 2))
        return std::nullopt;
    const double tenths = std::round(*decimalNumber(text) * 10);
    if (tenths > maxToleranceTenths)
        return std::nullopt;
    return static_cast<int>(tenths);
}

std::string toleranceText(int tenths) { return tenthsText(clampTenths(tenths), ','); }

std::string rulesText(const LineupRules& rules)
{
    if (rules.regulars == 0)
        return "Regeln: eine Mannschaft, Toleranz " + toleranceText(rules.teamTenths);
    return "Regeln: je " + std::to_string(rules.regulars) + " Stammspieler, Toleranz " +
           toleranceText(rules.teamTenths) + " in der Mannschaft, " + toleranceText(rules.clubTenths) +
           " zwischen Mannschaften";
}

int teamOfPosition(int position, int regulars)
{
    if (regulars <= 0 || position < 1)
        return 0;
    return (position - 1) / regulars + 1;
}

int placeInTeam(int position, int regulars)
{
    return regulars > 0 ? (position - 1) % regulars + 1 : position;
}

LineupCheck checkLineup(const std::vector<SquadEntry>& squad, const LineupRules& rules)
{
    LineupCheck check;
    const std::vector<std::optional<double>> values = shownValues(squad);
    check.deviations = deviationsOf(squad, values, rules);
    for (int position = 0; position < static_cast<int>(squad.size()); ++position) {
        check.teams.push_back(teamOfPosition(position + 1, rules.regulars));
        check.blockMarks += squad[position].blockMark ? 1 : 0;
        const std::vector<LineupDeviation> mine = deviationsOfPlayer(check.deviations, position);
        if (!values[position]) {
            check.cells.push_back("keine LKZ");
            check.tips.emplace_back();
            continue;
        }
        if (mine.empty()) {
            check.cells.push_back("ok");
            check.tips.emplace_back();
            continue;
        }
        const std::string cell = "gehört " + deviationText(mine[0], position, squad) +
                                 (mine.size() > 1 ? "; " + moreDeviations(mine.size() - 1) : std::string());
        check.cells.push_back(cell);
        check.tips.push_back("Abweichung: " + cell);
    }
    return check;
}

std::string lineupSummary(const LineupCheck& check)
{
    const size_t deviations = check.deviations.size();
    std::string text = deviations == 0 ? std::string("Keine Abweichung von der ")
                                       : counted(deviations, "Abweichung von der ", "Abweichungen von der ");
    text += orderName;
    std::vector<bool> behind(check.cells.size(), false);
    size_t tooFarBack = 0;
    for (const LineupDeviation& d : check.deviations)
        if (!behind[d.behind])
            behind[d.behind] = true, ++tooFarBack;
    if (tooFarBack)
        text += ", " + std::to_string(tooFarBack) + " Spieler zu weit hinten";
    if (check.blockMarks)
        text += ", " + counted(check.blockMarks, "Sperrvermerk", "Sperrvermerke");
    return text;
}

std::vector<std::string> lineupForecast(const std::vector<SquadEntry>& squad, int position,
                                        const LkzInputs& today, const LineupRules& rules)
{
    const int n = static_cast<int>(squad.size());
    const std::optional<double> now = meaningfulLkz(today);
    if (position < 0 || position >= n || !now || !forecastNextMatch(today, 1).available())
        return {};
    // The player's own figure comes from today's values, so that his line agrees with the table.
    std::vector<std::optional<double>> values = shownValues(squad);
    values[position] = shownLkzValue(*now, 1);
    const double mine = *values[position];
    std::optional<double> stronger, weaker;
    for (int t = 0; t < n; ++t) {
        if (t == position || !values[t])
            continue;
        if (*values[t] > mine && (!stronger || *values[t] < *stronger))
            stronger = values[t];
        if (*values[t] < mine && (!weaker || *values[t] > *weaker))
            weaker = values[t];
    }

    const int pk = ownPaarkreuz(today);
    const bool deviatesToday = !deviationsOf(squad, values, rules).empty();
    int passes = 0, drops = 0, keepsOrder = 0;
    std::vector<int> begins(n), ends(n); // per teammate: results that make his pair deviate, or stop
    for (int r = 0; r < matchResultCount; ++r) {
        const std::optional<double> lkz = meaningfulLkz(afterResult(today, pk, matchResults[r]));
        if (!lkz)
            continue;
        std::vector<std::optional<double>> after = values;
        after[position] = shownLkzValue(*lkz, 1);
        if (stronger && *after[position] > *stronger)
            passes |= 1 << r;
        if (weaker && *after[position] < *weaker)
            drops |= 1 << r;
        if (deviatesToday && deviationsOf(squad, after, rules).empty())
            keepsOrder |= 1 << r;
        for (int t = 0; t < n; ++t) {
            if (t == position)
                continue;
            const int ahead = t < position ? t : position, behind = t < position ? position : t;
            const bool before = excessOf(squad, values, ahead, behind, rules).has_value();
            if (before != excessOf(squad, after, ahead, behind, rules).has_value())
                (before ? ends : begins)[t] |= 1 << r;
        }
    }

    const std::string& name = squad[position].name;
    const std::string intro = " im " + std::to_string(pk + 1) + ". Paarkreuz ";
    const auto withLkz = [&](const std::vector<int>& teammates) {
        std::vector<std::string> items;
        for (int t : teammates)
            items.push_back(squad[t].name + " (" + lkzText(*values[t]) + ")");
        return listed(items);
    };
    const auto at = [&](double value) {
        std::vector<int> teammates;
        for (int t = 0; t < n; ++t)
            if (t != position && values[t] && *values[t] == value)
                teammates.push_back(t);
        return teammates;
    };
    std::vector<std::string> lines;
    if (passes)
        lines.push_back("Mit " + resultsText(passes) + intro + "zieht " + name + " an " + withLkz(at(*stronger)) +
                        " vorbei.");
    if (drops)
        lines.push_back("Mit " + resultsText(drops) + intro + "fällt " + name + " hinter " + withLkz(at(*weaker)) +
                        " zurück.");
    // Teammates ahead of him and behind him, each with the results that change their pair.
    std::vector<EffectGroup> groups[4];
    for (int t = 0; t < n; ++t) {
        addToGroup(groups[t < position ? 0 : 1], begins[t], t);
        addToGroup(groups[t < position ? 2 : 3], ends[t], t);
    }
    const char* const effects[4][2] = {{"gehört ", " nach den Regeln vor "},
                                       {"gehört ", " nach den Regeln hinter "},
                                       {"muss ", " nicht mehr vor "},
                                       {"muss ", " nicht mehr hinter "}};
    for (int kind = 0; kind < 4; ++kind)
        for (const EffectGroup& group : groups[kind])
            lines.push_back("Mit " + resultsText(group.mask) + intro + effects[kind][0] + name + effects[kind][1] +
                            withLkz(group.teammates) + (kind < 2 ? "." : " stehen."));
    if (keepsOrder)
        lines.push_back("Mit " + resultsText(keepsOrder) + intro + "hält die Aufstellung die " + orderName + " ein.");
    if (lines.empty())
        lines.push_back("Kein Ergebnis des nächsten Spiels" + intro + "ändert die Reihenfolge nach LKZ oder eine Abweichung.");
    return lines;
}

std::vector<int> lineupsAfterMove(const std::vector<int>& lineups, int index, int target)
{
    const int n = static_cast<int>(lineups.size());
    std::vector<bool> seen(n + 1, false);
    for (int lineup : lineups) {
        if (lineup < 1 || lineup > n || seen[lineup])
            return {};
        seen[lineup] = true;
    }
    if (index < 0 || index >= n || target < 1 || target > n || target == lineups[index])
        return {};
    const int from = lineups[index];
    std::vector<int> moved = lineups;
    for (int& lineup : moved) {
        if (lineup == from)
            lineup = target;
        else if (from < target && lineup > from && lineup <= target)
            --lineup;
        else if (target < from && lineup >= target && lineup < from)
            ++lineup;
    }
    return moved;
}
