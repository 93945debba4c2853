// The photo album as a user meets it: a folder of pictures shown one after another, paused,
// zoomed, timed, a folder without pictures, a folder that is gone, and a restart.
#include <gtest/gtest.h>

#include "base/resource.h"
#include "e2e/driver/vimo_driver.h"
#include "kapframe/base64.h"
#include "kapframe/kap_document.h"
#include "kaps/photoalbum_pictures_win.h"

#include <algorithm>
#include <cstdint>
#include <map>

namespace vimo::e2e {
namespace {

using albumtest::PictureFormat;

constexpr std::uint32_t kRed = 0xE02020, kGreen = 0x20C040, kBlue = 0x2040E0, kYellow = 0xE0D020, kWhite = 0xFFFFFF;

class GdiplusScope {
public:
    GdiplusScope() {
        Gdiplus::GdiplusStartupInput input;
        Gdiplus::GdiplusStartup(&token_, &input, nullptr);
    }
    ~GdiplusScope() { Gdiplus::GdiplusShutdown(token_); }
    GdiplusScope(const GdiplusScope&) = delete;
    GdiplusScope& operator=(const GdiplusScope&) = delete;

private:
    ULONG_PTR token_ = 0;
};

// The screen's pixels of a rectangle, read once.
class ScreenArea {
public:
    explicit ScreenArea(const RECT& r) : left_(r.left), top_(r.top), width_(r.right - r.left) {
        const int height = r.bottom - r.top;
        pixels_.resize(static_cast<std::size_t>(width_) * height);
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        BITMAPINFO info = {};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), width_, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width_, height, screen, r.left, r.top, SRCCOPY);
        GdiFlush();
        std::copy_n(static_cast<const std::uint32_t*>(bits), pixels_.size(), pixels_.begin());
        SelectObject(memory, old);
        DeleteObject(dib);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    // 0xRRGGBB at screen coordinates inside the rectangle.
    std::uint32_t At(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y - top_) * width_ + (x - left_)] & 0xFFFFFF;
    }

private:
    int left_, top_, width_;
    std::vector<std::uint32_t> pixels_;
};

std::uint32_t ScreenPixel(int x, int y) { return ScreenArea(RECT{x, y, x + 1, y + 1}).At(x, y); }

bool Near(std::uint32_t a, std::uint32_t b, int tolerance = 12) {
    for (int shift : {0, 8, 16}) {
        const int x = static_cast<int>((a >> shift) & 0xFF), y = static_cast<int>((b >> shift) & 0xFF);
        if (x - y > tolerance || y - x > tolerance) return false;
    }
    return true;
}

// The album's picture box on the screen, from the skin's margins and the kap's window.
struct Box {
    int left, top, right, bottom;
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
};

class PhotoAlbumE2e : public ::testing::Test {
protected:
    int Skin(const ProgramDir& dir, const char* key) const {
        return static_cast<int>(GetPrivateProfileIntA(
            "VimoPhotoAlbumSkin", key, -1, dir.File("Skin\\Default\\VimoPhotoAlbum\\Skin.VimoPhotoAlbum").c_str()));
    }
    void ReadSkin(const ProgramDir& dir) {
        iconWidth_ = Skin(dir, "IconWidth");
        iconHeight_ = Skin(dir, "IconHeight");
        marginLeft_ = Skin(dir, "ImageMarginLeft");
        marginTop_ = Skin(dir, "ImageMarginTop");
        marginRight_ = Skin(dir, "ImageMarginRight");
        marginBottom_ = Skin(dir, "ImageMarginBottom");
        ASSERT_GT(iconWidth_, marginLeft_ + marginRight_);
        ASSERT_GT(iconHeight_, marginTop_ + marginBottom_);
    }
    int BoxWidth() const { return iconWidth_ - marginLeft_ - marginRight_; }
    int BoxHeight() const { return iconHeight_ - marginTop_ - marginBottom_; }
    Box BoxOf(HWND kap) const {
        const RECT r = WindowRectOf(kap);
        return Box{r.left + marginLeft_, r.top + marginTop_, r.right - marginRight_, r.bottom - marginBottom_};
    }
    // An album document in Notes\, at (x, y) with the design size.
    void WriteAlbum(const ProgramDir& dir, const std::string& name, int x, int y, const std::string& folder) const {
        DocumentWriter writer(KapHeader{name, false, "", false, ""});
        writer.Int(x).Int(y).Int(iconWidth_).Int(iconHeight_).Int(5).Int(100).Line(folder);
        CreateDirectoryA(dir.File("Notes").c_str(), nullptr);
        dir.Write("Notes\\" + name + ".VIMOPHOTOALBUM", EncodeDocumentBase64(writer.Text()));
    }
    // A picture as large as the picture box, so that 100 % fills the box exactly.
    bool Picture(const std::string& path, PictureFormat format, std::uint32_t inner) const {
        return albumtest::WritePicture(path, format, BoxWidth(), BoxHeight(), inner);
    }

