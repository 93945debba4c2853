// The calculator's number conversion and keypad mapping in the Windows build: the 14-digit conversion
// against the Windows C library's own _ecvt, and the keypad mapping against the platform's key names.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdlib.h>

#include <string>

#include "kaps/desk/calc/calc_format.h"
#include "kaps/desk/calc/calc_keypad.h"
#include "kaps/desk/calc/ecvt_digits.h"
#include "tests/kaps/calc_test_values.h"

namespace vimo {
namespace {

constexpr int kCount = 14;

std::string Show(const std::string& digits, int exponent, bool negative) {
    return (negative ? "-" : "+") + digits + " e" + std::to_string(exponent);
}

// Digits, decimal exponent and sign exactly as _ecvt gives them, zero and ties included.
TEST(EcvtDigitsWin, MatchesTheCLibrary) {
    int compared = 0;
    for (const double v : calc_test::SampleValues(1000)) {
        int exponent = 0;
        int sign = 0;
        const std::string digits = _ecvt(v, kCount, &exponent, &sign);
        const EcvtDigits ours = ToEcvtDigits(v, kCount);
        ASSERT_EQ(Show(ours.digits, ours.exponent, ours.negative), Show(digits, exponent, sign != 0)) << "value " << v;
        ++compared;
    }
    EXPECT_GT(compared, 10000);
}

TEST(FormatCalcNumberWin, DisplayTexts) {
    EXPECT_EQ(FormatCalcNumber(1.0 / 3), "0.333333333");
    EXPECT_EQ(FormatCalcNumber(1e10), "10000000000");
    EXPECT_EQ(FormatCalcNumber(1e-10), "0");
    EXPECT_EQ(FormatCalcNumber(-2.25), "-2.25");
    EXPECT_EQ(FormatCalcNumber(1.5e11), "1.5e11");
    EXPECT_EQ(ReadCalcDisplay("-.5"), -0.5);
    EXPECT_EQ(ReadCalcDisplay("1.5e11"), 1.5e11);
    EXPECT_EQ(ReadCalcDisplay("-"), 0.0);
}

TEST(CalcKeypadWin, PlatformKeyNames) {
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_NUMPAD0), CalcKey::Digit0);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_NUMPAD9), CalcKey::Digit9);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_DECIMAL), CalcKey::Point);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_ADD), CalcKey::Add);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_SUBTRACT), CalcKey::Subtract);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_MULTIPLY), CalcKey::Multiply);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_DIVIDE), CalcKey::Divide);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_RETURN), CalcKey::Result);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_BACK), CalcKey::ClearEntry);
    EXPECT_EQ(CalcKeyFromVirtualKey(VK_DELETE), CalcKey::ClearAll);
    EXPECT_FALSE(CalcKeyFromVirtualKey(VK_SEPARATOR).has_value());
    EXPECT_FALSE(CalcKeyFromVirtualKey('5').has_value());
    EXPECT_FALSE(CalcKeyFromVirtualKey(VK_OEM_PERIOD).has_value());
    EXPECT_FALSE(CalcKeyFromVirtualKey(VK_OEM_PLUS).has_value());
}

} // namespace
} // namespace vimo
