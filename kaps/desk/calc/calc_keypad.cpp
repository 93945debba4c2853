#include "kaps/desk/calc/calc_keypad.h"

namespace vimo {

namespace {

// The platform's virtual-key codes, restated so that this file needs no platform header.
constexpr unsigned kVkBack = 0x08;     // VK_BACK
constexpr unsigned kVkReturn = 0x0D;   // VK_RETURN (main and keypad Enter)
constexpr unsigned kVkDelete = 0x2E;   // VK_DELETE
constexpr unsigned kVkNumpad0 = 0x60;  // VK_NUMPAD0 ... VK_NUMPAD9 = 0x69
constexpr unsigned kVkMultiply = 0x6A; // VK_MULTIPLY
constexpr unsigned kVkAdd = 0x6B;      // VK_ADD
constexpr unsigned kVkSubtract = 0x6D; // VK_SUBTRACT
constexpr unsigned kVkDecimal = 0x6E;  // VK_DECIMAL
constexpr unsigned kVkDivide = 0x6F;   // VK_DIVIDE

} // namespace

std::optional<CalcKey> CalcKeyFromVirtualKey(unsigned virtualKey) {
    if (virtualKey >= kVkNumpad0 && virtualKey <= kVkNumpad0 + 9) {
        return CalcDigitKey(static_cast<int>(virtualKey - kVkNumpad0));
    }
    switch (virtualKey) {
    case kVkDecimal: return CalcKey::Point;
    case kVkAdd: return CalcKey::Add;
    case kVkSubtract: return CalcKey::Subtract;
    case kVkMultiply: return CalcKey::Multiply;
    case kVkDivide: return CalcKey::Divide;
    case kVkReturn: return CalcKey::Result;
    case kVkBack: return CalcKey::ClearEntry;
    case kVkDelete: return CalcKey::ClearAll;
    default: return std::nullopt;
    }
}

} // namespace vimo
