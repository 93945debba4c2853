// Which files of a folder the photo album takes, and the lines of its document.
#include <gtest/gtest.h>

#include "base/resource.h"
#include "kaps/desk/photoalbum/album_choices.h"
#include "kaps/desk/photoalbum/album_document.h"
#include "kaps/desk/photoalbum/album_folder.h"

namespace vimo {
namespace {

TEST(AlbumFolder, TrailingBackslashIsAddedOnceAndNeverToAnEmptyFolder) {
    EXPECT_EQ(FolderWithBackslash("C:\\Pictures"), "C:\\Pictures\\");
    EXPECT_EQ(FolderWithBackslash("C:\\Pictures\\"), "C:\\Pictures\\");
    EXPECT_EQ(FolderWithBackslash(""), "");
}

TEST(AlbumFolder, PictureExtensionsInAnyLetterCase) {
    for (const char* name : {"a.jpg", "B.JPG", "c.Png", "d.gIf", "e.BMP", "holiday.2024.Jpg", ".png"})
        EXPECT_TRUE(IsPictureFileName(name)) << name;
    for (const char* name : {"notes.txt", "photo.jpeg", "scan.tif", "jpg", "png.", "picture.png.txt", "a.jp g", ""})
        EXPECT_FALSE(IsPictureFileName(name)) << name;
}

TEST(AlbumFolder, PicturesKeepTheListingOrderAndSubFoldersAreLeftOut) {
    const std::vector<FolderEntry> entries = {
        {".", true},           {"..", true},         {"zebra.PNG", false}, {"older.jpg", true},
        {"readme.txt", false}, {"Apple.gif", false}, {"mid.Bmp", false},
    };
    EXPECT_EQ(PicturePaths("D:\\Album\\", entries),
              (std::vector<std::string>{"D:\\Album\\zebra.PNG", "D:\\Album\\Apple.gif", "D:\\Album\\mid.Bmp"}));
    EXPECT_TRUE(PicturePaths("D:\\Album\\", {{"readme.txt", false}, {"sub.jpg", true}}).empty());
}

TEST(AlbumChoices, CommandsGiveTheirIntervalsAndZooms) {
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_5S), 5);
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_15S), 15);
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_30S), 30);
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_1M), 60);
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_5M), 300);
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_10M), 600);
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_LOCK), 0) << "lock is not an interval";
    EXPECT_EQ(IntervalOfCommand(ID_PHOTOALBUM_INTERVAL_5S - 1), 0);
    EXPECT_EQ(ZoomOfCommand(ID_PHOTOALBUM_ZOOM_50), 50);
    EXPECT_EQ(ZoomOfCommand(ID_PHOTOALBUM_ZOOM_100), 100);
    EXPECT_EQ(ZoomOfCommand(ID_PHOTOALBUM_ZOOM_150), 150);
    EXPECT_EQ(ZoomOfCommand(ID_PHOTOALBUM_ZOOM_200), 200);
    EXPECT_EQ(ZoomOfCommand(ID_PHOTOALBUM_ZOOM_50 - 1), 0);
    EXPECT_EQ(ZoomOfCommand(ID_PHOTOALBUM_ZOOM_200 + 1), 0);
}

TEST(AlbumChoices, UnusableStoredValuesFallBackOrAreClamped) {
    for (int seconds : {5, 15, 30, 60, 300, 600}) EXPECT_EQ(UsableInterval(seconds), seconds);
    for (int seconds : {0, -5, 1, 10, 601, 2147483647}) EXPECT_EQ(UsableInterval(seconds), 5) << seconds;
    EXPECT_EQ(ClampZoom(10), 50);
    EXPECT_EQ(ClampZoom(-100), 50);
    EXPECT_EQ(ClampZoom(150), 150);
    EXPECT_EQ(ClampZoom(120), 120);
    EXPECT_EQ(ClampZoom(900), 200);
}

std::string Compose(const AlbumValues& values) {
    DocumentWriter writer(KapHeader{"20240102030405", true, "", false, ""});
    writer.Int(10).Int(20).Int(400).Int(300);
    WriteAlbumPayload(writer, values);
    return writer.Text();
}

AlbumValues Parse(const std::string& text) {
    DocumentReader reader(text);
    for (int i = 0; i < 5; ++i) reader.NextString();
    AlbumValues values;
    values.interval = -1;
    values.zoom = -1;
    values.folder = "unread";
    ReadAlbumPayload(reader, values);
    return values;
}

TEST(AlbumDocument, LinesAfterTheCommonOnesRoundTrip) {
    AlbumValues values;
    values.interval = 300;
    values.zoom = 150;
    values.folder = "C:\\My Pictures\\";
    const std::string text = Compose(values);
    EXPECT_EQ(text, "A20240102030405LN\n10\n20\n400\n300\n300\n150\nC:\\My Pictures\\");
    const AlbumValues read = Parse(text);
    EXPECT_EQ(read.interval, 300);
    EXPECT_EQ(read.zoom, 150);
    EXPECT_EQ(read.folder, "C:\\My Pictures\\");
}

TEST(AlbumDocument, ShortOrDamagedDocumentsGiveUsableValues) {
    const AlbumValues none = Parse("A20240102030405UN\n1\n2\n3\n4");
    EXPECT_EQ(none.interval, 5);
    EXPECT_EQ(none.zoom, 100);
    EXPECT_EQ(none.folder, "");
    const AlbumValues damaged = Parse("A20240102030405UN\n1\n2\n3\n4\n0\n5000\nE:\\Shots");
    EXPECT_EQ(damaged.interval, 5);
    EXPECT_EQ(damaged.zoom, 200);
    EXPECT_EQ(damaged.folder, "E:\\Shots\\") << "a folder gets its trailing backslash";
    EXPECT_EQ(Parse("A20240102030405UN\n1\n2\n3\n4\n60\n0\n").zoom, 50);
}

} // namespace
} // namespace vimo
