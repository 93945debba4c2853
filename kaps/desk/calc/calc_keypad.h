#pragma once
// Keyboard input of the calculator: the keys a key-down message maps to. Only the numeric keypad's
// digits, decimal point and four operators, Enter, Backspace (clear entry) and Delete (clear all) are
// mapped; the main keyboard's digit row and the keypad separator are not.
#include <optional>

#include "kaps/desk/calc/calc_keys.h"

namespace vimo {

// virtualKey: the key-down message's virtual-key code (WPARAM).
std::optional<CalcKey> CalcKeyFromVirtualKey(unsigned virtualKey);

} // namespace vimo
