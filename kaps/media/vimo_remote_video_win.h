#pragma once
// CVimoRemoteVideo: the media player remote's video window, laid over the kap's screen rectangle.
// It carries the player control's host window, follows the kap when it moves, and takes the kap's
// parent and top-most state.
#include <windows.h>

namespace vimo {

class CVimoRemoteVideo {
public:
    // The window at the rectangle (in the coordinates of the kap's parent), hidden.
    explicit CVimoRemoteVideo(const RECT& place);
    ~CVimoRemoteVideo();
    CVimoRemoteVideo(const CVimoRemoteVideo&) = delete;
    CVimoRemoteVideo& operator=(const CVimoRemoteVideo&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // Moves the window to (x, y), keeping its size; repainted at once when asked (a paused picture).
    void MoveTo(int x, int y, bool repaint);
    // The kap's new parent (null: a plain top-level window) and top-most state.
    void Follow(HWND parent, bool topMost);

private:
    HWND hwnd_ = nullptr;
};

} // namespace vimo
