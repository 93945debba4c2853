#pragma once
// Rendering a local time as text. The wording of the locale's time and date forms belongs to the
// platform, so kap logic receives the renderer as a function object; StrftimeText is the one the
// window code passes (the C library's strftime in the user's locale).
#include <ctime>
#include <functional>
#include <string>

namespace vimo {

// Renders a broken-down local time with a strftime-style format.
using LocalTimeFormatter = std::function<std::string(const std::tm& local, const char* format)>;

// std::strftime into a growing buffer; empty when the rendering is empty or longer than 1023 bytes, and
// for a time with a field out of range (a year before 0 or after 9999 included).
std::string StrftimeText(const std::tm& local, const char* format);

} // namespace vimo