    GdiplusScope gdiplus_;
    int iconWidth_ = 0, iconHeight_ = 0, marginLeft_ = 0, marginTop_ = 0, marginRight_ = 0, marginBottom_ = 0;
};

// The kap window whose top-left corner is at (x, y): the album placed there by its document (the
// program shows other layered windows too, such as the dock).
HWND WaitKapAt(const VimoProcess& app, int x, int y, DWORD timeoutMs = 15000) {
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND kap : app.Kaps()) {
                const RECT r = WindowRectOf(kap);
                if (r.left == x && r.top == y) found = kap;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

// The files of a folder as the file system lists them.
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found = {};
    HANDLE search = FindFirstFileA((folder + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

// Waits until the centre of the box shows a colour near want; returns the last colour seen.
bool WaitCentre(const Box& box, std::uint32_t want, DWORD timeoutMs, std::uint32_t* seen = nullptr) {
    std::uint32_t last = 0;
    const bool ok = WaitFor(
        [&] {
            last = ScreenPixel(box.CentreX(), box.CentreY());
            return Near(last, want);
        },
        timeoutMs, 50);
    if (seen) *seen = last;
    return ok;
}

TEST_F(PhotoAlbumE2e, SlideShowWalksTheFolderInOrderWrapsPausesAndKeepsTime) {
    ProgramDir dir("photoalbum-show");
    ReadSkin(dir);
    const std::string folder = dir.File("Pictures");
    CreateDirectoryA(folder.c_str(), nullptr);
    std::map<std::string, std::uint32_t> colours = {
        {"a.jpg", kRed}, {"B.GIF", kGreen}, {"c.Png", kBlue}, {"d.bmp", kYellow}};
    ASSERT_TRUE(Picture(folder + "\\a.jpg", PictureFormat::Jpeg, kRed));
    ASSERT_TRUE(Picture(folder + "\\B.GIF", PictureFormat::Gif, kGreen));
    ASSERT_TRUE(Picture(folder + "\\c.Png", PictureFormat::Png, kBlue));
    ASSERT_TRUE(Picture(folder + "\\d.bmp", PictureFormat::Bmp, kYellow));
    ASSERT_TRUE(albumtest::WriteCorruptPicture(folder + "\\b2.jpg"));
    ASSERT_TRUE(albumtest::WriteBytes(folder + "\\list.txt", "not a picture"));
    WriteAlbum(dir, "20240301101010", 400, 100, folder);

    // What the album must show, step by step: the pictures in the file system's order, and
    // nothing (none of the colours) for the file that does not decode.
    std::vector<std::string> order;
    for (const std::string& name : Listing(folder))
        if (name != "list.txt") order.push_back(name);
    ASSERT_EQ(order.size(), 5u);
    std::string listed;
    for (const std::string& name : order) listed += name + " ";
    SCOPED_TRACE("listing: " + listed);
    ASSERT_NE(order.back(), "b2.jpg") << "the wrap from the last picture is checked";

    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND album = WaitKapAt(app, 400, 100);
    ASSERT_NE(album, nullptr);
    const Box box = BoxOf(album);
    ASSERT_TRUE(WaitCentre(box, colours[order[0]], 8000)) << "the first picture is " << order[0];
    Screenshot("photoalbum-first");

    // True once the centre shows the named file: its colour, or for the file that does not
    // decode, none of the colours.
    auto centre = [&] { return ScreenPixel(box.CentreX(), box.CentreY()); };
    auto showing = [&](const std::string& name) {
        const std::uint32_t seen = centre();
        if (colours.count(name)) return Near(seen, colours[name]);
        for (const auto& entry : colours)
            if (Near(seen, entry.second)) return false;
        return true;
    };
    auto waitShows = [&](const std::string& name, DWORD timeoutMs) {
        return WaitFor([&] { return showing(name); }, timeoutMs, 50);
    };

    // Pausing and resuming moves on at once: one step per pair of pause commands.
    for (std::size_t step = 1; step <= order.size(); ++step) {
        const std::string& name = order[step % order.size()];
        PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_PAUSE, 0);
        PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_PAUSE, 0);
        EXPECT_TRUE(waitShows(name, 5000)) << "step " << step << " shows " << name << ", seen " << std::hex << centre();
        if (!colours.count(name)) Screenshot("photoalbum-broken-file");
    }
    EXPECT_TRUE(showing(order[0])) << "the last is followed by the first";
    EXPECT_TRUE(app.Running());

    // Paused: nothing moves for longer than the interval.
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_PAUSE, 0);
    EXPECT_FALSE(WaitFor([&] { return !showing(order[0]); }, 7000, 100)) << "a paused show stays on its picture";

    // Resumed: the next picture at once, then one every 5 s.
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_PAUSE, 0);
    ASSERT_TRUE(waitShows(order[1], 3000));
    ULONGLONG start = GetTickCount64();
    ASSERT_TRUE(waitShows(order[2], 9000)) << "the show moves on by itself";
    const ULONGLONG fiveSeconds = GetTickCount64() - start;
    EXPECT_GE(fiveSeconds, 4500u);
    EXPECT_LE(fiveSeconds, 8000u);

    // A longer interval: the next picture comes 15 s after the choice.
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_INTERVAL_15S, 0);
    start = GetTickCount64();
    ASSERT_TRUE(waitShows(order[3], 20000)) << "the show goes on with the new interval";
    const ULONGLONG fifteenSeconds = GetTickCount64() - start;
    EXPECT_GE(fifteenSeconds, 14500u);
    EXPECT_TRUE(app.Exit());
    const std::string text = ReadOnlyDocument(dir, "Notes\\*.VIMOPHOTOALBUM");
    DocumentReader reader(text);
    for (int i = 0; i < 5; ++i) reader.NextString();
    EXPECT_EQ(reader.NextInt(), 15) << text;
}

