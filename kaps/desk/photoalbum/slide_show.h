#pragma once
// The photo album's slide show: the pictures of the last folder scan, the one on show, and
// whether the show runs or is paused. The kap turns the answers into its timer and its picture.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vimo {

// What a folder scan found.
enum class FolderState {
    None,       // no folder chosen
    Missing,    // the folder does not exist
    NoPictures, // the folder holds no picture
    Pictures,
};

// The text the picture element shows for a scan result, and its font size.
struct AlbumStatus {
    const char* text;
    int fontSize;
};
AlbumStatus StatusOf(FolderState state);

class SlideShow {
public:
    enum class PauseStep { Ignored, Paused, Resumed };

    // A new scan: the current picture is forgotten and the show runs when there are pictures.
    void Load(FolderState state, std::vector<std::string> pictures);

    FolderState State() const { return state_; }
    bool HasPictures() const { return !pictures_.empty(); }
    bool Running() const { return running_; }
    const std::vector<std::string>& Pictures() const { return pictures_; }
    std::optional<std::size_t> CurrentIndex() const { return current_; }
    // The path of the picture on show, empty when none is.
    std::string Current() const;

    // Makes the first picture current; false when there is none.
    bool First();
    // Makes the entry after the current one current: the first after the last, or when none is
    // current yet. False when there are no pictures.
    bool Next();
    // The pause command: ignored without pictures; pauses a running show; resumes a paused one,
    // moving on to the next picture at once.
    PauseStep TogglePause();

private:
    FolderState state_ = FolderState::None;
    std::vector<std::string> pictures_;
    std::optional<std::size_t> current_;
    bool running_ = false;
};

} // namespace vimo
