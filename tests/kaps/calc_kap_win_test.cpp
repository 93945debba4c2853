// The calculator kap's window under Wine: its buttons and the numeric keypad drive the engine,
// the screen and WM_GETTEXT show the display.
#include <gtest/gtest.h>

#include <windows.h>

#include <initializer_list>
#include <memory>

#include "base/messages.h"
#include "base/profile_store_win.h"
#include "kapframe/settings.h"
#include "kaps/desk/calc/vimo_calc_win.h"
#include "layer/controls/layer_button_win.h"
#include "layer/layer_test_support_win.h"
#include "kapframe/fake_kap_host_win.h"

namespace vimo {
namespace {

using layertest::PumpMessages;

class CalcKapTest : public ::testing::Test {
protected:
    void SetUp() override {
        char base[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, base);
        dir_ = std::string(base) + "vimo-calc-" + std::to_string(GetCurrentProcessId()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        CreateDirectoryA(dir_.c_str(), nullptr);
        WinProfileStore store;
        settings_.Load(store, dir_);
        calc_ = MakeWholeDialog<CVimoCalc>(host_, settings_, "");
        ASSERT_TRUE(calc_->CreateKap());
        ShowWindow(calc_->Hwnd(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        calc_.reset();
    }

    // A press and release of the left button on a key's button, then the posted key messages.
    void Press(std::initializer_list<CalcKey> keys) {
        for (CalcKey key : keys) {
            HWND input = calc_->Button(key)->Input();
            SendMessageA(input, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
            SendMessageA(input, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
            PumpMessages();
        }
    }
    // A key-down at a window of the kap, then the posted key messages.
    void KeyDown(HWND window, std::initializer_list<UINT> virtualKeys) {
        for (UINT vk : virtualKeys) {
            SendMessageA(window, WM_KEYDOWN, vk, 1);
            SendMessageA(window, WM_KEYUP, vk, 0xC0000001);
            PumpMessages();
        }
    }
    std::string Shown(std::size_t room = 64) const {
        std::string buffer(room, '\0');
        const LRESULT length = SendMessageA(calc_->Hwnd(), WM_GETTEXT, room, reinterpret_cast<LPARAM>(&buffer[0]));
        buffer.resize(static_cast<std::size_t>(length));
        return buffer;
    }

    std::string dir_;
    Settings settings_;
    kaptest::FakeKapHost host_;
    std::unique_ptr<CVimoCalc> calc_;
};

TEST_F(CalcKapTest, ButtonsComputeFromLeftToRight) {
    EXPECT_EQ(Shown(), "0");
    EXPECT_EQ(SendMessageA(calc_->Hwnd(), WM_GETTEXTLENGTH, 0, 0), 1);
    Press({CalcKey::Digit2, CalcKey::Add, CalcKey::Digit3, CalcKey::Multiply});
    EXPECT_EQ(Shown(), "5");
    Press({CalcKey::Digit4, CalcKey::Result});
    EXPECT_EQ(Shown(), "20");
    EXPECT_EQ(calc_->ScreenText(), "20");
    EXPECT_EQ(Shown(2), "2") << "a short buffer gets what fits";

    Press({CalcKey::ClearAll, CalcKey::Digit1, CalcKey::Digit2, CalcKey::Point, CalcKey::Digit5, CalcKey::SignChange});
    EXPECT_EQ(Shown(), "-12.5");
    Press({CalcKey::Divide, CalcKey::Digit5, CalcKey::Percent});
    EXPECT_EQ(Shown(), "-250");
    Press({CalcKey::ClearEntry});
    EXPECT_EQ(Shown(), "0");
    Press({CalcKey::Subtract, CalcKey::Digit9, CalcKey::Digit0, CalcKey::Digit8, CalcKey::Digit7, CalcKey::Digit6,
           CalcKey::Digit5, CalcKey::Digit4, CalcKey::Digit3, CalcKey::Digit2, CalcKey::Digit1, CalcKey::Digit0,
           CalcKey::Digit9});
    EXPECT_EQ(Shown(), "90876543210") << "the twelfth character is dropped";
}

TEST_F(CalcKapTest, NumericKeypadIsMappedButNotTheDigitRow) {
    HWND kap = calc_->Hwnd();
    KeyDown(kap, {VK_NUMPAD2, VK_ADD, VK_NUMPAD3, VK_MULTIPLY, VK_NUMPAD4, VK_RETURN});
    EXPECT_EQ(Shown(), "20");
    KeyDown(kap, {'7', '1', VK_SEPARATOR});
    EXPECT_EQ(Shown(), "20") << "the main digit row and the keypad separator do nothing";
    KeyDown(kap, {VK_SUBTRACT, VK_NUMPAD8, VK_DECIMAL, VK_NUMPAD5, VK_DIVIDE, VK_NUMPAD2, VK_RETURN});
    EXPECT_EQ(Shown(), "5.75");
    KeyDown(kap, {VK_ADD, VK_NUMPAD1, VK_BACK});
    EXPECT_EQ(Shown(), "0") << "Backspace clears the entry";
    KeyDown(kap, {VK_NUMPAD2, VK_RETURN});
    EXPECT_EQ(Shown(), "7.75") << "the accumulator and the pending addition stayed";
    KeyDown(kap, {VK_DELETE, VK_NUMPAD1, VK_RETURN});
    EXPECT_EQ(Shown(), "1") << "Delete clears everything";

    // A control of the kap that holds the focus hands its key-downs to the kap too.
    KeyDown(calc_->Button(CalcKey::Digit5)->Input(), {VK_DELETE, VK_NUMPAD6, VK_NUMPAD9, '3'});
    EXPECT_EQ(Shown(), "69");
}

TEST_F(CalcKapTest, KeyMessagesPostedFromOutsideReachTheEngine) {
    for (unsigned message : {CalcDigitMessage(7), WMU_CALC_DIVIDE, CalcDigitMessage(2), WMU_CALC_RESULT})
        PostMessageA(calc_->Hwnd(), message, 0, 0);
    PumpMessages();
    EXPECT_EQ(Shown(), "3.5");
}

} // namespace
} // namespace vimo
