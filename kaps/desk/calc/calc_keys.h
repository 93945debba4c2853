#pragma once
// The calculator's twenty keys, in button order (0-9, P, PM, C, CE, R, A, M, X, D, PC), and the key
// messages (WMU_CALC_DIGIT_0 ... WMU_CALC_PERCENT) that its buttons and its keyboard mapping post to
// the kap.
#include <optional>

namespace vimo {

enum class CalcKey {
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    Point,
    SignChange,
    ClearAll,
    ClearEntry,
    Result,
    Add,
    Subtract,
    Multiply,
    Divide,
    Percent,
};

constexpr int kCalcKeyCount = 20;

constexpr CalcKey CalcDigitKey(int digit) { return static_cast<CalcKey>(static_cast<int>(CalcKey::Digit0) + digit); }

// The digit 0 ... 9 of a digit key, or -1.
int CalcKeyDigit(CalcKey key);

unsigned CalcKeyMessage(CalcKey key);
std::optional<CalcKey> CalcKeyFromMessage(unsigned message);

} // namespace vimo
