#pragma once
// Reading decimal numbers as people and INI files write them: a point or a comma before the
// decimals, whatever the locale.
#include <optional>
#include <string>

// The number the text starts with after blanks: a sign, digits with "." or "," before the
// decimals, an exponent ("1e9"); 0 when it starts with none, +-infinity when it is too large.
double leadingDecimal(const std::string& text);
// The whole text as one such number, blanks around it allowed; nothing for any other text or a
// value that is not finite.
std::optional<double> decimalNumber(const std::string& text);
