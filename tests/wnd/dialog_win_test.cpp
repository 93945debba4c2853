// The lifetime of a modeless dialog made whole: its window goes while all of the object lives, or
// at the end is left to the system.
#include <gtest/gtest.h>

#include <windows.h>

#include "base/resource.h"
#include "wnd/dialog_win.h"

namespace vimo {
namespace {

class Base : public Dialog {
public:
    explicit Base(int& destroyed) : Dialog(IDD_KAP), destroyed_(destroyed) {}

protected:
    void OnDestroy() override { destroyed_ += 1; }
    int& destroyed_;
};

class Derived : public Base {
public:
    using Base::Base;

protected:
    void OnDestroy() override {
        destroyed_ += 10;
        Base::OnDestroy();
    }
};

TEST(WholeDialog, ReleasingItRunsTheDestroyHandlerOfTheMostDerivedClass) {
    int destroyed = 0;
    std::unique_ptr<Derived> dialog = MakeWholeDialog<Derived>(destroyed);
    HWND hwnd = dialog->Create(nullptr);
    ASSERT_NE(hwnd, nullptr);
    dialog.reset();
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(destroyed, 11);
}

// At the program's end a window left to the system is hidden and no longer reaches the object,
// whose destroy handlers ran once; releasing the object leaves the window alone.
TEST(WholeDialog, AWindowLeftToTheSystemIsHiddenAndForgottenAfterItsDestroyHandlers) {
    int destroyed = 0;
    std::unique_ptr<Derived> dialog = MakeWholeDialog<Derived>(destroyed);
    HWND hwnd = dialog->Create(nullptr);
    ASSERT_NE(hwnd, nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    dialog->LeaveWindowToSystem();
    EXPECT_EQ(destroyed, 11);
    EXPECT_EQ(dialog->Hwnd(), nullptr);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(Dialog::FromHandle(hwnd), nullptr);
    dialog.reset();
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(destroyed, 11);
    DestroyWindow(hwnd);
}

} // namespace
} // namespace vimo
