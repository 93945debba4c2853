// The hook library in other programs: what it reports to its target window, and what it does not.
// Every report is posted by the other program while it handles the message, so once a SendMessage
// to it has returned, whatever it reported is in this thread's queue.
#include <gtest/gtest.h>

#include <vector>

#include "hooklib/vimo_detect_win.h"
#include "support/other_program_win.h"

namespace vimo {
namespace {

using testsupport::OtherWindowProgram;

class DetectTest : public ::testing::Test {
protected:
    void SetUp() override {
        target_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(target_, nullptr);
        installhook(target_);
        ASSERT_NE(other_.Control(), nullptr);
        window_ = other_.MakeWindow();
        ASSERT_NE(window_, nullptr);
        Drain();
    }
    void TearDown() override {
        removehook();
        DestroyWindow(target_);
    }

    // The reports waiting for the target.
    std::vector<MSG> Drain() {
        std::vector<MSG> reports;
        MSG msg;
        while (PeekMessageA(&msg, target_, detect::kWindowChanged, detect::kWindowBornOrGone, PM_REMOVE))
            reports.push_back(msg);
        return reports;
    }
    static int Count(const std::vector<MSG>& reports, UINT message, HWND window, LPARAM lParam = -1) {
        int n = 0;
        for (const MSG& m : reports)
            n += m.message == message && reinterpret_cast<HWND>(m.wParam) == window &&
                 (lParam == -1 || m.lParam == lParam);
        return n;
    }
    void MoveFromHere(HWND window) { SendMessageA(window, WM_MOVE, 0, MAKELPARAM(5, 5)); }

    HWND target_ = nullptr;
    OtherWindowProgram other_;
    HWND window_ = nullptr;
};

TEST_F(DetectTest, AMoveFromAnotherThreadIsReportedOneFromTheWindowsOwnThreadIsNot) {
    MoveFromHere(window_);
    std::vector<MSG> reports = Drain();
    EXPECT_EQ(Count(reports, detect::kWindowChanged, window_, WM_MOVE), 1);

    other_.Order(other::kMoveSelf, reinterpret_cast<WPARAM>(window_));
    reports = Drain();
    EXPECT_EQ(Count(reports, detect::kWindowChanged, window_), 0);
}

TEST_F(DetectTest, AnOwnedWindowReportsItsBirthAndDeathATopLevelWindowAndATooltipNothing) {
    HWND owned = reinterpret_cast<HWND>(other_.Order(other::kMakeOwned, reinterpret_cast<WPARAM>(window_), 0));
    ASSERT_NE(owned, nullptr);
    EXPECT_EQ(Count(Drain(), detect::kWindowBornOrGone, owned, detect::kBorn), 1);
    other_.Order(other::kDestroy, reinterpret_cast<WPARAM>(owned));
    EXPECT_EQ(Count(Drain(), detect::kWindowBornOrGone, owned, detect::kGone), 1);

    HWND tip = reinterpret_cast<HWND>(other_.Order(other::kMakeOwned, reinterpret_cast<WPARAM>(window_), 1));
    ASSERT_NE(tip, nullptr);
    MoveFromHere(tip);
    other_.Order(other::kDestroy, reinterpret_cast<WPARAM>(tip));
    const std::vector<MSG> tipReports = Drain();
    EXPECT_EQ(Count(tipReports, detect::kWindowBornOrGone, tip), 0);
    EXPECT_EQ(Count(tipReports, detect::kWindowChanged, tip), 0);

    // A new top-level window is reported through the button inside it, not by itself.
    HWND top = other_.MakeWindow();
    HWND button = FindWindowExA(top, nullptr, "BUTTON", nullptr);
    const std::vector<MSG> topReports = Drain();
    EXPECT_EQ(Count(topReports, detect::kWindowBornOrGone, top), 0);
    EXPECT_EQ(Count(topReports, detect::kWindowBornOrGone, button, detect::kBorn), 1);
}

TEST_F(DetectTest, ASecondInstallDoesNotDoubleTheReportsAndRemovingStopsThemAll) {
    installhook(target_);
    MoveFromHere(window_);
    EXPECT_EQ(Count(Drain(), detect::kWindowChanged, window_, WM_MOVE), 1);

    removehook();
    MoveFromHere(window_);
    HWND owned = reinterpret_cast<HWND>(other_.Order(other::kMakeOwned, reinterpret_cast<WPARAM>(window_), 0));
    ASSERT_NE(owned, nullptr);
    EXPECT_TRUE(Drain().empty());
}

} // namespace
} // namespace vimo
