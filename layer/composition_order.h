#pragma once
// The composition order of a layer element: a string of part letters drawn in turn.
// B background, I image, W window view, S stretched image, T text then title, E edit text,
// C scroll thumb. Letters match in any case, unknown letters are ignored, repeats are drawn again.
#include <string>
#include <vector>

namespace vimo {

enum class LayerPart { Background, Image, WindowView, Stretched, Text, Edit, Thumb };

constexpr const char* kDefaultCompositionOrder = "BIWSTEC";

// The order as the element stores it: upper case.
std::string NormaliseCompositionOrder(const std::string& order);
// The parts to draw, in order.
std::vector<LayerPart> ParseCompositionOrder(const std::string& order);

} // namespace vimo
