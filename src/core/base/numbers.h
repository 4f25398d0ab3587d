#pragma once
// Reading the number a text starts with, as fields and the INI file hold them.
#include <string>

// Sign and digits from begin, stopping at the first other character or at end; 0 when there
// are no digits. A number beyond the int range gives the nearer end of it, never a wrapped value.
int leadingNumber(const char* begin, const char* end);
// The same after leading blanks.
int decimalValue(const std::string& text);
