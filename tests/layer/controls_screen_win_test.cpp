// The window tile: a live picture of a real notepad window with its title and program, the
// normal and hover luminosity, renewal by timer 3, and a click that minimizes and restores the
// window.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "controls_support_win.h"
#include "layer/controls/layer_screen_win.h"

namespace vimo::controlstest {
namespace {

// A notepad started for the test, ended with it.
class Notepad {
public:
    Notepad() {
        STARTUPINFOA si{};
        si.cb = sizeof(si);
        char command[] = "notepad.exe";
        if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_)) return;
        WaitForInputIdle(process_.hProcess, 10000);
        PumpUntil([&] { return (hwnd_ = Find(process_.dwProcessId)) != nullptr; }, 15000);
        if (!hwnd_) return;
        MoveWindow(hwnd_, 420, 300, 300, 220, TRUE);
        edit_ = FindWindowExA(hwnd_, nullptr, "Edit", nullptr);
    }
    ~Notepad() {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 0);
            WaitForSingleObject(process_.hProcess, 5000);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
    }
    Notepad(const Notepad&) = delete;
    Notepad& operator=(const Notepad&) = delete;
    HWND Get() const { return hwnd_; }
    HWND Edit() const { return edit_; }

private:
    struct Search {
        DWORD pid;
        HWND found;
    };

    static BOOL CALLBACK MatchNotepad(HWND hwnd, LPARAM lParam) {
        auto* s = reinterpret_cast<Search*>(lParam);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        char cls[32] = {};
        GetClassNameA(hwnd, cls, sizeof(cls));
        if (owner == s->pid && std::string(cls) == "Notepad" && IsWindowVisible(hwnd)) {
            s->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    static HWND Find(DWORD pid) {
        Search search{pid, nullptr};
        EnumWindows(MatchNotepad, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }

    PROCESS_INFORMATION process_{};
    HWND hwnd_ = nullptr;
    HWND edit_ = nullptr;
};

// Mean brightness (0..255) of a rectangle of the surface.
int MeanBrightness(CLayerHost& host, int x, int y, int width, int height) {
    long long sum = 0;
    for (int j = 0; j < height; ++j)
        for (int i = 0; i < width; ++i) {
            const std::uint32_t p = host.PixelAt(x + i, y + j);
            sum += (R(p) + G(p) + B(p)) / 3;
        }
    return static_cast<int>(sum / (static_cast<long long>(width) * height));
}

class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() : kap(60, 60, 320, 220) {
        tile = new CLayerScreen(&kap.Host(), 20, 20, 200, 150);
        UseTestMessages(*tile, kap.Hwnd());
        tile->Elem().SetBackgroundColour(150, 255, 255, 255);
        tile->Elem().SetBlockFont(TextBlockId::Title, "Arial", 14, 0);
        tile->Elem().SetBlockPosition(TextBlockId::Title, 0, 1);
        tile->Elem().SetBlockFont(TextBlockId::Text, "Arial", 10, 0);
        tile->Elem().SetBlockPosition(TextBlockId::Text, 0, 2);
    }
    void SetUp() override {
        ASSERT_NE(notepad.Get(), nullptr);
        MouseTo(kap.ScreenPoint(300, 200));
        tile->SetTarget(notepad.Get(), "Untitled - Notepad", "notepad.exe");
        tile->SetThumbnailZoom(100);
        kap.Show();
        PumpFor(100);
        kap.posted.clear();
    }
    // The centre of the picture: notepad's white text area.
    int Centre() { return MeanBrightness(kap.Host(), 20 + 80, 20 + 60, 40, 30); }
    // Pixels of the picture's text area darker than half grey: the letters.
    int DarkPixels() {
        int n = 0;
        for (int y = 20 + 30; y < 20 + 130; ++y)
            for (int x = 20 + 5; x < 20 + 175; ++x) {
                const std::uint32_t p = kap.Host().PixelAt(x, y);
                n += (R(p) + G(p) + B(p)) / 3 < 128 ? 1 : 0;
            }
        return n;
    }

    Notepad notepad;
    TestKap kap;
    CLayerScreen* tile; // owned by the host
};

TEST_F(ScreenTest, ShowsTheWindowAtNormalLuminosityAndFullLuminosityWhileHovered) {
    EXPECT_EQ(tile->Elem().Block(TextBlockId::Title).text, "Untitled - Notepad");
    EXPECT_EQ(tile->Elem().Block(TextBlockId::Text).text, "notepad.exe");
    EXPECT_GT(Centre(), 230) << std::hex << kap.Host().PixelAt(120, 95); // the empty white page
    tile->SetNormalLuminosity(50);
    tile->Repaint();
    EXPECT_NEAR(Centre(), 128, 12);

    MouseTo(kap.At(*tile, 100, 75));
    ASSERT_TRUE(kap.WaitFor(kMsgEnter));
    ASSERT_TRUE(PumpUntil([&] { return Centre() > 230; }));
    MouseTo(kap.ScreenPoint(300, 200));
    ASSERT_TRUE(kap.WaitFor(kMsgLeave));
    EXPECT_NEAR(Centre(), 128, 12);
}

TEST_F(ScreenTest, AReportedChangeShowsWhatTheWindowShowsNowOnceTheDelayHasPassed) {
    const int dark = DarkPixels();
    std::string text;
    for (int line = 0; line < 20; ++line) text += std::string(40, 'W') + "\r\n";
    ASSERT_NE(notepad.Edit(), nullptr);
    SendMessageA(notepad.Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    UpdateWindow(notepad.Get());
    PumpFor(100);
    kap.Host().Refresh();
    EXPECT_EQ(DarkPixels(), dark); // the kept picture is still the old one

    tile->SetRenewalDelay(true, 1);
    EXPECT_EQ(tile->RenewalDelayMs(), 1000);
    const DWORD reported = GetTickCount();
    tile->RenewAfterDelay(false);
    kap.Host().Refresh();
    EXPECT_EQ(DarkPixels(), dark) << "not before the delay";
    ASSERT_TRUE(PumpUntil([&] { return DarkPixels() > dark + 400; }, 5000)) << dark << " " << DarkPixels();
    EXPECT_GE(GetTickCount() - reported, 1000u - 20u);
}

TEST_F(ScreenTest, ResizedTileShowsTheWholeWindowAgain) {
    tile->Elem().ShowBlock(TextBlockId::Title, false);
    tile->Elem().ShowBlock(TextBlockId::Text, false);
    tile->SetBounds(LayerRect{20, 20, 100, 75});
    kap.Host().Refresh();
    ASSERT_EQ(tile->Elem().Width(), 100);
    // The same window drawn by a fresh element of the new size.
    CLayerElement fresh(100, 75, true);
    fresh.SetWindow(notepad.Get(), "", "");
    fresh.SetWindowZoom(100);
    fresh.Render();
    int differing = 0;
    for (int y = 0; y < 75; ++y)
        for (int x = 0; x < 100; ++x)
            differing += Near(BitmapPixel(tile->Elem().Bitmap(), x, y), BitmapPixel(fresh.Bitmap(), x, y), 40) ? 0 : 1;
    EXPECT_LT(differing, 100 * 75 / 10);
}

TEST_F(ScreenTest, RenewalDelayIsClampedToOneToSixtySeconds) {
    tile->SetRenewalDelay(true, 0);
    EXPECT_EQ(tile->RenewalDelayMs(), 1000);
    tile->SetRenewalDelay(true, 600);
    EXPECT_EQ(tile->RenewalDelayMs(), 60000);
    tile->SetRenewalDelay(false, 5);
    EXPECT_EQ(tile->RenewalDelayMs(), 0);
}

TEST_F(ScreenTest, ClickMinimizesAndRestoresTheWindowAndPostsTheClick) {
    tile->SetNormalLuminosity(50);
    MouseTo(kap.At(*tile, 100, 75));
    ASSERT_TRUE(PumpUntil([&] { return tile->IsHovered(); }));
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(kap.WaitFor(kMsgClick));
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(notepad.Get()) != FALSE; }));
    EXPECT_EQ(tile->Elem().WindowView().luminosityPercent, 100); // the pointer is over the tile

    PumpFor(GetDoubleClickTime() + 100); // the next press is a new click, not a double click
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(kap.WaitFor(kMsgClick, 2));
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(notepad.Get()); }));
    EXPECT_FALSE(IsZoomed(notepad.Get()));
    EXPECT_EQ(kap.Count(kMsgDouble), 0);
}

