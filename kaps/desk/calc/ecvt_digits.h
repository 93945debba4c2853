#pragma once
// Significant decimal digits of a double, the way the C library's ecvt conversion gives them on
// Windows: the exact binary value rounded to the nearest `count`-digit decimal, ties away from
// zero. Computed from the exact decimal expansion, so the result does not depend on the platform's
// printf or on the current rounding mode.
#include <string>

namespace vimo {

struct EcvtDigits {
    std::string digits; // exactly `count` digits; all zeros for a zero value
    int exponent = 0;   // position of the decimal point relative to the first digit (0.d1d2... x 10^exponent)
    bool negative = false;
};

// count >= 1. A zero value has exponent 0 (as on Windows; some other C libraries say 1). Infinities and
// NaN have no digits: they give an empty digit string, exponent 0 and the sign bit.
EcvtDigits ToEcvtDigits(double value, int count);

} // namespace vimo
