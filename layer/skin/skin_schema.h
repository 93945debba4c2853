#pragma once
// The key list of one skin or data file: every key in reading order with its kind and default.
// Key lists are written as text rows in skin_tables.cpp and parsed here, one row per element:
//
//   Lock: PosX 10, PosY 10, Width 20, Height 20, FileName empty, RightDock 0, BottomDock 0
//   TextDays = "MTWTFSS"
//   Edit: PosX 5, PosY 5, Width IconWidth-10, Height IconHeight-10
//
// "Prefix: Suffix Default, ..." gives the keys Prefix+Suffix; "Key = Default" gives one key. A
// default is a whole number, a quoted string, `empty`, or an earlier whole-number key plus or
// minus a number (computed from the value just read). Keys ending in "FileName" are image file
// names; their default must be `empty`. A row ending in a comma continues on the next line.
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "layer/skin/skin_type.h"

namespace vimo {

// Raised for a malformed key table, and by the skin set when asked for a record it does not hold.
class SkinKeyError : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

enum class SkinKeyKind { Integer, String, FileName };

// Which of a type's two files a key list describes.
enum class SkinFileRole { Skin, Data };

struct SkinKey {
    std::string name;
    SkinKeyKind kind = SkinKeyKind::Integer;
    int number = 0;     // default of a whole number, or the offset added to the base key
    std::string text;   // default of a string
    int baseIndex = -1; // index of the key whose value (plus number) is the default, or -1
};

class SkinFileSchema {
public:
    SkinFileSchema(SkinType type, SkinFileRole role, std::vector<SkinKey> keys);

    SkinType Type() const { return type_; }
    SkinFileRole Role() const { return role_; }
    // "Skin.VimoNote" or "Data.VimoGoogle".
    std::string FileName() const;
    // "VimoNoteSkin" or "VimoGoogleData".
    std::string Section() const;

    const std::vector<SkinKey>& Keys() const { return keys_; }
    // Index of a key by its exact name, or -1.
    int Find(const std::string& name) const;

private:
    SkinType type_;
    SkinFileRole role_;
    std::vector<SkinKey> keys_;
    std::unordered_map<std::string, int> index_;
};

// Parses a key table written as described above; throws SkinKeyError naming the table and the row
// for a malformed row, a repeated key or a default that refers to an unknown key.
std::shared_ptr<const SkinFileSchema> ParseSkinTable(SkinType type, SkinFileRole role, const std::string& text);

} // namespace vimo
