#include "base/decimal_text.h"

#include <cmath>
#include <cstdlib>

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

// The syntax is checked above, so strtod reads exactly these characters; the program never
// changes the C locale, whose decimal point is ".".
double valueOf(std::string number)
{
    for (char& c : number)
        if (c == ',')
            c = '.';
    return std::strtod(number.c_str(), nullptr);
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
