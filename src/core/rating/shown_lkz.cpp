#include "rating/shown_lkz.h"

#include "rating/lkz.h"

#include <cstdlib>

double decimalShownLkz(double lkz)
{
    std::string text = formatLkz(lkz, 1);
    for (char& c : text)
        if (c == ',')
            c = '.';
    return std::strtod(text.c_str(), nullptr);
}
