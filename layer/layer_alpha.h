#pragma once
// The constant alpha of a layered window.
namespace vimo {

// Set before the first show: above 255 is stored as 255, below 0 as 0.
int ClampConstantAlpha(int alpha);
// SetAlpha while fading: above 255 is stored as 255; a negative value keeps the current alpha.
int AlphaAfterSetAlpha(int current, int requested);

} // namespace vimo
