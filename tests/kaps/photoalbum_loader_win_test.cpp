// The photo album's picture loader: decoding away from the window's thread, newest request first.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "kaps/desk/photoalbum/picture_loader_win.h"
#include "kaps/photoalbum_pictures_win.h"
#include "layer/gdiplus_raii_win.h"

namespace vimo {
namespace {

constexpr UINT kReady = WM_APP + 7;

class PictureLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-loader-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(dir_.c_str(), nullptr);
        window_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_TRUE(albumtest::WritePicture(Big(), albumtest::PictureFormat::Bmp, 1600, 1200, 0x3060A0));
        ASSERT_TRUE(albumtest::WritePicture(Small(), albumtest::PictureFormat::Png, 64, 48, 0xA06030));
    }
    void TearDown() override {
        DestroyWindow(window_);
        albumtest::RemoveTree(dir_);
    }
    std::string Big() const { return dir_ + "\\big.bmp"; }
    std::string Small() const { return dir_ + "\\small.png"; }
    // The requests whose ready message has arrived, waiting until want has (or 10 s).
    std::vector<WPARAM> Arrived(WPARAM want) {
        std::vector<WPARAM> arrived;
        const ULONGLONG end = GetTickCount64() + 10000;
        bool seen = false;
        while (!seen && GetTickCount64() < end) {
            MSG msg;
            while (PeekMessageA(&msg, window_, kReady, kReady, PM_REMOVE)) {
                arrived.push_back(msg.wParam);
                seen = seen || msg.wParam == want;
            }
            if (!seen) Sleep(10);
        }
        return arrived;
    }
    std::vector<WPARAM> Pending() {
        std::vector<WPARAM> arrived;
        MSG msg;
        while (PeekMessageA(&msg, window_, kReady, kReady, PM_REMOVE)) arrived.push_back(msg.wParam);
        return arrived;
    }

    GdiplusSession gdiplus_;
    std::string dir_;
    HWND window_ = nullptr;
};

TEST_F(PictureLoaderTest, DecodedPictureIsHandedOverOnceAndFitsTheBound) {
    PictureLoader loader;
    const WPARAM id = loader.Request(window_, kReady, Big(), 800, 800);
    ASSERT_EQ(Arrived(id), std::vector<WPARAM>{id});
    std::optional<GdipBitmap> picture = loader.Take(id);
    ASSERT_TRUE(picture.has_value());
    ASSERT_TRUE(*picture);
    int width = 0, height = 0;
    ImagePixelSize(picture->get(), width, height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_FALSE(loader.Take(id).has_value()) << "handed over once";
}

TEST_F(PictureLoaderTest, AFileThatDoesNotDecodeGivesAnEmptyPicture) {
    ASSERT_TRUE(albumtest::WriteCorruptPicture(dir_ + "\\bad.jpg"));
    PictureLoader loader;
    const WPARAM bad = loader.Request(window_, kReady, dir_ + "\\bad.jpg", 800, 600);
    ASSERT_EQ(Arrived(bad), std::vector<WPARAM>{bad});
    std::optional<GdipBitmap> picture = loader.Take(bad);
    ASSERT_TRUE(picture.has_value()) << "the request is answered";
    EXPECT_FALSE(*picture) << "with nothing to show";
    const WPARAM missing = loader.Request(window_, kReady, dir_ + "\\not there.png", 800, 600);
    ASSERT_EQ(Arrived(missing), std::vector<WPARAM>{missing});
    EXPECT_FALSE(*loader.Take(missing));
}

TEST_F(PictureLoaderTest, ANewerRequestOvertakesTheOneInProgress) {
    std::vector<WPARAM> arrived;
    WPARAM first = 0, second = 0;
    {
        PictureLoader loader;
        first = loader.Request(window_, kReady, Big(), 1600, 1200);
        second = loader.Request(window_, kReady, Small(), 1600, 1200);
        arrived = Arrived(second);
        EXPECT_FALSE(loader.Take(first).has_value());
        std::optional<GdipBitmap> picture = loader.Take(second);
        ASSERT_TRUE(picture.has_value());
        int width = 0, height = 0;
        ImagePixelSize(picture->get(), width, height);
        EXPECT_EQ(width, 64);
    } // the loader waits for its worker: whatever the first decode gave has been dealt with
    for (WPARAM id : Pending()) arrived.push_back(id);
    EXPECT_EQ(arrived, std::vector<WPARAM>{second}) << "the overtaken picture is never announced";
}

TEST_F(PictureLoaderTest, CancelledRequestIsNeverAnnounced) {
    {
        PictureLoader loader;
        const WPARAM id = loader.Request(window_, kReady, Big(), 1600, 1200);
        loader.Cancel();
        EXPECT_FALSE(loader.Take(id).has_value());
    }
    EXPECT_TRUE(Pending().empty());
}

} // namespace
} // namespace vimo
