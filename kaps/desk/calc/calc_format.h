#pragma once
// The calculator's display text: numbers shown in at most 11 characters, and the display read back
// as a number.
#include <cstddef>
#include <string>
#include <string_view>

namespace vimo {

constexpr std::size_t kCalcDisplayWidth = 11;
constexpr int kCalcSignificantDigits = 14;

// Shown for an overflowed (infinite) or undefined result.
constexpr const char* kCalcErrorText = "Error";

// The display text of a result, at most kCalcDisplayWidth characters:
// - the value's 14 significant digits (ToEcvtDigits) laid out with a decimal point, "0." and leading
//   zeros for values below 1, cut to the width (the minus sign counted), then trailing zeros after the
//   point and a trailing point removed: 8 -> "8", 1/3 -> "0.333333333", 1e10 -> "10000000000";
// - values that show as zero show "0" without a sign, so a tiny value shows "0";
// - when the integer part does not fit beside the sign (more than 11 digits, or 11 for a negative
//   value) the value is shown as a mantissa cut to fit and "e" with the decimal exponent: 1.5e11 ->
//   "1.5e11", -2e10 -> "-2e10";
// - infinities and NaN show kCalcErrorText.
std::string FormatCalcNumber(double value);

// The display read as a decimal number; text that is not a number (such as "-" or "-.") reads as 0.
double ReadCalcDisplay(std::string_view text);

} // namespace vimo
