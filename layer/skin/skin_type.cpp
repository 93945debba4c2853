#include "layer/skin/skin_type.h"

#include "base/text_util.h"

namespace vimo {

const char* SkinTypeWord(SkinType type) {
    switch (type) {
    case SkinType::Note: return "VimoNote";
    case SkinType::PhotoAlbum: return "VimoPhotoAlbum";
    case SkinType::Calc: return "VimoCalc";
    case SkinType::Calendar: return "VimoCalendar";
    case SkinType::Clock: return "VimoClock";
    case SkinType::Account: return "VimoAccount";
    case SkinType::Weather: return "VimoWeather";
    case SkinType::News: return "VimoNews";
    case SkinType::Link: return "VimoLink";
    case SkinType::Trash: return "VimoTrash";
    case SkinType::RemoteWmp: return "VimoRemoteWMP";
    case SkinType::Mail: return "VimoMail";
    case SkinType::Google: return "VimoGoogle";
    case SkinType::RemoteKap: return "VimoRemoteKap";
    case SkinType::RemoteWin: return "VimoRemoteWin";
    }
    return "";
}

bool SkinTypeFromWord(const std::string& word, SkinType& type) {
    for (SkinType candidate : kSkinTypes) {
        if (EqualsNoCase(word, SkinTypeWord(candidate))) {
            type = candidate;
            return true;
        }
    }
    return false;
}

} // namespace vimo
