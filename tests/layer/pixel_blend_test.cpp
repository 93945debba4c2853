#include "layer/pixel_blend.h"

#include <gtest/gtest.h>

#include <vector>

namespace vimo {
namespace {

TEST(PixelBlend, TheColourMatrixScalesAlphaAndDarkensOrLifts) {
    const std::vector<std::uint32_t> from{0xFF804020u, 0x80FFFFFFu, 0x00000000u};
    std::vector<std::uint32_t> to(from.size());
    ApplyColourMatrix(from.data(), to.data(), from.size(), 100, 100);
    EXPECT_EQ(to, from);
    ApplyColourMatrix(from.data(), to.data(), from.size(), 50, 100);
    EXPECT_EQ(to[0], 0x80804020u); // 255 * 50 % rounds to 128
    EXPECT_EQ(to[1], 0x40FFFFFFu);
    ApplyColourMatrix(from.data(), to.data(), from.size(), 100, 50);
    EXPECT_EQ(to[0], 0xFF402010u);
    ApplyColourMatrix(from.data(), to.data(), from.size(), 100, 150); // half of full scale added
    EXPECT_EQ(to[0], 0xFFFFC0A0u);
    ApplyColourMatrix(from.data(), to.data(), from.size(), 130, 250); // held to 100 % and 200 %: white
    EXPECT_EQ(to[0], 0xFFFFFFFFu);
    ApplyColourMatrix(from.data(), to.data(), from.size(), 100, -5);
    EXPECT_EQ(to[0], 0xFF000000u);
}

TEST(PixelBlend, SourceOverAPremultipliedPicture) {
    // Two rows of two pixels, laid over a picture three pixels wide.
    const std::vector<std::uint32_t> from{0xFF102030u, 0x00FFFFFFu, 0x80FF0000u, 0x800000FFu};
    std::vector<std::uint32_t> to{0xFF00FF00u, 0xFF00FF00u, 0x11111111u, 0x00000000u, 0xFF00FF00u, 0x22222222u};
    BlendOverPremultiplied(from.data(), 2, to.data(), 3, 2, 2);
    EXPECT_EQ(to[0], 0xFF102030u); // opaque: taken as it is
    EXPECT_EQ(to[1], 0xFF00FF00u); // transparent: nothing changes
    EXPECT_EQ(to[2], 0x11111111u); // outside the width
    EXPECT_EQ(to[3], 0x80800000u); // over nothing: the source premultiplied
    EXPECT_EQ(to[4], 0xFF007F80u); // half blue over green
    EXPECT_EQ(to[5], 0x22222222u);
}

} // namespace
} // namespace vimo
