#include "kaps/desk/photoalbum/slide_show.h"

namespace vimo {

AlbumStatus StatusOf(FolderState state) {
    switch (state) {
    case FolderState::Missing: return {"Invalid Directory", 30};
    case FolderState::NoPictures: return {"No Photo", 30};
    case FolderState::None:
    case FolderState::Pictures: break;
    }
    return {"", 16};
}

void SlideShow::Load(FolderState state, std::vector<std::string> pictures) {
    pictures_ = state == FolderState::Pictures ? std::move(pictures) : std::vector<std::string>();
    state_ = state == FolderState::Pictures && pictures_.empty() ? FolderState::NoPictures : state;
    current_.reset();
    running_ = HasPictures();
}

std::string SlideShow::Current() const { return current_ ? pictures_[*current_] : std::string(); }

bool SlideShow::First() {
    if (pictures_.empty()) return false;
    current_ = 0;
    return true;
}

bool SlideShow::Next() {
    if (pictures_.empty()) return false;
    current_ = current_ && *current_ + 1 < pictures_.size() ? *current_ + 1 : 0;
    return true;
}

SlideShow::PauseStep SlideShow::TogglePause() {
    if (!HasPictures()) return PauseStep::Ignored;
    if (running_) {
        running_ = false;
        return PauseStep::Paused;
    }
    running_ = true;
    Next();
    return PauseStep::Resumed;
}

} // namespace vimo
