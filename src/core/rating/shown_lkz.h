#pragma once
// The LKZ as a number the way the decimal display shows it. Rules that compare figures compare
// these, so that the whole and the decimal display never disagree about a verdict.
double decimalShownLkz(double lkz);
