#pragma once
// Text of the program (ANSI code page) for the drawing library's wide-character calls.
#include <string>
#include <string_view>

namespace vimo {

std::wstring WidenAnsi(const std::string& text);
// Wide text in the program's code page (characters it lacks become its default character).
std::string NarrowToAnsi(std::wstring_view text);

} // namespace vimo