TEST_F(PhotoAlbumE2e, ZoomLockAndSizeSurviveARestartButThePauseDoesNot) {
    ProgramDir dir("photoalbum-restart");
    ReadSkin(dir);
    const std::string folder = dir.File("Framed");
    CreateDirectoryA(folder.c_str(), nullptr);
    ASSERT_TRUE(Picture(folder + "\\one.png", PictureFormat::Png, kBlue));
    WriteAlbum(dir, "20240301101011", 400, 120, folder);

    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    HWND album = WaitKapAt(app, 400, 120);
    ASSERT_NE(album, nullptr);
    Box box = BoxOf(album);
    ASSERT_TRUE(WaitCentre(box, kBlue, 8000));
    // 8 pixels into the box: the white frame at 100 %, the inner colour at 200 %, the kap's own
    // background at 50 %.
    auto corner = [&] { return ScreenPixel(box.left + 8, box.top + 8); };
    EXPECT_TRUE(Near(corner(), kWhite)) << std::hex << corner();
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_ZOOM_200, 0);
    EXPECT_TRUE(WaitFor([&] { return Near(corner(), kBlue); }, 3000)) << std::hex << corner();
    Screenshot("photoalbum-zoom-200");
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_ZOOM_50, 0);
    EXPECT_TRUE(WaitFor([&] { return !Near(corner(), kBlue) && !Near(corner(), kWhite); }, 3000));
    EXPECT_TRUE(Near(ScreenPixel(box.CentreX(), box.CentreY()), kBlue));
    Screenshot("photoalbum-zoom-50");
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_ZOOM_100, 0);
    EXPECT_TRUE(WaitFor([&] { return Near(corner(), kWhite); }, 3000));
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_ZOOM_150, 0);
    EXPECT_TRUE(WaitFor([&] { return Near(corner(), kBlue); }, 3000)) << "150 % also pushes the frame out";

    // The corner grip makes it larger; the picture follows the box.
    const RECT before = WindowRectOf(album);
    Drag(before.right - 8, before.bottom - 8, before.right + 80, before.bottom + 50);
    // Grown, and no longer growing: on a busy machine the last moves of the drag come in late.
    RECT grown{};
    EXPECT_TRUE(WaitFor(
        [&] {
            const RECT now = WindowRectOf(album);
            const bool still = EqualRect(&now, &grown) && now.right - now.left >= iconWidth_ + 60;
            grown = now;
            return still;
        },
        5000, 250))
        << "the corner drag grows the album";
    box = BoxOf(album);
    EXPECT_TRUE(WaitCentre(box, kBlue, 3000));
    Screenshot("photoalbum-grown");
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_PAUSE, 0);
    PostMessageA(album, WM_COMMAND, ID_PHOTOALBUM_LOCK, 0);
    EXPECT_TRUE(app.Exit());

    const std::string text = ReadOnlyDocument(dir, "Notes\\*.VIMOPHOTOALBUM");
    DocumentReader reader(text);
    EXPECT_EQ(reader.NextString(), "A20240301101011LN");
    EXPECT_EQ(reader.NextInt(), grown.left);
    EXPECT_EQ(reader.NextInt(), grown.top);
    EXPECT_EQ(reader.NextInt(), grown.right - grown.left);
    EXPECT_EQ(reader.NextInt(), grown.bottom - grown.top);
    EXPECT_EQ(reader.NextInt(), 5);
    EXPECT_EQ(reader.NextInt(), 150);
    EXPECT_EQ(reader.NextString(), folder + "\\");

    VimoProcess again;
    ASSERT_TRUE(again.Start(dir));
    ASSERT_NE(again.WaitController(), nullptr);
    album = WaitKapAt(again, grown.left, grown.top);
    ASSERT_NE(album, nullptr) << "the album comes back where it was";
    const RECT after = WindowRectOf(album);
    EXPECT_EQ(after.left, grown.left);
    EXPECT_EQ(after.right - after.left, grown.right - grown.left);
    EXPECT_EQ(after.bottom - after.top, grown.bottom - grown.top);
    box = BoxOf(album);
    ASSERT_TRUE(WaitCentre(box, kBlue, 8000));
    EXPECT_TRUE(Near(corner(), kBlue)) << "the zoom of 150 % comes back";
    // Locked: a drag on the corner leaves the size alone.
    Drag(after.right - 8, after.bottom - 8, after.right + 60, after.bottom + 60);
    EXPECT_EQ(WindowRectOf(album).right, after.right) << "the lock comes back";
    Screenshot("photoalbum-restarted");
    EXPECT_TRUE(again.Exit());
}

