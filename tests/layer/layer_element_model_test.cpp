// Setters of the layer element: clamping, the valid flag, the status word and the validation
// messages of margins.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "layer/element_model.h"

namespace vimo {
namespace {

TEST(ElementModel, SettersClampTheirInput) {
    LayerElementModel e(100, 50, true);
    e.SetBackgroundColour(300, -1, 10, 256);
    EXPECT_EQ(e.Background().colour, (LayerColour{255, 0, 10, 255}));
    e.SetBackgroundFrame(25, 255, 1, 2, 3);
    EXPECT_EQ(e.Background().frameWidth, 20);
    e.SetBackgroundFrame(-2, 255, 1, 2, 3);
    EXPECT_EQ(e.Background().frameWidth, 0);
    e.SetFrame(99, 255, 0, 0, 0);
    EXPECT_EQ(e.Frame().width, 20);
    e.SetBlockFrame(TextBlockId::Title, 21, 255, 0, 0, 0);
    EXPECT_EQ(e.Block(TextBlockId::Title).frameWidth, 20);

    e.SetBackgroundAlphaPercent(150);
    EXPECT_EQ(e.Background().alphaPercent, 100);
    e.SetImageAlphaPercent(-10);
    EXPECT_EQ(e.Image().alphaPercent, 0);
    e.SetBackgroundLuminosityPercent(250);
    EXPECT_EQ(e.Background().luminosityPercent, 200);
    e.SetImageZoom(500);
    EXPECT_EQ(e.Image().zoomPercent, 200);
    e.SetWindowZoom(-1);
    EXPECT_EQ(e.WindowView().zoomPercent, 0);
    e.SetThumbPercent(-7);
    EXPECT_EQ(e.Thumb().percent, -1);
    e.SetThumbPercent(140);
    EXPECT_EQ(e.Thumb().percent, 100);
    e.SetFillColour(-3, 0, 0, 0);
    EXPECT_EQ(e.Fill().colour.alpha, 0);
    EXPECT_TRUE(e.Fill().colourSet);
}

TEST(ElementModel, DefaultsOfANewElement) {
    LayerElementModel e(10, 10, false);
    EXPECT_EQ(e.CompositionOrder(), "BIWSTEC");
    EXPECT_EQ(e.Image().zoomPercent, 100);
    EXPECT_EQ(e.Image().alphaPercent, 100);
    EXPECT_EQ(e.Background().luminosityPercent, 100);
    EXPECT_EQ(e.Block(TextBlockId::Text).font, "Arial");
    EXPECT_EQ(e.Status(), kLayerStatusGood);
    EXPECT_TRUE(e.LastError().empty());
    EXPECT_FALSE(e.KeepsBitmap());
    EXPECT_FALSE(e.Fill().colourSet);
}

TEST(ElementModel, OrderIsStoredInUpperCase) {
    LayerElementModel e(10, 10, false);
    e.SetCompositionOrder("tbq");
    EXPECT_EQ(e.CompositionOrder(), "TBQ");
}

TEST(ElementModel, EverySetterReturnsTheStatusAndInvalidates) {
    struct Probe : LayerElementModel {
        using LayerElementModel::LayerElementModel;
        void Validate() { MarkValid(); }
    } e(60, 30, true);
    const std::vector<std::function<int()>> setters = {
        [&] { return e.SetCompositionOrder("B"); },
        [&] { return e.SetFillColour(1, 2, 3, 4); },
        [&] { return e.SetFillOn(true); },
        [&] { return e.SetFrame(1, 1, 1, 1, 1); },
        [&] { return e.SetFrameOn(true); },
        [&] { return e.SetBackgroundColour(1, 1, 1, 1); },
        [&] { return e.SetImagePosition(1, 2); },
        [&] { return e.SetImagesLuminosityPercent(50); },
        [&] { return e.SetBlockText(TextBlockId::Text, "x"); },
        [&] { return e.SetBlockFont(TextBlockId::Title, "Arial", 12, 2); },
        [&] { return e.ShowBlock(TextBlockId::Title, false); },
        [&] { return e.SetTitleMargins(100, 0, 0, 0); }, // refused, still good
        [&] { return e.SetThumbMargins(1, 2); },
    };
    for (std::size_t i = 0; i < setters.size(); ++i) {
        e.Validate();
        // A part pending before a setter grows into the whole element.
        e.InvalidatePart(LayerRect{1, 1, 5, 5});
        EXPECT_EQ(setters[i](), kLayerStatusGood) << i;
        EXPECT_FALSE(e.IsValid()) << i;
        EXPECT_TRUE(e.StalePart().Empty()) << i;
    }
}

TEST(ElementModel, StalePartsAddUpWithinTheElementUntilItIsDrawn) {
    struct Probe : LayerElementModel {
        using LayerElementModel::LayerElementModel;
        void Validate() { MarkValid(); }
    } e(60, 30, true);
    e.InvalidatePart(LayerRect{1, 1, 5, 5}); // a new element is wholly stale already
    EXPECT_TRUE(e.StalePart().Empty());
    e.Validate();
    e.InvalidatePart(LayerRect{50, -4, 20, 10}); // outside only partly
    EXPECT_FALSE(e.IsValid());
    EXPECT_EQ(e.StalePart(), (LayerRect{50, 0, 10, 6}));
    e.InvalidatePart(LayerRect{0, 20, 4, 4});
    EXPECT_EQ(e.StalePart(), (LayerRect{0, 0, 60, 24}));
    e.Validate();
    e.InvalidatePart(LayerRect{70, 40, 5, 5}); // wholly outside: nothing to draw
    EXPECT_TRUE(e.IsValid());
    e.InvalidatePart(LayerRect{2, 2, 2, 2});
    e.Invalidate();
    EXPECT_TRUE(e.StalePart().Empty());
}

TEST(ElementModel, BlockStyleKeepsTheOutlineWhenItHasNoneOfItsOwn) {
    LayerElementModel e(60, 30, true);
    e.SetBlockDoubledColour(TextBlockId::Text, 255, 1, 2, 3);
    e.SetBlockStyle(TextBlockId::Text, LayerTextStyle{"Tahoma", 14, 2, LayerColour{200, 10, 20, 30}, true, {}});
    const TextBlockProps& text = e.Block(TextBlockId::Text);
    EXPECT_EQ(text.font, "Tahoma");
    EXPECT_EQ(text.size, 14);
    EXPECT_EQ(text.type, 2);
    EXPECT_EQ(text.colour, (LayerColour{200, 10, 20, 30}));
    EXPECT_TRUE(text.shadowed);
    EXPECT_EQ(text.doubled, (LayerColour{255, 1, 2, 3}));
    e.SetBlockStyle(TextBlockId::Text, LayerTextStyle{"Tahoma", 14, 2, LayerColour{}, false, LayerColour{}});
    EXPECT_EQ(text.doubled, LayerColour{});
}

TEST(ElementModel, MarginsThatLeaveNoBoxDisableOnlyTheirPart) {
    LayerElementModel e(40, 20, true);
    e.SetBlockText(TextBlockId::Text, "text");
    e.SetBlockText(TextBlockId::Title, "title");

    e.SetTitleMargins(20, 0, 20, 0);
    EXPECT_EQ(e.LastError(), "TitleMargin : Bad parameter");
    EXPECT_FALSE(e.Block(TextBlockId::Title).Drawable());
    EXPECT_TRUE(e.Block(TextBlockId::Text).Drawable());

    e.SetTextMargins(0, 10, 0, 10);
    EXPECT_EQ(e.LastError(), "TextMargin : Bad parameter");
    EXPECT_FALSE(e.Block(TextBlockId::Text).Drawable());

    e.SetWindowMargins(41, 0, 0, 0);
    EXPECT_EQ(e.LastError(), "WindowMargin : Bad parameter");
    EXPECT_FALSE(e.WindowView().marginsValid);

    e.SetEditMargins(0, 0, 0, 20);
    EXPECT_EQ(e.LastError(), "EditMargin : Bad parameter");
    EXPECT_FALSE(e.Edit().marginsValid);

    // Margins that fit switch the block on again; the last message stays.
    e.SetTitleMargins(2, 2, 2, 2);
    EXPECT_TRUE(e.Block(TextBlockId::Title).Drawable());
    EXPECT_EQ(e.LastError(), "EditMargin : Bad parameter");
    EXPECT_EQ(e.Status(), kLayerStatusGood);
}

TEST(ElementModel, ResizeChecksTheMarginsAgain) {
    LayerElementModel e(40, 20, true);
    e.SetBlockText(TextBlockId::Title, "title");
    e.SetTitleMargins(15, 0, 15, 0);
    EXPECT_TRUE(e.Block(TextBlockId::Title).Drawable());
    e.Resize(30, 20); // 15 + 15 no longer leaves a box
    EXPECT_EQ(e.Width(), 30);
    EXPECT_FALSE(e.Block(TextBlockId::Title).Drawable());
    EXPECT_FALSE(e.IsValid());
    e.Resize(50, 20);
    EXPECT_TRUE(e.Block(TextBlockId::Title).Drawable());
}

TEST(ElementModel, ImagesLuminositySetsBackgroundImageAndWindowView) {
    LayerElementModel e(10, 10, true);
    e.SetImagesLuminosityPercent(260);
    EXPECT_EQ(e.Background().luminosityPercent, 200);
    EXPECT_EQ(e.Image().luminosityPercent, 200);
    EXPECT_EQ(e.WindowView().luminosityPercent, 200);
}

TEST(ElementModel, HiddenOrEmptyBlockIsNotDrawn) {
    LayerElementModel e(10, 10, true);
    EXPECT_FALSE(e.Block(TextBlockId::Text).Drawable()); // empty
    e.SetBlockText(TextBlockId::Text, "a");
    EXPECT_TRUE(e.Block(TextBlockId::Text).Drawable());
    e.ShowBlock(TextBlockId::Text, false);
    EXPECT_FALSE(e.Block(TextBlockId::Text).Drawable());
}

} // namespace
} // namespace vimo
