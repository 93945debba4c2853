// The lifetime of a modeless dialog made whole: its window goes while all of the object lives.
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

} // namespace
} // namespace vimo
