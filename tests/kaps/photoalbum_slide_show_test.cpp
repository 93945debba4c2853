// The photo album's slide show: order, wrap, pause and what a scan leaves behind.
#include <gtest/gtest.h>

#include "kaps/desk/photoalbum/slide_show.h"

#include <cstring>

namespace vimo {
namespace {

const std::vector<std::string> kThree = {"F:\\a.jpg", "F:\\b.png", "F:\\c.gif"};

TEST(SlideShow, StatusTextsOfTheScanResults) {
    EXPECT_STREQ(StatusOf(FolderState::Missing).text, "Invalid Directory");
    EXPECT_EQ(StatusOf(FolderState::Missing).fontSize, 30);
    EXPECT_STREQ(StatusOf(FolderState::NoPictures).text, "No Photo");
    EXPECT_EQ(StatusOf(FolderState::NoPictures).fontSize, 30);
    EXPECT_STREQ(StatusOf(FolderState::Pictures).text, "");
    EXPECT_EQ(StatusOf(FolderState::Pictures).fontSize, 16);
    EXPECT_STREQ(StatusOf(FolderState::None).text, "");
}

TEST(SlideShow, PicturesFollowInOrderAndTheLastIsFollowedByTheFirst) {
    SlideShow show;
    show.Load(FolderState::Pictures, kThree);
    EXPECT_TRUE(show.Running());
    EXPECT_EQ(show.Current(), "") << "nothing is on show before the first picture";
    ASSERT_TRUE(show.First());
    EXPECT_EQ(show.Current(), "F:\\a.jpg");
    std::vector<std::string> seen;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(show.Next());
        seen.push_back(show.Current());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"F:\\b.png", "F:\\c.gif", "F:\\a.jpg", "F:\\b.png"}));
}

TEST(SlideShow, NextWithoutACurrentPictureStartsAtTheFirst) {
    SlideShow show;
    show.Load(FolderState::Pictures, kThree);
    ASSERT_TRUE(show.Next());
    EXPECT_EQ(show.CurrentIndex(), 0u);
    SlideShow single;
    single.Load(FolderState::Pictures, {"F:\\only.bmp"});
    single.First();
    single.Next();
    EXPECT_EQ(single.Current(), "F:\\only.bmp");
}

TEST(SlideShow, PauseStopsAndResumeMovesOnAtOnce) {
    SlideShow show;
    show.Load(FolderState::Pictures, kThree);
    show.First();
    EXPECT_EQ(show.TogglePause(), SlideShow::PauseStep::Paused);
    EXPECT_FALSE(show.Running());
    EXPECT_EQ(show.Current(), "F:\\a.jpg") << "pausing keeps the picture";
    EXPECT_EQ(show.TogglePause(), SlideShow::PauseStep::Resumed);
    EXPECT_TRUE(show.Running());
    EXPECT_EQ(show.Current(), "F:\\b.png");
}

TEST(SlideShow, WithoutPicturesPauseChangesNothing) {
    for (FolderState state : {FolderState::None, FolderState::Missing, FolderState::NoPictures}) {
        SlideShow show;
        show.Load(state, {});
        EXPECT_FALSE(show.Running());
        EXPECT_FALSE(show.HasPictures());
        EXPECT_EQ(show.TogglePause(), SlideShow::PauseStep::Ignored);
        EXPECT_FALSE(show.Running());
        EXPECT_FALSE(show.First());
        EXPECT_FALSE(show.Next());
        EXPECT_EQ(show.Current(), "");
    }
}

TEST(SlideShow, ANewScanForgetsTheCurrentPictureAndRunsAgain) {
    SlideShow show;
    show.Load(FolderState::Pictures, kThree);
    show.First();
    show.Next();
    show.TogglePause();
    show.Load(FolderState::Pictures, {"G:\\x.png", "G:\\y.png"});
    EXPECT_TRUE(show.Running()) << "a reopened or rescanned album runs";
    EXPECT_FALSE(show.CurrentIndex().has_value());
    show.Load(FolderState::NoPictures, {});
    EXPECT_EQ(show.State(), FolderState::NoPictures);
    EXPECT_TRUE(show.Pictures().empty());
    show.Load(FolderState::Pictures, {});
    EXPECT_EQ(show.State(), FolderState::NoPictures) << "a scan that found nothing is a folder without pictures";
    show.Load(FolderState::Missing, {"ignored.png"});
    EXPECT_FALSE(show.HasPictures());
}

} // namespace
} // namespace vimo
