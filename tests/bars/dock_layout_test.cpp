// The dock's icon grid, its lock placement from the skin, and the corner resize.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "support/ini_profile_store.h"
#include "bars/dock/dock_layout.h"
#include "bars/dock/dock_resize.h"
#include "layer/skin/skin_tables.h"

namespace vimo {
namespace {

DockMetrics Square(int icon, int spacing, int margin = 0) {
    DockMetrics m;
    m.iconWidth = m.iconHeight = icon;
    m.hSpacing = m.vSpacing = spacing;
    m.marginLeft = m.marginRight = m.marginTop = m.marginBottom = margin;
    return m;
}

TEST(DockLayout, SevenIconsInADock110WideMakeThreeColumnsOfThreeRows) {
    const DockLayout layout = LayoutDock(Square(32, 4), 110, 7);
    EXPECT_EQ(layout.columns, 3);
    EXPECT_EQ(layout.width, 104);
    EXPECT_EQ(layout.rows, 3);
    EXPECT_EQ(layout.height, 104);
    EXPECT_EQ(layout.viewport, (LayerRect{0, 0, 104, 104}));
}

TEST(DockLayout, MarginsAndUnequalSpacingsEnterEveryResult) {
    DockMetrics m;
    m.iconWidth = 48;
    m.iconHeight = 40;
    m.hSpacing = 8;
    m.vSpacing = 6;
    m.marginLeft = 14;
    m.marginRight = 10;
    m.marginTop = 12;
    m.marginBottom = 26;
    // (300 - 14 - 10 + 8) / 56 = 5 columns; 9 icons in 2 rows.
    const DockLayout layout = LayoutDock(m, 300, 9);
    EXPECT_EQ(layout.columns, 5);
    EXPECT_EQ(layout.width, 56 * 5 - 8 + 14 + 10);
    EXPECT_EQ(layout.rows, 2);
    EXPECT_EQ(layout.height, 46 * 2 - 6 + 12 + 26);
    EXPECT_EQ(layout.viewport, (LayerRect{14, 12, layout.width - 24, layout.height - 38}));

    EXPECT_EQ(DockIconRect(m, layout, 0), (LayerRect{14, 12, 48, 40}));
    EXPECT_EQ(DockIconRect(m, layout, 4), (LayerRect{14 + 4 * 56, 12, 48, 40}));
    EXPECT_EQ(DockIconRect(m, layout, 5), (LayerRect{14, 12 + 46, 48, 40}));
    EXPECT_EQ(DockIconRect(m, layout, 8), (LayerRect{14 + 3 * 56, 12 + 46, 48, 40}));
}

TEST(DockLayout, IconsFillTheGridRowByRowWithoutOverlapInsideTheViewport) {
    const DockMetrics m = Square(32, 4, 5);
    for (std::size_t n = 1; n <= 20; ++n) {
        for (int width = 0; width <= 400; width += 7) {
            const DockLayout layout = LayoutDock(m, width, n);
            std::set<std::pair<int, int>> places;
            for (std::size_t k = 0; k < n; ++k) {
                const LayerRect r = DockIconRect(m, layout, k);
                EXPECT_TRUE(places.insert({r.x, r.y}).second) << "n " << n << " width " << width << " icon " << k;
                EXPECT_EQ(Intersection(r, layout.viewport), r) << "n " << n << " width " << width << " icon " << k;
            }
            EXPECT_LE(static_cast<std::size_t>(layout.columns), n);
            EXPECT_GE(static_cast<std::size_t>(layout.columns * layout.rows), n);
            EXPECT_LT(static_cast<std::size_t>(layout.columns * (layout.rows - 1)), n) << "no empty last row";
            EXPECT_EQ(LayoutDock(m, layout.width, n).width, layout.width) << "a snapped width stays";
        }
    }
}

TEST(DockLayout, ColumnsAreLimitedByTheIconCountAndAtLeastOne) {
    const DockMetrics m = Square(32, 4);
    const DockLayout few = LayoutDock(m, 1000, 3);
    EXPECT_EQ(few.columns, 3) << "never more columns than icons";
    EXPECT_EQ(few.width, 104);
    EXPECT_EQ(few.rows, 1);

    const DockLayout narrow = LayoutDock(m, 20, 5);
    EXPECT_EQ(narrow.columns, 1) << "a dock narrower than an icon still has one column";
    EXPECT_EQ(narrow.width, 32);
    EXPECT_EQ(narrow.rows, 5);
    EXPECT_EQ(narrow.height, 5 * 36 - 4);

    const DockLayout negative = LayoutDock(m, -500, 5);
    EXPECT_EQ(negative.columns, 1);
    EXPECT_EQ(negative.width, 32);

    const DockLayout empty = LayoutDock(Square(32, 4, 10), 200, 0);
    EXPECT_EQ(empty.columns, 1);
    EXPECT_EQ(empty.rows, 1);
    EXPECT_EQ(empty.width, 52) << "an empty dock is one icon plus the margins";
    EXPECT_EQ(empty.height, 52);
}

TEST(DockLayout, WithoutAColumnSizeTheWidthStaysAndOneColumnIsUsed) {
    const DockMetrics zero = Square(0, 0); // the skin's defaults
    const DockLayout layout = LayoutDock(zero, 244, 4);
    EXPECT_EQ(layout.columns, 1);
    EXPECT_EQ(layout.width, 244);
    EXPECT_EQ(layout.rows, 4);
    EXPECT_EQ(layout.height, 0);

    DockMetrics negativeStep = Square(10, -12);
    const DockLayout odd = LayoutDock(negativeStep, 150, 3);
    EXPECT_EQ(odd.columns, 1);
    EXPECT_EQ(odd.width, 150);
}

TEST(DockLayout, HugeValuesAreClampedNotOverflowed) {
    DockMetrics m = Square(INT_MAX, INT_MAX, INT_MAX);
    const DockLayout layout = LayoutDock(m, INT_MAX, 1000);
    EXPECT_EQ(layout.columns, 1);
    EXPECT_EQ(layout.width, INT_MAX);
    EXPECT_EQ(layout.height, INT_MAX);
    const LayerRect last = DockIconRect(m, layout, 999);
    EXPECT_EQ(last.y, INT_MAX);

    const DockLayout many = LayoutDock(Square(1, 0), INT_MAX, static_cast<std::size_t>(-1));
    EXPECT_GE(many.columns, 1);
    EXPECT_GE(many.rows, 1);
}

// A dock skin read through the profile store, as the settings loader reads it.
SkinRecord LoadDockSkin(const std::string& fileText) {
    MemoryProfileStore store;
    const std::string skinDir = "C:\\Vimo\\Skin\\Default";
    if (!fileText.empty()) store.SetFile(skinDir + "\\VimoRemoteKap\\Skin.VimoRemoteKap", fileText);
    for (const auto& schema : BuildSkinSchemas())
        if (schema->Type() == SkinType::RemoteKap) return SkinRecord::Load(schema, store, skinDir);
    throw SkinKeyError("no dock schema");
}

TEST(DockSkin, MetricsAndLockComeFromTheDockKeys) {
    const SkinRecord skin = LoadDockSkin("[VimoRemoteKapSkin]\r\nWidth=244\r\nHeight=144\r\n"
                                         "LockPosX=16\r\nLockPosY=121\r\nLockWidth=12\r\nLockHeight=12\r\n"
                                         "LockRightDock=0\r\nLockBottomDock=1\r\n"
                                         "MarginLeft=14\r\nMarginRight=13\r\nMarginTop=12\r\nMarginBottom=26\r\n"
                                         "IconWidth=48\r\nIconHeight=46\r\nIconHSpacing=8\r\nIconVSpacing=7\r\n");
    const DockMetrics m = DockMetricsFromSkin(skin);
    EXPECT_EQ(m.iconWidth, 48);
    EXPECT_EQ(m.iconHeight, 46);
    EXPECT_EQ(m.hSpacing, 8);
    EXPECT_EQ(m.vSpacing, 7);
    EXPECT_EQ(m.marginLeft, 14);
    EXPECT_EQ(m.marginRight, 13);
    EXPECT_EQ(m.marginTop, 12);
    EXPECT_EQ(m.marginBottom, 26);

    EXPECT_EQ(DockLockRect(skin, 244, 144), (LayerRect{16, 121, 12, 12})) << "design size: position as given";
    EXPECT_EQ(DockLockRect(skin, 300, 200), (LayerRect{16, 177, 12, 12})) << "kept at its distance to the bottom";
}

TEST(DockSkin, DefaultsGiveOneColumnThatKeepsTheDesignWidth) {
    const SkinRecord skin = LoadDockSkin("");
    const DockMetrics m = DockMetricsFromSkin(skin);
    EXPECT_EQ(m.iconWidth, 0);
    EXPECT_EQ(m.hSpacing, 0);
    const DockLayout layout = LayoutDock(m, skin.Int("Width"), 3);
    EXPECT_EQ(layout.width, 200);
    EXPECT_EQ(layout.columns, 1);
    EXPECT_EQ(DockLockRect(skin, 200, 100), (LayerRect{10, 10, 20, 20}));
}

TEST(DockPress, LockedNothingGripResizesElsewhereMoves) {
    EXPECT_EQ(ClassifyDockPress(true, 100, 100, 104, 104), DockPress::Nothing);
    EXPECT_EQ(ClassifyDockPress(true, 5, 5, 104, 104), DockPress::Nothing);
    EXPECT_EQ(ClassifyDockPress(false, 5, 5, 104, 104), DockPress::Move);
    EXPECT_EQ(ClassifyDockPress(false, 103, 103, 104, 104), DockPress::Resize);
    EXPECT_EQ(ClassifyDockPress(false, 74, 74, 104, 104), DockPress::Resize) << "the grip is 30 x 30";
    EXPECT_EQ(ClassifyDockPress(false, 73, 103, 104, 104), DockPress::Move);
    EXPECT_EQ(ClassifyDockPress(false, 103, 73, 104, 104), DockPress::Move);
}

TEST(DockResize, DraggingTheCornerSnapsToWholeIcons) {
    const DockMetrics m = Square(32, 4);
    const std::size_t icons = 7;
    DockLayout layout = LayoutDock(m, 110, icons); // 104 wide, 3 columns
    DockResizeDrag drag(500, 500, layout.width, layout.height);

    // A slow drag to the right: one pixel per tick. The dock grows by a whole icon once the
    // pointer has moved one icon plus its spacing.
    std::vector<int> widths;
    for (int x = 501; x <= 540; ++x) {
        drag.Track(x, 500, m.iconWidth, m.iconHeight);
        layout = LayoutDock(m, drag.Width(), icons);
        widths.push_back(layout.width);
    }
    EXPECT_EQ(widths.front(), 104);
    EXPECT_EQ(widths[34], 104) << "35 pixels are not yet an icon";
    EXPECT_EQ(widths[35], 140) << "36 pixels are";
    EXPECT_EQ(layout.columns, 4);
    EXPECT_EQ(layout.rows, 2);
    EXPECT_EQ(layout.height, 68);
    for (int w : widths) EXPECT_EQ((w + 4) % 36, 0) << "always whole icons";

    // Back to the left by two icons in one tick.
    EXPECT_TRUE(drag.Track(540 - 72, 500, m.iconWidth, m.iconHeight));
    layout = LayoutDock(m, drag.Width(), icons);
    EXPECT_EQ(layout.width, 68);
    EXPECT_EQ(layout.columns, 2);
    EXPECT_EQ(layout.rows, 4);
}

TEST(DockResize, ADragBelowOneIconKeepsTheWidth) {
    DockResizeDrag drag(500, 500, 104, 104);
    EXPECT_FALSE(drag.Track(500 - 80, 500, 32, 32)) << "104 - 80 = 24 is narrower than an icon";
    EXPECT_EQ(drag.Width(), 104);
    EXPECT_EQ(drag.Height(), 104);
    EXPECT_TRUE(drag.Track(500 - 80 - 72, 500, 32, 32)) << "from the kept width: 104 - 72 = 32 is one icon";
    EXPECT_EQ(drag.Width(), 32);
    EXPECT_EQ(LayoutDock(Square(32, 4), drag.Width(), 7).width, 32);

    // Height and width are judged separately.
    DockResizeDrag both(0, 0, 100, 40);
    EXPECT_TRUE(both.Track(10, -20, 32, 32));
    EXPECT_EQ(both.Width(), 110);
    EXPECT_EQ(both.Height(), 40) << "40 - 20 is below one icon";
    EXPECT_FALSE(both.Track(10, -20, 32, 32)) << "no movement, no change";
}

TEST(DockResize, ExtremePointerJumpsDoNotOverflow) {
    DockResizeDrag drag(INT_MIN, INT_MIN, INT_MAX - 5, 50);
    EXPECT_FALSE(drag.Track(INT_MAX, INT_MIN, 32, 32)) << "the width would leave the range of int";
    EXPECT_EQ(drag.Width(), INT_MAX - 5);
    EXPECT_FALSE(drag.Track(INT_MIN, INT_MIN, 32, 32)) << "nor below one icon";
    EXPECT_EQ(drag.Width(), INT_MAX - 5);
}

} // namespace
} // namespace vimo
