// Which key each key message and each key-down stands for.
#include <gtest/gtest.h>

#include "base/messages.h"
#include "kaps/desk/calc/calc_keypad.h"

namespace vimo {
namespace {

TEST(CalcKeys, MessagesRoundTrip) {
    EXPECT_EQ(CalcKeyMessage(CalcKey::Digit0), WMU_CALC_DIGIT_0);
    EXPECT_EQ(CalcKeyMessage(CalcKey::Digit9), CalcDigitMessage(9));
    EXPECT_EQ(CalcKeyMessage(CalcKey::Point), WMU_CALC_POINT);
    EXPECT_EQ(CalcKeyMessage(CalcKey::Result), WMU_CALC_RESULT);
    EXPECT_EQ(CalcKeyMessage(CalcKey::Percent), WMU_CALC_PERCENT);
    for (int i = 0; i < kCalcKeyCount; ++i) {
        const auto key = static_cast<CalcKey>(i);
        EXPECT_EQ(CalcKeyFromMessage(CalcKeyMessage(key)), key);
    }
    EXPECT_FALSE(CalcKeyFromMessage(WMU_CALC_DIGIT_0 - 1).has_value());
    EXPECT_FALSE(CalcKeyFromMessage(WMU_CALC_PERCENT + 1).has_value());
    EXPECT_EQ(CalcKeyFromMessage(WMU_CALC_DIVIDE), CalcKey::Divide);
    EXPECT_EQ(CalcKeyDigit(CalcKey::Digit7), 7);
    EXPECT_EQ(CalcKeyDigit(CalcKey::Point), -1);
}

// Virtual-key codes as the platform defines them (VK_NUMPAD0 = 0x60 ...); the Windows tests check the
// same mapping against the platform header's names.
TEST(CalcKeypad, KeypadMappedMainRowNot) {
    for (unsigned d = 0; d <= 9; ++d) {
        EXPECT_EQ(CalcKeyFromVirtualKey(0x60 + d), CalcDigitKey(static_cast<int>(d)));
        EXPECT_FALSE(CalcKeyFromVirtualKey('0' + d).has_value()) << "main digit row " << d;
    }
    EXPECT_EQ(CalcKeyFromVirtualKey(0x6E), CalcKey::Point);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x6B), CalcKey::Add);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x6D), CalcKey::Subtract);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x6A), CalcKey::Multiply);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x6F), CalcKey::Divide);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x0D), CalcKey::Result);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x08), CalcKey::ClearEntry);
    EXPECT_EQ(CalcKeyFromVirtualKey(0x2E), CalcKey::ClearAll);
    EXPECT_FALSE(CalcKeyFromVirtualKey(0x6C).has_value()) << "keypad separator";
    EXPECT_FALSE(CalcKeyFromVirtualKey(0xBE).has_value()) << "main keyboard period";
    EXPECT_FALSE(CalcKeyFromVirtualKey(0xBB).has_value()) << "main keyboard plus";
    EXPECT_FALSE(CalcKeyFromVirtualKey(0x70).has_value()) << "F1, just past the keypad";
}

} // namespace
} // namespace vimo
