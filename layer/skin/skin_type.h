#pragma once
// The kap types that have a skin, in the order their skin files are loaded.
#include <array>
#include <cstddef>
#include <string>

namespace vimo {

enum class SkinType {
    Note,
    PhotoAlbum,
    Calc,
    Calendar,
    Clock,
    Account,
    Weather,
    News,
    Link,
    Trash,
    RemoteWmp,
    Mail,
    Google,
    RemoteKap,
    RemoteWin,
};

constexpr std::size_t kSkinTypeCount = 15;

// Every type in load order.
constexpr std::array<SkinType, kSkinTypeCount> kSkinTypes = {
    SkinType::Note,      SkinType::PhotoAlbum, SkinType::Calc,   SkinType::Calendar,  SkinType::Clock,
    SkinType::Account,   SkinType::Weather,    SkinType::News,   SkinType::Link,      SkinType::Trash,
    SkinType::RemoteWmp, SkinType::Mail,       SkinType::Google, SkinType::RemoteKap, SkinType::RemoteWin,
};

// The type word that names the type's skin sub-folder, files and sections ("VimoNote").
const char* SkinTypeWord(SkinType type);

// The type of a type word, letter case ignored; false when the word names no type.
bool SkinTypeFromWord(const std::string& word, SkinType& type);

} // namespace vimo
