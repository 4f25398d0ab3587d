#pragma once
// The LKZ as the display shows it, whole or decimal: its text and the number that text stands
// for. Whatever shows, compares or keeps a figure (display, overview and CSV, forecast, line-up
// check and tab tips, season chart and its saved points) takes it from here, so that no two
// places disagree about a digit.
#include <string>

// Rounds half away from zero, judged by the first digit after the point, as the whole display
// rounds its 32-bit figure: 2.5 gives 3, -2.5 gives -3, 2.4999 gives 2.
double roundToWhole(float value);

// The first "." becomes ","; the decimal separator never follows the locale.
std::string withDecimalComma(std::string text);

// The whole number ("207"), or with decimal != 0 six significant digits after a decimal comma,
// a whole value with ",0" ("207,176", "227,0").
std::string shownLkzText(double lkz, int decimal);
// The number that text stands for.
double shownLkzValue(double lkz, int decimal);
// The decimal display's digits with a point, as the INI file keeps a season's points
// ("207.176", "227.0"); any version reads them back to the value shown.
std::string shownLkzIniText(double lkz);

// A change from one LKZ to another as shown beside it: the difference of the whole figures, or
// with decimal rounded to a tenth.
double shownLkzChange(double from, double to, int decimal);
// "+3", "-0,4"; no change reads "±0" or "±0,0".
std::string shownLkzChangeText(double change, int decimal);
