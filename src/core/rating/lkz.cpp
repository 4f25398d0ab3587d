#include "rating/lkz.h"

#include "base/view.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

const LeagueRow LeagueTable[leagueCount] = {
    {"1. Bundesliga", 234},  {"2. Bundesliga", 216}, {"Regionalliga", 198},   {"Oberliga", 180},
    {"Hamburg-Liga", 162},   {"1. Landesliga", 144}, {"2. Landesliga", 126},  {"1. Bezirksliga", 108},
    {"2. Bezirksliga", 90},  {"1. Kreisliga", 72},   {"2. Kreisliga", 54},    {"3. Kreisliga", 36},
    {"4. Kreisliga", 18},
};

int leagueBase(int index)
{
    if (index < 0 || index >= leagueCount)
        return 0;
    return LeagueTable[index].base;
}

double computeLkz(double base, double teamCount, double matches, double won1, double lost1,
                  double won2, double lost2, double won3, double lost3)
{
    const double singles = won1 + lost1 + won2 + lost2 + won3 + lost3;
    if (singles == 0)
        return base;
    double t = (won1 * 2.3 - lost1) + (won2 * 1.5 - lost2);
    t = t + (won3 - lost3);
    t = t * (11.0 / (teamCount - 1.0));
    t = t * ((matches + matches) / singles);
    return t + base;
}

double computeLkz(const LkzInputs& in)
{
    return computeLkz(leagueBase(in[League]), in[TeamCount], in[Matches], in[Won1], in[Lost1], in[Won2], in[Lost2],
                      in[Won3], in[Lost3]);
}

static bool isPowerOfTen(double precision)
{
    static const double powers[] = {1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1e0,
                                    1e1,   1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10};
    for (double p : powers)
        if (precision == p)
            return true;
    return false;
}

double roundToPrecision(float value, float precision, View* view)
{
    if (!isPowerOfTen(precision)) {
        if (view)
            showErrorMessage(*view, "Invalid Rounding Precision Value.", "Fehler");
        return 0;
    }
    const int sign = value >= 0 ? 1 : -1;
    const double q = static_cast<double>(value) * (1.0 / static_cast<double>(precision));
    // Out of the 32-bit range (never an LKZ) the truncations below would be undefined.
    if (!(std::fabs(q) < 2147483647.0))
        return value;
    const int32_t g = static_cast<int32_t>(q);
    const int32_t d = static_cast<int32_t>((q - g) * 10 * sign);
    if (d > 4)
        return static_cast<double>(g + sign) * precision;
    return static_cast<double>(g) * precision;
}

std::string withDecimalComma(std::string text)
{
    const auto point = text.find('.');
    if (point != std::string::npos)
        text[point] = ',';
    return text;
}

std::string formatLkz(double value, int decimal)
{
    char buffer[64];
    if (!decimal) {
        const double rounded = roundToPrecision(static_cast<float>(value), 1);
        if (std::fabs(rounded) < 2147483647.0)
            std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(rounded));
        else
            std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
        return buffer;
    }
    const bool whole = value == 0 || (std::fabs(value) < 2147483647.0 &&
                                      value == static_cast<double>(static_cast<int32_t>(value)));
    std::snprintf(buffer, sizeof buffer, whole ? "%.1f" : "%.6g", value);
    return withDecimalComma(buffer);
}
