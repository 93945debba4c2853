// Layered links: the target is opened through the shell on a click, "NULL" or an empty target
// opens nothing but still posts the click; the hand cursor and the underline only with a target.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls_support_win.h"
#include "layer/controls/layer_link_win.h"

namespace vimo::controlstest {
namespace {

class LinkTest : public ::testing::Test {
protected:
    LinkTest() : kap(100, 100, 300, 200) {
        link = new CLayerLink(&kap.Host(), 20, 20, 120, 30);
        link->Elem().SetBackgroundColour(255, 230, 230, 230);
        link->Elem().SetBlockText(TextBlockId::Title, "Link");
        link->Elem().SetBlockText(TextBlockId::Text, "text");
        UseTestMessages(*link, kap.Hwnd());
        link->SetOpener([this](const std::string& target) { opened.push_back(target); });
    }
    void SetUp() override {
        MouseTo(kap.ScreenPoint(250, 180));
        kap.Show();
        PumpFor(100);
        kap.posted.clear();
    }
    // Each stay starts at a new place: a move to the last place seen is not a new position.
    void Hover(int dx = 10) {
        MouseTo(kap.At(*link, dx, 10));
        ASSERT_TRUE(PumpUntil([&] { return link->IsHovered(); }));
    }
    void Leave() {
        MouseTo(kap.ScreenPoint(250, 180));
        ASSERT_TRUE(PumpUntil([&] { return !link->IsHovered(); }));
    }
    HCURSOR CursorOverLink() {
        SetCursor(LoadCursor(nullptr, IDC_WAIT));
        SendMessageW(link->Input(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link->Input()),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    }
    bool Underlined() const {
        return link->Elem().Block(TextBlockId::Title).underline && link->Elem().Block(TextBlockId::Text).underline;
    }

    TestKap kap;
    CLayerLink* link; // owned by the host
    std::vector<std::string> opened;
};

TEST_F(LinkTest, NullTargetPostsTheClickOpensNothingAndKeepsTheDefaultCursor) {
    int dx = 10;
    for (const char* target : {"NULL", "null", ""}) {
        SCOPED_TRACE(target);
        dx += 5;
        link->SetTarget(target);
        EXPECT_FALSE(link->HasTarget());
        EXPECT_EQ(CursorOverLink(), LoadCursor(nullptr, IDC_ARROW));
        Hover(dx);
        EXPECT_FALSE(Underlined());
        kap.posted.clear();
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        MouseButton(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(kap.WaitFor(kMsgClick));
        EXPECT_EQ(kap.Count(WM_COMMAND), 1);
        EXPECT_TRUE(opened.empty());
        Leave();
    }
}

TEST_F(LinkTest, TargetIsOpenedBeforeTheClickIsPostedAndUnderlinedWhileHovered) {
    link->SetTarget("http://example.invalid/page");
    EXPECT_EQ(CursorOverLink(), LoadCursor(nullptr, IDC_HAND));
    EXPECT_FALSE(Underlined());
    Hover();
    EXPECT_TRUE(Underlined());
    link->SetOpener([this](const std::string& target) {
        opened.push_back(target);
        EXPECT_EQ(kap.Count(kMsgClick), 0);
    });
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(kap.WaitFor(kMsgClick));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], "http://example.invalid/page");
    Leave();
    EXPECT_FALSE(Underlined());
}

TEST_F(LinkTest, UnderlineGoesWithTheHoverEvenWhenTheTargetWasClearedMeanwhile) {
    link->SetTarget("C:\\somewhere");
    Hover();
    EXPECT_TRUE(Underlined());
    link->SetTarget("");
    Leave();
    EXPECT_FALSE(Underlined());
}

struct TitleSearch {
    const std::string* part;
    HWND found;
};

BOOL CALLBACK MatchTitle(HWND hwnd, LPARAM lParam) {
    auto* s = reinterpret_cast<TitleSearch*>(lParam);
    char title[256] = {};
    GetWindowTextA(hwnd, title, sizeof(title));
    if (IsWindowVisible(hwnd) && std::string(title).find(*s->part) != std::string::npos) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

// The window of another program whose title holds a text; null when there is none.
HWND FindTitled(const std::string& part) {
    TitleSearch search{&part, nullptr};
    EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST(LinkShell, ClickOpensTheTargetThroughTheShell) {
    ScratchDir dir;
    const std::string file = dir.File("opened_by_link.ini");
    ASSERT_TRUE(WriteTextFile(file, "[opened]\r\n"));
    TestKap kap(100, 100, 200, 100);
    auto* link = new CLayerLink(&kap.Host(), 10, 10, 100, 30);
    UseTestMessages(*link, kap.Hwnd());
    link->SetTarget(file);
    kap.Show();
    link->Click();
    ASSERT_TRUE(kap.WaitFor(kMsgClick));
    // The shell opens the settings file in the text editor, in a process of its own.
    HWND editor = nullptr;
    EXPECT_TRUE(PumpUntil([&] { return (editor = FindTitled("opened_by_link")) != nullptr; }, 20000));
    if (!editor) return;
    DWORD pid = 0;
    GetWindowThreadProcessId(editor, &pid);
    EXPECT_NE(pid, GetCurrentProcessId());
    PostMessageA(editor, WM_CLOSE, 0, 0);
    PumpUntil([&] { return !IsWindow(editor); }, 5000);
}

} // namespace
} // namespace vimo::controlstest
