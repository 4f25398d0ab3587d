#include "rating/forecast.h"

#include "rating/checks.h"
#include "rating/shown_lkz.h"

#include <optional>

const MatchResult matchResults[matchResultCount] = {{1, 0}, {0, 1}, {2, 0}, {1, 1}, {0, 2},
                                                    {3, 0}, {2, 1}, {1, 2}, {0, 3}};

namespace {

const char* const dash = "\xE2\x80\x93";       // "–"

const InputKind wonKinds[paarkreuzCount] = {Won1, Won2, Won3};
const InputKind lostKinds[paarkreuzCount] = {Lost1, Lost2, Lost3};

// A check's message box has two lines; the window has room for one.
std::string oneLine(std::string message)
{
    for (char& c : message)
        if (c == '\n')
            c = ' ';
    return message;
}

} // namespace

int matchResultIndex(MatchResult result)
{
    for (int r = 0; r < matchResultCount; ++r)
        if (matchResults[r].won == result.won && matchResults[r].lost == result.lost)
            return r;
    return -1;
}

int ownPaarkreuz(const LkzInputs& in)
{
    int own = 0;
    for (int pk = 1; pk < paarkreuzCount; ++pk)
        if (in[wonKinds[pk]] + in[lostKinds[pk]] > in[wonKinds[own]] + in[lostKinds[own]])
            own = pk;
    return own;
}

LkzInputs afterResult(const LkzInputs& today, int paarkreuz, MatchResult result)
{
    LkzInputs after = today;
    after[Matches] += 1;
    after[wonKinds[paarkreuz]] += result.won;
    after[lostKinds[paarkreuz]] += result.lost;
    return after;
}

Forecast forecastNextMatch(const LkzInputs& today, int decimal)
{
    Forecast forecast;
    forecast.ownPaarkreuz = ownPaarkreuz(today);
    const CheckResult check = checkInputs(today);
    if (!check.passed()) {
        forecast.refusal = oneLine(check.message);
        return forecast;
    }
    // One more match must stay below the number of teams, whatever its result.
    const int next = today[Matches] + 1;
    const std::optional<double> now = meaningfulLkz(today);
    if (next >= today[TeamCount] || !now) {
        forecast.refusal = oneLine(teamsMessage(next, today[TeamCount]));
        return forecast;
    }
    forecast.todayText = shownLkzText(*now, decimal);
    for (int r = 0; r < matchResultCount; ++r)
        for (int pk = 0; pk < paarkreuzCount; ++pk) {
            ForecastCell& cell = forecast.cells[r][pk];
            const std::optional<double> lkz = meaningfulLkz(afterResult(today, pk, matchResults[r]));
            if (!lkz)
                continue;
            cell.plausible = true;
            cell.lkzText = shownLkzText(*lkz, decimal);
            cell.change = shownLkzChange(*now, *lkz, decimal);
            cell.changeText = shownLkzChangeText(cell.change, decimal);
        }
    return forecast;
}

std::string forecastSummary(const Forecast& forecast, const std::string& player, int matches)
{
    if (!forecast.available())
        return forecast.refusal;
    return player + ": LKZ " + forecast.todayText + " nach " + std::to_string(matches) +
           (matches == 1 ? " Punktspiel" : " Punktspielen");
}

std::string matchResultText(MatchResult result)
{
    return std::to_string(result.won) + ":" + std::to_string(result.lost);
}

std::string forecastCellText(const ForecastCell& cell)
{
    return cell.plausible ? cell.lkzText + " (" + cell.changeText + ")" : dash;
}

std::vector<std::string> forecastHeaders(const Forecast& forecast)
{
    std::vector<std::string> headers = {"Ergebnis"};
    for (int pk = 0; pk < paarkreuzCount; ++pk)
        headers.push_back(std::to_string(pk + 1) + ". PK" + (pk == forecast.ownPaarkreuz ? " (eigenes)" : ""));
    return headers;
}

std::string forecastText(const Forecast& forecast)
{
    std::string text;
    const std::vector<std::string> headers = forecastHeaders(forecast);
    for (size_t i = 0; i < headers.size(); ++i)
        text += (i ? "\t" : "") + headers[i];
    text += "\r\n";
    for (int r = 0; r < matchResultCount; ++r) {
        text += matchResultText(matchResults[r]);
        for (int pk = 0; pk < paarkreuzCount; ++pk)
            text += "\t" + forecastCellText(forecast.cells[r][pk]);
        text += "\r\n";
    }
    return text;
}