// The ink of dark text inside the box: its width in pixels (0 when there is none).
int InkWidth(const Box& box) {
    const ScreenArea area(RECT{box.left, box.top, box.right, box.bottom});
    int left = box.right, right = box.left - 1;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) {
            const std::uint32_t p = area.At(x, y);
            if (((p >> 16) & 0xFF) < 90 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    return right < left ? 0 : right - left + 1;
}

TEST_F(PhotoAlbumE2e, FolderWithoutPicturesAndFolderThatIsGoneSayWhy) {
    ProgramDir dir("photoalbum-empty");
    ReadSkin(dir);
    const std::string empty = dir.File("Texts");
    CreateDirectoryA(empty.c_str(), nullptr);
    ASSERT_TRUE(albumtest::WriteBytes(empty + "\\a.txt", "words"));
    CreateDirectoryA((empty + "\\sub.png").c_str(), nullptr);
    ASSERT_TRUE(Picture(empty + "\\sub.png\\deeper.png", PictureFormat::Png, kRed));
    WriteAlbum(dir, "20240301101012", 320, 80, empty);
    WriteAlbum(dir, "20240301101013", 320, 400, dir.File("No Such Folder"));

    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    const std::vector<HWND> kaps = {WaitKapAt(app, 320, 80), WaitKapAt(app, 320, 400)};
    ASSERT_NE(kaps[0], nullptr);
    ASSERT_NE(kaps[1], nullptr);
    int noPhoto = 0, invalid = 0;
    EXPECT_TRUE(WaitFor(
        [&] {
            noPhoto = InkWidth(BoxOf(kaps[0]));
            invalid = InkWidth(BoxOf(kaps[1]));
            return noPhoto > 0 && invalid > 0;
        },
        8000, 100));
    Screenshot("photoalbum-no-photo-invalid-directory");
    // At 30 px, "No Photo" is about 120 px wide and "Invalid Directory" about 230 px.
    EXPECT_GT(noPhoto, 80) << "\"No Photo\" is written";
    EXPECT_LT(noPhoto, 170);
    EXPECT_GT(invalid, 180) << "\"Invalid Directory\" is written";
    EXPECT_FALSE(Near(ScreenPixel(BoxOf(kaps[0]).CentreX(), BoxOf(kaps[0]).CentreY() + 40), kRed))
        << "sub-folders are not entered";
    EXPECT_TRUE(app.Exit());
}

TEST_F(PhotoAlbumE2e, NewAlbumFromTheTrayHasNoFolderAndTheDesignSize) {
    ProgramDir dir("photoalbum-new");
    ReadSkin(dir);
    VimoProcess app;
    ASSERT_TRUE(app.Start(dir));
    ASSERT_NE(app.WaitController(), nullptr);
    app.Command(ID_NEW_PHOTOALBUM);
    // At the create position, or cascaded from it past the dock that a new install shows there.
    HWND album = app.WaitNewKap();
    ASSERT_NE(album, nullptr) << "a new album appears";
    const std::string ini = dir.File("VimoKap.ini");
    const int x = static_cast<int>(GetPrivateProfileIntA("VimoKap", "CreatePosX", 30, ini.c_str()));
    const int y = static_cast<int>(GetPrivateProfileIntA("VimoKap", "CreatePosY", 30, ini.c_str()));
    EXPECT_EQ(WindowRectOf(album).left - x, WindowRectOf(album).top - y) << "on the create position's diagonal";
    const RECT r = WindowRectOf(album);
    EXPECT_EQ(r.right - r.left, iconWidth_);
    EXPECT_EQ(r.bottom - r.top, iconHeight_);
    // Away from the dock's corner, to look at it.
    SetWindowPos(album, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(WaitFor([&] { return WindowRectOf(album).left == 400; }, 3000));
    EXPECT_TRUE(WaitFor([&] { return InkWidth(BoxOf(album)) == 0; }, 3000))
        << "no folder: no text, and the album is drawn at its new place";
    Screenshot("photoalbum-new");
    EXPECT_TRUE(app.Exit());
    const std::string text = ReadOnlyDocument(dir, "Notes\\*.VIMOPHOTOALBUM");
    DocumentReader reader(text);
    for (int i = 0; i < 5; ++i) reader.NextString();
    EXPECT_EQ(reader.NextInt(), 5);
    EXPECT_EQ(reader.NextInt(), 100);
    EXPECT_EQ(reader.NextString(), "");
}

} // namespace
} // namespace vimo::e2e
