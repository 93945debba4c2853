#include "layer/composition_order.h"

#include "base/text_util.h"

namespace vimo {

std::string NormaliseCompositionOrder(const std::string& order) { return ToUpperAscii(order); }

std::vector<LayerPart> ParseCompositionOrder(const std::string& order) {
    std::vector<LayerPart> parts;
    for (char c : NormaliseCompositionOrder(order)) {
        switch (c) {
        case 'B': parts.push_back(LayerPart::Background); break;
        case 'I': parts.push_back(LayerPart::Image); break;
        case 'W': parts.push_back(LayerPart::WindowView); break;
        case 'S': parts.push_back(LayerPart::Stretched); break;
        case 'T': parts.push_back(LayerPart::Text); break;
        case 'E': parts.push_back(LayerPart::Edit); break;
        case 'C': parts.push_back(LayerPart::Thumb); break;
        default: break;
        }
    }
    return parts;
}

} // namespace vimo
