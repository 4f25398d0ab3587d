#include "base/decimal_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

size_t skipDigits(const std::string& text, size_t i)
{
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i;
}

// Where the number that starts at begin ends; begin when none starts there.
size_t numberEnd(const std::string& text, size_t begin)
{
    size_t i = begin;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const size_t integer = i;
    i = skipDigits(text, i);
    bool digits = i > integer;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        const size_t decimals = skipDigits(text, i + 1);
        if (digits || decimals > i + 1) {
            digits = true;
            i = decimals;
        }
    }
    if (!digits)
        return begin;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t exponent = i + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const size_t end = skipDigits(text, exponent);
        if (end > exponent)
            i = end;
    }
    return i;
}

// The value of a number whose syntax is checked above. Read by hand rather than by strtod, whose
// implementation in the Windows runtime would add some 20 KB to a small program: the digits as a
// whole number, then scaled by the power of ten; exact for the numbers people type and the
// program writes (up to 15 digits).
double valueOf(const std::string& number)
{
    size_t i = 0;
    const bool negative = number[i] == '-';
    if (number[i] == '+' || number[i] == '-')
        ++i;
    uint64_t digits = 0;
    int scale = 0; // the power of ten the digits are to be multiplied by
    bool point = false;
    for (; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.' || c == ',') {
            point = true;
            continue;
        }
        if (!isDigit(c))
            break;
        if (digits < 100000000000000000ull) {
            digits = digits * 10 + static_cast<uint64_t>(c - '0');
            scale -= point ? 1 : 0;
        } else if (!point) {
            ++scale; // a digit beyond what is kept still counts for the magnitude
        }
    }
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        const bool down = i < number.size() && number[i] == '-';
        if (i < number.size() && (number[i] == '+' || number[i] == '-'))
            ++i;
        int exponent = 0;
        for (; i < number.size() && isDigit(number[i]); ++i)
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000);
        scale += down ? -exponent : exponent;
    }
    double value = static_cast<double>(digits);
    double power = 1;
    for (int k = 0; k < (scale < 0 ? -scale : scale) && power < 1e300; ++k)
        power *= 10;
    value = scale < 0 ? value / power : value * (scale > 400 && digits ? 1e300 : power);
    return negative ? -value : value;
}

size_t skipBlanks(const std::string& text, size_t i)
{
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

} // namespace

double leadingDecimal(const std::string& text)
{
    const size_t begin = skipBlanks(text, 0);
    const size_t end = numberEnd(text, begin);
    return end == begin ? 0 : valueOf(text.substr(begin, end - begin));
}

std::optional<double> decimalNumber(const std::string& text)
{
    const size_t begin = skipBlanks(text, 0);
    const size_t end = numberEnd(text, begin);
    if (end == begin || skipBlanks(text, end) != text.size())
        return std::nullopt;
    const double value = valueOf(text.substr(begin, end - begin));
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}
