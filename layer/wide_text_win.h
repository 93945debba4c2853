#pragma once
// Text of the program (ANSI code page) for the drawing library's wide-character calls.
#include <string>

namespace vimo {

std::wstring WidenAnsi(const std::string& text);

} // namespace vimo
