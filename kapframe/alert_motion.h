#pragma once
// The motion of a kap that calls for attention (a ringing note, a mail alert): it glides in equal
// steps from where it stands to a point below the middle of the screen, circles around the point
// 60 pixels above that one, and glides back to where it stood when the alert ends.
namespace vimo {

struct ScreenPoint {
    int x, y;
};

// Where the glide ends for a window of width x height on a screen of screenWidth x screenHeight.
ScreenPoint AlertCentre(int screenWidth, int screenHeight, int width, int height);
// Step i of a glide of `steps` steps from `from` to `to` (integer arithmetic truncating toward zero).
ScreenPoint GlidePoint(ScreenPoint from, ScreenPoint to, int i, int steps);
// The window position for a circling angle in half-degrees.
ScreenPoint CirclingPosition(ScreenPoint centre, int angle);

} // namespace vimo
