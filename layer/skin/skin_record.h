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
#include "layer/skin/skin_schema.h"

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

    // The value of a whole-number key. A key the type does not have, or a string key, throws
    // SkinKeyError: kap code asks only for keys of its own skin.
    int Int(const std::string& key) const;
    // The value of a string or file-name key; throws SkinKeyError like Int.
    const std::string& Str(const std::string& key) const;
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
    const Value& At(const std::string& key, bool wantNumber) const;

    std::shared_ptr<const SkinFileSchema> schema_;
    std::string filePath_;
    std::string folder_;
    std::vector<Value> values_;
};

} // namespace vimo
