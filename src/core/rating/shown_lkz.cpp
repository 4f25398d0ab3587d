#include "rating/shown_lkz.h"

#include "base/decimal_text.h"
#include "rating/lkz.h"

double decimalShownLkz(double lkz)
{
    return leadingDecimal(formatLkz(lkz, 1));
}
