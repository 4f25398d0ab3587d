#include "rating/formula.h"

#include "rating/shown_lkz.h"

#include <cstdio>

namespace {

// A Paarkreuz's term with its factor from the formula's weights, "2,3 * 10 - 4".
std::string term(const char* pattern, int paarkreuz, int won, int lost)
{
    char factor[16];
    std::snprintf(factor, sizeof factor, "%.1f", lkzWeights.paarkreuz[paarkreuz]);
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, withDecimalComma(factor).c_str(), won, lost);
    return buffer;
}

} // namespace

std::string formulaLeftPart(const LkzInputs& in)
{
    const bool p1 = in[Won1] > 0 || in[Lost1] > 0;
    const bool p2 = in[Won2] > 0 || in[Lost2] > 0;
    const bool p3 = in[Won3] > 0 || in[Lost3] > 0;
    std::string text;
    if (p1)
        text += term(p2 || p3 ? "LKZ = ((%s * %d - %d) + " : "LKZ = (%s * %d - %d)", 0, in[Won1], in[Lost1]);
    if (p2) {
        const char* pattern = p1 && !p3   ? "(%s * %d - %d))"
                              : p1 && p3  ? "(%s * %d - %d) + "
                              : p3        ? "((%s * %d - %d) + "
                                          : "(%s * %d - %d)";
        text += term(pattern, 1, in[Won2], in[Lost2]);
    }
    if (p3)
        text += term(p1 || p2 ? "(%s * %d - %d))" : "(%s * %d - %d)", 2, in[Won3], in[Lost3]);
    return text;
}

std::string formulaMatchesText(const LkzInputs& in)
{
    return std::to_string(in[Matches]) + " * " + std::to_string(lkzWeights.matches);
}

std::string formulaResultText(double value, int decimal)
{
    // The shortest form of the figure shown: "= 227" where the display reads "227,0".
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.6g", shownLkzValue(value, decimal));
    return " = " + (decimal ? withDecimalComma(buffer) : std::string(buffer));
}
