#pragma once
// The skin records of every kap type, the remote kap dock and the window bar, plus the data
// files of the weather and web search kaps. Owned by the global settings object; loaded when the
// settings are loaded and again after the skin name has changed.
#include <memory>
#include <string>
#include <vector>

#include "base/profile_store.h"
#include "layer/skin/skin_record.h"

namespace vimo {

class SkinSet {
public:
    SkinSet();

    // Reads every skin and data file of the skin folder skinDir ("<program>\\Skin\\<name>"), in
    // load order, replacing all records (also those of types no kap is open for). Missing folders,
    // files and keys give the defaults.
    void Load(const ProfileStore& store, const std::string& skinDir);
    bool Loaded() const { return !records_.empty(); }

    // The skin record of a type; throws SkinKeyError before Load.
    const SkinRecord& Skin(SkinType type) const;
    // The skin record by type word ("VimoNote", letter case ignored); throws SkinKeyError for an
    // unknown word.
    const SkinRecord& Skin(const std::string& typeWord) const;
    // The data file record of the weather or web search kap; throws SkinKeyError for other types.
    const SkinRecord& Data(SkinType type) const;

    // Every record in load order.
    const std::vector<SkinRecord>& Records() const { return records_; }

private:
    const SkinRecord& Find(SkinType type, SkinFileRole role) const;

    std::vector<std::shared_ptr<const SkinFileSchema>> schemas_;
    std::vector<SkinRecord> records_;
};

} // namespace vimo
