#pragma once
// The values that one skin file (or data file) gives a kap type, by key name.
//
// Whole numbers come from the profile reader (missing: the default; not a number: 0). Strings are
// read into a 98-byte buffer (97 characters at most), upper-cased, and "NULL" means empty. A key
// ending in "FileName" holds the type's folder path followed by the value; an empty value stays
// empty, meaning "no image".
#include <memory>
#include <string>
#include <vector>

#include "base/profile_store.h"
#include "layer/layer_colour.h"
#include "layer/skin/skin_schema.h"
#include "layer/text_style.h"

namespace vimo {

class SkinRecord {
public:
    // Reads every key of the schema, in order, from the file of the schema's type below skinDir
    // (program directory + "\Skin\" + skin name).
    static SkinRecord Load(std::shared_ptr<const SkinFileSchema> schema, const ProfileStore& store,
                           const std::string& skinDir);

    SkinType Type() const { return schema_->Type(); }
    const char* TypeWord() const { return SkinTypeWord(schema_->Type()); }
    const SkinFileSchema& Schema() const { return *schema_; }
    // The file the values were read from.
    const std::string& FilePath() const { return filePath_; }
    // The type's folder with a trailing backslash: skin dir + "\" + type word + "\".
    const std::string& Folder() const { return folder_; }

    // True when the type has the key (exact spelling).
    bool Has(const std::string& key) const { return schema_->Find(key) >= 0; }

    // The value of a whole-number key. A key the type does not have, or a string key, is a
    // mistake of the asking code: it is logged (naming the section and the key) and reads as 0.
    int Int(const std::string& key) const;
    // The value of a string or file-name key; a mistaken request is logged and reads as empty.
    const std::string& Str(const std::string& key) const;
    // <prefix>Alpha, Red, Green and Blue, each clamped to 0..255.
    LayerColour Colour(const std::string& prefix) const;
    // <prefix>Font, Size and colour; Type, Shadowed and the Doubled colour where the type has
    // them (otherwise regular, not shadowed, no outline).
    LayerTextStyle TextStyle(const std::string& prefix) const;
    // The full path of an image named by a string key that does not end in "FileName" (the
    // note's BackgroundDefault, the mail kap's MailPicsMailName): the folder followed by the value,
    // or empty when the value is empty. For a file-name key it is the stored value.
    std::string ImagePath(const std::string& key) const;

private:
    struct Value {
        int number = 0;
        std::string text;
    };

    SkinRecord(std::shared_ptr<const SkinFileSchema> schema, std::string filePath, std::string folder,
               std::vector<Value> values);
    // The value of a key of the kind asked for, or null (logged) for a mistaken request.
    const Value* Find(const std::string& key, bool wantNumber) const;

    std::shared_ptr<const SkinFileSchema> schema_;
    std::string filePath_;
    std::string folder_;
    std::vector<Value> values_;
};

} // namespace vimo