TEST_F(ScreenTest, MaximizedWindowComesBackMaximized) {
    ShowWindow(notepad.Get(), SW_MAXIMIZE);
    PumpFor(100);
    kap.Host().Refresh(); // the tile notes the window's state when it draws
    tile->Click();
    EXPECT_TRUE(PumpUntil([&] { return IsIconic(notepad.Get()) != FALSE; }));
    tile->Click();
    EXPECT_TRUE(PumpUntil([&] { return IsZoomed(notepad.Get()) != FALSE; }));
    ASSERT_TRUE(kap.WaitFor(kMsgClick, 2));
}

TEST_F(ScreenTest, DoubleClickIsOneClickAndOneDoubleClickForTheWindowBar) {
    PostMessageW(tile->Input(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(tile->Input(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    PostMessageW(tile->Input(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageW(tile->Input(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    ASSERT_TRUE(kap.WaitFor(kMsgDouble));
    PumpFor(200);
    EXPECT_EQ(kap.Count(kMsgClick), 1);
    EXPECT_EQ(kap.Count(kMsgDouble), 1);
    EXPECT_TRUE(IsIconic(notepad.Get())) << "the window is minimised once, not minimised and restored";
}

TEST_F(ScreenTest, ClickWithoutToggleLeavesTheWindowAlone) {
    tile->SetToggleOnClick(false);
    tile->Click();
    ASSERT_TRUE(kap.WaitFor(kMsgClick));
    EXPECT_FALSE(IsIconic(notepad.Get()));
}

// A window whose thread stops answering, as a hung program's does, until it is released.
class HungWindow {
public:
    HungWindow() : release_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
        HANDLE created = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        thread_ = std::thread([this, created] {
            hwnd_ = CreateWindowExA(0, "STATIC", "Hung", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 500, 300, 200, 150, nullptr,
                                    nullptr, nullptr, nullptr);
            SetEvent(created);
            WaitForSingleObject(release_, 30000); // no messages are pumped meanwhile
            DestroyWindow(hwnd_);
        });
        WaitForSingleObject(created, 10000);
        CloseHandle(created);
    }
    ~HungWindow() {
        Release();
        thread_.join();
        CloseHandle(release_);
    }
    HungWindow(const HungWindow&) = delete;
    HungWindow& operator=(const HungWindow&) = delete;
    HWND Get() const { return hwnd_; }
    void Release() { SetEvent(release_); }

private:
    HANDLE release_;
    HWND hwnd_ = nullptr;
    std::thread thread_;
};

TEST(ScreenOfAHungWindow, DrawingTheTileDoesNotWaitForTheHungProgram) {
    HungWindow hung;
    ASSERT_NE(hung.Get(), nullptr);
    TestKap kap(60, 60, 320, 220);
    auto* tile = new CLayerScreen(&kap.Host(), 20, 20, 200, 150);
    tile->SetTarget(hung.Get(), "Hung", "hung.exe");
    // Ends the hang after a while, so that a tile that waits for the program fails this test
    // instead of hanging it.
    HANDLE drawn = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread net([&] {
        WaitForSingleObject(drawn, 6000);
        hung.Release();
    });
    const DWORD start = GetTickCount();
    kap.Host().Refresh();
    const DWORD elapsed = GetTickCount() - start;
    SetEvent(drawn);
    net.join();
    CloseHandle(drawn);
    EXPECT_LT(elapsed, 3000u) << "the tile waited for a program that does not answer";
}

} // namespace
} // namespace vimo::controlstest
