#pragma once
// INI text as the platform's private-profile functions read and write it, so that the program can
// change keys of a file in memory and write the whole file in one step.
//
// Reading: section and key names are matched without regard to ASCII letter case, after blanks
// around them are removed; the first section of a name is the only one searched, and its first
// key of a name wins. Lines end at any run of CR and LF characters.
// Writing: the first matching key is replaced or a key or section appended, and the text comes
// out in the platform's own form ("[section]" and "key=value" lines ending in CR LF, blank lines
// dropped).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vimo {

struct IniKey {
    std::string name;
    std::optional<std::string> value; // none for a line without '='
};

struct IniSection {
    std::string name; // empty for the lines before the first header
    std::vector<IniKey> keys;
};

using IniDocument = std::vector<IniSection>;

// Blanks as the profile code sees them: tab to carriage return, space, and ^Z (an old end-of-file
// mark).
std::string_view TrimIniLeft(std::string_view text);
std::string_view TrimIniRight(std::string_view text);

IniDocument ParseIni(std::string_view text);
std::string SerialiseIni(const IniDocument& doc);

// The first section of the name; only its keys are ever searched.
IniSection* FindIniSection(IniDocument& doc, std::string_view name);
IniKey* FindIniKey(IniSection& section, std::string_view name);

// Sets one key in text. False (text untouched) when the key holds that value already: the
// platform leaves such a file unwritten.
bool SetIniValue(std::string& text, std::string_view section, std::string_view key, std::string_view value);
// The same in a parsed document (false, document untouched, when the key holds that value already).
bool SetIniValue(IniDocument& doc, std::string_view section, std::string_view key, std::string_view value);

} // namespace vimo
