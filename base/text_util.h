#pragma once
// Small text helpers shared by the settings, skin and document code.
#include <string>
#include <string_view>

namespace vimo {

// Upper case of the ASCII letters; other bytes unchanged (file names, type tags, skin values).
std::string ToUpperAscii(std::string text);
// True when text is "NULL" in any letter case: the settings' and skins' word for "empty".
bool IsNullWord(const std::string& text);
// Case-insensitive comparison of ASCII text.
bool EqualsNoCase(std::string_view a, std::string_view b);
// Case-insensitive order of ASCII text (as if both were upper-cased).
bool LessNoCase(std::string_view a, std::string_view b);
// True when text ends with end.
bool EndsWith(const std::string& text, const std::string& end);
// A value as one document line: every CR and LF becomes a space.
std::string OneLine(std::string text);

} // namespace vimo
