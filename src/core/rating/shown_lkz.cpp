#include "rating/shown_lkz.h"

#include "base/decimal_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

double roundToWhole(float value)
{
    const int sign = value >= 0 ? 1 : -1;
    const double q = static_cast<double>(value);
    // Out of the 32-bit range (never an LKZ) the truncations below would be undefined.
    if (!(std::fabs(q) < 2147483647.0))
        return value;
    const int32_t g = static_cast<int32_t>(q);
    const int32_t d = static_cast<int32_t>((q - g) * 10 * sign);
    return d > 4 ? g + sign : g;
}

std::string withDecimalComma(std::string text)
{
    const auto point = text.find('.');
    if (point != std::string::npos)
        text[point] = ',';
    return text;
}

namespace {

// The decimal display's digits, with a point.
std::string decimalDigits(double lkz)
{
    char buffer[64];
    const bool whole = lkz == 0 || (std::fabs(lkz) < 2147483647.0 &&
                                    lkz == static_cast<double>(static_cast<int32_t>(lkz)));
    std::snprintf(buffer, sizeof buffer, whole ? "%.1f" : "%.6g", lkz);
    return buffer;
}

} // namespace

std::string shownLkzText(double lkz, int decimal)
{
    if (decimal)
        return withDecimalComma(decimalDigits(lkz));
    char buffer[64];
    const double rounded = roundToWhole(static_cast<float>(lkz));
    if (std::fabs(rounded) < 2147483647.0)
        std::snprintf(buffer, sizeof buffer, "%d", static_cast<int>(rounded));
    else
        std::snprintf(buffer, sizeof buffer, "%.0f", rounded);
    return buffer;
}

double shownLkzValue(double lkz, int decimal)
{
    // The decimal figure is the value of its six digits, which no arithmetic on lkz gives exactly.
    return decimal ? leadingDecimal(decimalDigits(lkz)) : roundToWhole(static_cast<float>(lkz));
}

std::string shownLkzIniText(double lkz) { return decimalDigits(lkz); }

double shownLkzChange(double from, double to, int decimal)
{
    if (!decimal)
        return shownLkzValue(to, 0) - shownLkzValue(from, 0);
    return roundToWhole(static_cast<float>((to - from) * 10)) / 10;
}

std::string shownLkzChangeText(double change, int decimal)
{
    if (change == 0)
        return "\xC2\xB1" + shownLkzText(0, decimal); // "±"
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, decimal ? "%+.1f" : "%+.0f", change);
    return withDecimalComma(buffer);
}
