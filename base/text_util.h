#pragma once
// Small text helpers shared by the settings, skin and document code.
#include <string>

namespace vimo {

// Upper case of the ASCII letters; other bytes unchanged (file names, type tags, skin values).
std::string ToUpperAscii(std::string text);
// True when text is "NULL" in any letter case: the settings' and skins' word for "empty".
bool IsNullWord(const std::string& text);
// Case-insensitive comparison of ASCII text.
bool EqualsNoCase(const std::string& a, const std::string& b);
// True when text ends with end.
bool EndsWith(const std::string& text, const std::string& end);
// A value as one document line: every CR and LF becomes a space.
std::string OneLine(std::string text);

} // namespace vimo
