#include "kaps/desk/calc/calc_keys.h"

#include "base/messages.h"

namespace vimo {

static_assert(WMU_CALC_PERCENT - WMU_CALC_DIGIT_0 + 1 == kCalcKeyCount, "one message per key, in key order");
static_assert(WMU_CALC_POINT == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Point), "key order");
static_assert(WMU_CALC_SIGN == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::SignChange), "key order");
static_assert(WMU_CALC_CLEAR == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::ClearAll), "key order");
static_assert(WMU_CALC_CLEAR_ENTRY == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::ClearEntry), "key order");
static_assert(WMU_CALC_RESULT == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Result), "key order");
static_assert(WMU_CALC_ADD == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Add), "key order");
static_assert(WMU_CALC_SUBTRACT == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Subtract), "key order");
static_assert(WMU_CALC_MULTIPLY == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Multiply), "key order");
static_assert(WMU_CALC_DIVIDE == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Divide), "key order");
static_assert(WMU_CALC_PERCENT == WMU_CALC_DIGIT_0 + static_cast<unsigned>(CalcKey::Percent), "key order");

int CalcKeyDigit(CalcKey key) {
    const int index = static_cast<int>(key);
    return index <= static_cast<int>(CalcKey::Digit9) ? index : -1;
}

unsigned CalcKeyMessage(CalcKey key) { return WMU_CALC_DIGIT_0 + static_cast<unsigned>(key); }

std::optional<CalcKey> CalcKeyFromMessage(unsigned message) {
    if (message < WMU_CALC_DIGIT_0 || message > WMU_CALC_PERCENT) return std::nullopt;
    return static_cast<CalcKey>(message - WMU_CALC_DIGIT_0);
}

} // namespace vimo
