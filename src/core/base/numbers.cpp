#include "base/numbers.h"

#include <algorithm>
#include <climits>

int leadingNumber(const char* p, const char* end)
{
    bool negative = false;
    if (p < end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        ++p;
    }
    // Held at the magnitude of INT_MIN after every digit, so that no count of digits wraps.
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    long long value = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p)
        value = std::min(limit, value * 10 + (*p - '0'));
    if (negative)
        return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, INT_MAX));
}

int decimalValue(const std::string& text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    return leadingNumber(p, end);
}
