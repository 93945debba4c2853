#include "kaps/desk/calc/calc_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "kaps/desk/calc/ecvt_digits.h"

namespace vimo {

namespace {

// Removes trailing zeros after a decimal point, then a trailing point. Text without a point keeps
// its zeros (they belong to the integer part).
void TrimFraction(std::string& text) {
    if (text.find('.') == std::string::npos) return;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
}

std::string FixedForm(const EcvtDigits& number, std::size_t room) {
    const std::string& digits = number.digits;
    std::string text;
    if (number.exponent > 0) {
        const auto whole = static_cast<std::size_t>(number.exponent);
        text = digits.substr(0, whole) + "." + digits.substr(whole);
    } else {
        const auto zeros = std::min(static_cast<std::size_t>(-number.exponent), room);
        text = "0." + std::string(zeros, '0') + digits;
    }
    if (text.size() > room) text.resize(room);
    TrimFraction(text);
    return text;
}

// d.ddd followed by "e" and the exponent of the first digit, cut to `room` characters.
std::string ExponentForm(const EcvtDigits& number, std::size_t room) {
    const std::string exponent = "e" + std::to_string(number.exponent - 1);
    std::string mantissa = number.digits.substr(0, 1) + "." + number.digits.substr(1);
    mantissa.resize(room - exponent.size());
    TrimFraction(mantissa);
    return mantissa + exponent;
}

} // namespace

std::string FormatCalcNumber(double value) {
    if (!std::isfinite(value)) return kCalcErrorText;
    const EcvtDigits number = ToEcvtDigits(value, kCalcSignificantDigits);
    const std::size_t room = kCalcDisplayWidth - (number.negative ? 1 : 0);
    const bool fits = number.exponent <= static_cast<int>(room);
    std::string text = fits ? FixedForm(number, room) : ExponentForm(number, room);
    if (number.negative && text != "0") text.insert(0, "-");
    return text;
}

double ReadCalcDisplay(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    return error == std::errc() ? value : 0.0;
}

} // namespace vimo
