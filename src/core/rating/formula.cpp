#include "rating/formula.h"

#include <cstdio>

namespace {

std::string term(const char* pattern, const char* factor, int won, int lost)
{
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, factor, won, lost);
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
        text += term(p2 || p3 ? "LKZ = ((%s * %d - %d) + " : "LKZ = (%s * %d - %d)", "2,3", in[Won1], in[Lost1]);
    if (p2) {
        const char* pattern = p1 && !p3   ? "(%s * %d - %d))"
                              : p1 && p3  ? "(%s * %d - %d) + "
                              : p3        ? "((%s * %d - %d) + "
                                          : "(%s * %d - %d)";
        text += term(pattern, "1,5", in[Won2], in[Lost2]);
    }
    if (p3)
        text += term(p1 || p2 ? "(%s * %d - %d))" : "(%s * %d - %d)", "1,0", in[Won3], in[Lost3]);
    return text;
}

std::string formulaResultText(double value, int decimal)
{
    char buffer[64];
    if (decimal) {
        std::snprintf(buffer, sizeof buffer, "%.6g", value);
        return " = " + withDecimalComma(buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%.6g", roundToPrecision(static_cast<float>(value), 1));
    return std::string(" = ") + buffer;
}
