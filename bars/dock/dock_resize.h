#pragma once
// What a left-button press on the dock starts, and the corner resize drag.
namespace vimo {

// Side of the square at the bottom-right corner in which a press starts a resize.
constexpr int kDockResizeGrip = 30;

enum class DockPress {
    Nothing, // the dock is locked: no move, no resize
    Resize,  // within the grip at the bottom-right corner
    Move,    // anywhere else: the system move loop, as on a caption
};

// (x, y) in window coordinates of a width x height dock.
DockPress ClassifyDockPress(bool locked, int x, int y, int width, int height);

// The size the user asks for while dragging the corner. Each tick adds the pointer's movement since
// the last tick to the width and to the height, each only when the result stays at least the
// minimum (one icon); otherwise that side keeps its size. The size kept here is the unsnapped
// one: the layout snaps a copy to whole icons, so a slow drag still grows the dock once the
// pointer has moved a whole icon.
class DockResizeDrag {
public:
    DockResizeDrag(int pointerX, int pointerY, int width, int height)
        : lastX_(pointerX), lastY_(pointerY), width_(width), height_(height) {}

    // One tick of the resize timer with the pointer at (pointerX, pointerY) in screen
    // coordinates. True when the width or the height changed.
    bool Track(int pointerX, int pointerY, int minWidth, int minHeight);

    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int lastX_, lastY_;
    int width_, height_;
};

} // namespace vimo
