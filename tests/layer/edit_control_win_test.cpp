// The layered edit boxes in a real layered window, driven with real keyboard input: typing,
// caret keys, selection, clipboard, the maximum length, focus, the wheel, the mouse, the
// notifications and the exact round trip of the text.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "base/messages.h"
#include "wnd/reflect_win.h"
#include "layer/controls/layer_edit_line_win.h"
#include "layer/controls/layer_edit_win.h"
#include "layer_test_support_win.h"

namespace vimo::layertest {
namespace {

constexpr UINT kValueMessage = WM_APP + 1;
constexpr UINT kClickMessage = WM_APP + 2;
constexpr UINT kDoubleClickMessage = WM_APP + 3;
constexpr UINT kRightMessage = WM_APP + 4;
constexpr UINT kEnterMessage = WM_APP + 5;
constexpr UINT kMoveMessage = WM_APP + 6;
constexpr UINT kLeaveMessage = WM_APP + 7;

constexpr std::uint32_t kPaper = 0xFFFFF0A0; // the kap's own background under the edit box

// A kap-like layered window: it reflects control notifications to their controls, as kap windows
// do, counts the edit-change notifications it sees and records what the controls post to it.
class EditKap {
public:
    EditKap(int width, int height) {
        static const char* const cls = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "VimoEditTestKap";
            wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
            RegisterClassA(&wc);
            return "VimoEditTestKap";
        }();
        hwnd_ = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOPMOST, cls, "edit test", WS_POPUP, 60, 60, width, height,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        host_ = std::make_unique<CLayerHost>(hwnd_);
        host_->SetSize(width, height);
    }
    ~EditKap() {
        host_.reset();
        DestroyWindow(hwnd_);
        PumpMessages();
    }
    EditKap(const EditKap&) = delete;
    EditKap& operator=(const EditKap&) = delete;

    HWND Hwnd() const { return hwnd_; }
    CLayerHost& Host() { return *host_; }
    int Count(UINT message) const {
        auto it = posted_.find(message);
        return it == posted_.end() ? 0 : static_cast<int>(it->second.size());
    }
    WPARAM LastWParam(UINT message) const { return posted_.at(message).back().first; }
    LPARAM LastLParam(UINT message) const { return posted_.at(message).back().second; }
    int EditChanges() const { return editChanges_; }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<EditKap*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self && msg == WM_COMMAND && lParam) {
            if (HIWORD(wParam) == EN_CHANGE) ++self->editChanges_;
            if (ReflectTarget* target = GetReflectTarget(reinterpret_cast<HWND>(lParam)))
                if (target->OnReflectedCommand(HIWORD(wParam))) return 0;
        }
        if (self && msg >= WM_USER) self->posted_[msg].emplace_back(wParam, lParam);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }

    HWND hwnd_ = nullptr;
    std::unique_ptr<CLayerHost> host_;
    std::map<UINT, std::vector<std::pair<WPARAM, LPARAM>>> posted_;
    int editChanges_ = 0;
};

// Handles messages until the condition holds; false when it still does not after the time.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 3000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

bool IsExtendedKey(WORD vk) {
    // The caret keys are extended keys: without the flag they would be the keypad's.
    return vk == VK_HOME || vk == VK_END || vk == VK_LEFT || vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN ||
           vk == VK_DELETE || vk == VK_PRIOR || vk == VK_NEXT;
}

// Keyboard input for the box that has the focus, in one of two ways:
//  - system: through the system's input queue (SendInput), as a person types; it reaches the
//    foreground window, so it needs the test window in front;
//  - thread: each key-down and key-up message is handed to this thread's focused window the way
//    the message loop would (translated into characters, then dispatched) while the modifier keys
//    are held in the thread's key state. Windows of tests running beside this one cannot take
//    these keys away.
class Keyboard {
public:
    explicit Keyboard(bool system) : system_(system) {}

    void Press(WORD vk, WORD modifier = 0, WORD modifier2 = 0) const {
        if (system_) {
            if (modifier) SystemKey(modifier, true);
            if (modifier2) SystemKey(modifier2, true);
            SystemKey(vk, true);
            SystemKey(vk, false);
            if (modifier2) SystemKey(modifier2, false);
            if (modifier) SystemKey(modifier, false);
            return;
        }
        BYTE saved[256] = {}, held[256] = {};
        GetKeyboardState(saved);
        std::copy(std::begin(saved), std::end(saved), std::begin(held));
        for (WORD m : {modifier, modifier2}) {
            if (!m) continue;
            held[m] = 0x80;
            if (m == VK_SHIFT) held[VK_LSHIFT] = 0x80;
            if (m == VK_CONTROL) held[VK_LCONTROL] = 0x80;
        }
        SetKeyboardState(held);
        ThreadKey(vk, true);
        PumpMessages(); // the characters the key-down was translated into
        ThreadKey(vk, false);
        SetKeyboardState(saved);
    }

    // Letters, digits and what the layout has keys for are typed with their keys (with Shift
    // when needed); other characters as characters.
    void Type(const std::string& text) const {
        for (char c : text) {
            const SHORT scan = VkKeyScanA(c);
            if (scan != -1 && (HIBYTE(scan) & ~1) == 0) {
                Press(static_cast<WORD>(LOBYTE(scan)), (HIBYTE(scan) & 1) ? VK_SHIFT : 0);
            } else if (system_) {
                INPUT in[2] = {};
                for (INPUT& i : in) {
                    i.type = INPUT_KEYBOARD;
                    i.ki.wScan = static_cast<unsigned char>(c);
                    i.ki.dwFlags = KEYEVENTF_UNICODE;
                }
                in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
                SendInput(2, in, sizeof(INPUT));
            } else if (HWND focus = GetFocus()) {
                SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(c), 1);
            }
        }
    }

private:
    static void SystemKey(WORD vk, bool down) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        in.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
        SendInput(1, &in, sizeof(in));
    }
    static void ThreadKey(WORD vk, bool down) {
        HWND focus = GetFocus();
        if (!focus) return;
        const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
        const LPARAM flags = 1 | (static_cast<LPARAM>(scan) << 16) | (IsExtendedKey(vk) ? (1 << 24) : 0) |
                             (down ? 0 : ((1 << 30) | (static_cast<LPARAM>(1) << 31)));
        MSG msg{};
        msg.hwnd = focus;
        msg.message = down ? WM_KEYDOWN : WM_KEYUP;
        msg.wParam = vk;
        msg.lParam = flags;
        msg.time = GetTickCount();
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }

    bool system_;
};

std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            text = p;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// A desktop of this test's own for the calling thread, while it has no window yet: the focus and
// the active window of a desktop are its own, so windows that tests running beside this one bring
// to the front elsewhere cannot take the focus away in the middle of a test. Without it (the
// thread already had windows) the test runs on the shared desktop.
class PrivateDesktop {
public:
    PrivateDesktop() : previous_(GetThreadDesktop(GetCurrentThreadId())) {
        name_ = "vimo-edit-test-" + std::to_string(GetCurrentProcessId());
        // Under Wine a desktop is shown in a window of its own when it has a size.
        const char size[] = "400x300";
        RegSetKeyValueA(HKEY_CURRENT_USER, kDesktops, name_.c_str(), REG_SZ, size, sizeof(size));
        desktop_ = CreateDesktopA(name_.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
        if (desktop_ && !SetThreadDesktop(desktop_)) {
            CloseDesktop(desktop_);
            desktop_ = nullptr;
        }
    }
    ~PrivateDesktop() {
        if (desktop_) {
            SetThreadDesktop(previous_);
            CloseDesktop(desktop_);
        }
        RegDeleteKeyValueA(HKEY_CURRENT_USER, kDesktops, name_.c_str());
    }
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;
    bool Active() const { return desktop_ != nullptr; }

private:
    static constexpr const char* kDesktops = "Software\\Wine\\Explorer\\Desktops";
    std::string name_;
    HDESK previous_;
    HDESK desktop_ = nullptr;
};

// A note-sized kap with an edit box, set up like the note's: transparent until focused, then
// white at alpha 180, a dashed focus frame, grey scroll bands.
class EditControlTest : public ::testing::Test {
protected:
    static constexpr int kKapW = 220, kKapH = 200;
    static constexpr int kX = 10, kY = 10, kW = 200, kH = 140;

    void SetUp() override { session_ = std::make_unique<GdiplusSession>(); }
    void TearDown() override { session_.reset(); }

    // Runs a test on a thread of its own, which owns the windows, pumps their messages and, when
    // the test allows it, works on a desktop of its own.
    void Run(const std::function<void()>& body) {
        std::thread worker([&] {
            std::unique_ptr<PrivateDesktop> desktop;
            if (OwnDesktop()) desktop = std::make_unique<PrivateDesktop>();
            kap_ = std::make_unique<EditKap>(kKapW, kKapH);
            paper_ = std::make_unique<CountingItem>(&kap_->Host(), 0, 0, kKapW, kKapH);
            paper_->Paint(kPaper);
            body();
            edit_.reset();
            paper_.reset();
            kap_.reset();
        });
        worker.join();
    }
    // A test that runs alone in its process (as the test runner starts them, side by side with
    // other tests) works on a desktop of its own. The drawing system keeps per process which
    // desktop it shows, so a process that runs many tests stays on the shared one. Tests of the
    // system's own keyboard input always stay there, where that input goes.
    virtual bool OwnDesktop() const { return ::testing::UnitTest::GetInstance()->test_to_run_count() == 1; }

    template <typename Edit = CLayerEdit> Edit* Make(int height = kH) {
        auto edit = std::make_unique<Edit>(&kap_->Host(), kX, kY, kW, height);
        Edit* raw = edit.get();
        edit_ = std::move(edit);
        edit_->SetEditMargins(4, 4, 4, 4);
        edit_->SetBackgroundColour(0, 255, 255, 255);
        edit_->SetFocusedBackgroundColour(180, 255, 255, 255);
        edit_->SetScrollSizes(10, 10);
        edit_->SetScrollColour(180, 150, 150, 150);
        edit_->SetFocusFrame(1, 255, 0, 0, 0);
        edit_->SetTextFont("Arial", 14, 0);
        edit_->SetTextColour(255, 0, 0, 0);
        edit_->SetSelectionColour(255, 0, 0, 255);
        edit_->SetCaretColour(255, 255, 0, 0);
        edit_->SetFocusable(true);
        LayerNotifications& n = edit_->Notifications();
        n.valueMessage = kValueMessage;
        n.clickMessage = kClickMessage;
        n.doubleClickMessage = kDoubleClickMessage;
        n.rightButtonMessage = kRightMessage;
        n.enterMessage = kEnterMessage;
        n.moveMessage = kMoveMessage;
        n.leaveMessage = kLeaveMessage;
        kap_->Host().Refresh();
        ShowWindow(kap_->Hwnd(), SW_SHOW);
        SetForegroundWindow(kap_->Hwnd());
        return raw;
    }

    void Press(WORD vk, WORD modifier = 0, WORD modifier2 = 0) const { keyboard_.Press(vk, modifier, modifier2); }
    void Type(const std::string& text) const { keyboard_.Type(text); }

    // Gives the edit box the keyboard focus and waits until it is active.
    void Focus() {
        SetForegroundWindow(kap_->Hwnd());
        SetFocus(edit_->Input());
        ASSERT_TRUE(WaitFor([&] { return edit_->IsFocused() && edit_->CaretIndex() >= 0; }));
    }
    // Waits until the element shows the caret (and anchor) given.
    bool WaitCaret(int caret, int anchor = -2) {
        return WaitFor([&] {
            return edit_->CaretIndex() == caret &&
                   (anchor == -2 ? edit_->AnchorIndex() == caret : edit_->AnchorIndex() == anchor);
        });
    }
    bool WaitShown(const std::string& text) {
        return WaitFor([&] { return edit_->Painter().Text() == text; });
    }
    std::uint32_t Surface(int x, int y) const { return kap_->Host().PixelAt(x, y); }
    // The surface inside the edit box.
    std::vector<std::uint32_t> BoxPixels() const {
        std::vector<std::uint32_t> pixels;
        for (int y = kY; y < kY + kH; ++y)
            for (int x = kX; x < kX + kW; ++x) pixels.push_back(Surface(x, y));
        return pixels;
    }
    // Whether a surface pixel is the selection's blue, the caret's red or text ink.
    static bool IsBlue(std::uint32_t p) { return B(p) > 200 && R(p) < 80 && G(p) < 80; }
    static bool IsRed(std::uint32_t p) { return R(p) > 200 && G(p) < 60 && B(p) < 60; }
    static bool IsInk(std::uint32_t p) { return R(p) < 90 && G(p) < 90 && B(p) < 90 && A(p) > 200; }
    int CountIn(const LayerRect& r, bool (*test)(std::uint32_t)) const {
        int n = 0;
        for (int y = r.y; y < r.Bottom(); ++y)
            for (int x = r.x; x < r.Right(); ++x) n += test(Surface(x, y)) ? 1 : 0;
        return n;
    }
    // A rectangle of the element in surface coordinates.
    static LayerRect OnSurface(const LayerRect& r) { return r.Moved(kX, kY); }
    // A point of the element as the input window's mouse coordinates.
    static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

    std::unique_ptr<GdiplusSession> session_;
    std::unique_ptr<EditKap> kap_;
    std::unique_ptr<CountingItem> paper_;
    std::unique_ptr<CLayerEdit> edit_;
    Keyboard keyboard_{false};
};

TEST_F(EditControlTest, TypedTextAppearsInTheTextAndOnTheSurface) {
    Run([&] {
        Make();
        Focus();
        const std::vector<std::uint32_t> before = BoxPixels();
        const int changesBefore = kap_->Count(WMU_EDIT_CHANGED);
        Type("Hello");
        ASSERT_TRUE(WaitShown("Hello"));
        EXPECT_EQ(edit_->Text(), "Hello");
        EXPECT_TRUE(WaitCaret(5));
        // Text ink where the first line is drawn, and only there.
        const int lh = edit_->Painter().LineHeight();
        const LayerRect firstLine{kX + 4, kY + 4, 80, lh};
        EXPECT_GT(CountIn(firstLine, IsInk), 20);
        EXPECT_EQ(CountIn(LayerRect{kX + 4, kY + 4 + lh + 2, 80, lh}, IsInk), 0);
        EXPECT_NE(BoxPixels(), before);
        // Every change of the text is reported to the kap, and the value message carries the caret.
        EXPECT_TRUE(WaitFor([&] { return kap_->Count(WMU_EDIT_CHANGED) >= changesBefore + 5; }));
        EXPECT_TRUE(WaitFor([&] { return kap_->Count(kValueMessage) > 0 && kap_->LastWParam(kValueMessage) == 5; }));

        // Enter starts a new line.
        Press(VK_RETURN);
        Type("World");
        ASSERT_TRUE(WaitShown("Hello\r\nWorld"));
        EXPECT_EQ(edit_->Painter().Lines().size(), 2u);
        EXPECT_GT(CountIn(LayerRect{kX + 4, kY + 4 + lh, 80, lh}, IsInk), 20);
    });
}

class EditSystemInputTest : public EditControlTest {
protected:
    bool OwnDesktop() const override { return false; }
};

TEST_F(EditSystemInputTest, KeysFromTheSystemInputQueueReachTheBox) {
    Run([&] {
        Make();
        Focus();
        SetForegroundWindow(kap_->Hwnd());
        // System input goes to the window in front; a test running beside this one may hold it.
        if (!WaitFor([&] { return GetForegroundWindow() == kap_->Hwnd(); }, 1000))
            GTEST_SKIP() << "another window is in front";
        const Keyboard system(true);
        system.Type("Ab(1)");
        system.Press(VK_LEFT, VK_SHIFT);
        system.Press(VK_LEFT, VK_SHIFT);
        const bool arrived = WaitFor([&] {
            return edit_->Painter().Text() == "Ab(1)" && edit_->CaretIndex() == 3 && edit_->AnchorIndex() == 5;
        });
        if (!arrived && GetForegroundWindow() != kap_->Hwnd()) GTEST_SKIP() << "another window came in front";
        ASSERT_TRUE(arrived) << edit_->Text() << " caret " << edit_->CaretIndex() << " anchor " << edit_->AnchorIndex();
        EXPECT_EQ(edit_->Text(), "Ab(1)");
        const std::vector<LayerRectF> boxes = edit_->Painter().SelectionBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_GT(CountIn(OnSurface(LayerRect{static_cast<int>(boxes[0].x), static_cast<int>(boxes[0].y),
                                              static_cast<int>(boxes[0].width), static_cast<int>(boxes[0].height)}),
                          IsBlue),
                  10);
    });
}

TEST_F(EditControlTest, CaretFollowsHomeEndAndTheArrows) {
    Run([&] {
        Make();
        edit_->SetText("first line\r\nsecond\r\nthird line here");
        Focus();
        EXPECT_TRUE(WaitCaret(0));
        Press(VK_END);
        EXPECT_TRUE(WaitCaret(10));
        Press(VK_DOWN);
        EXPECT_TRUE(WaitCaret(18)); // end of "second", the shorter line
        Press(VK_DOWN);
        const int third = 20;
        EXPECT_TRUE(WaitFor([&] { return edit_->CaretIndex() >= third + 6 && edit_->CaretIndex() <= third + 10; }));
        Press(VK_HOME);
        EXPECT_TRUE(WaitCaret(third));
        Press(VK_RIGHT);
        Press(VK_RIGHT);
        EXPECT_TRUE(WaitCaret(third + 2));
        Press(VK_UP);
        EXPECT_TRUE(WaitCaret(14));
        Press(VK_LEFT);
        EXPECT_TRUE(WaitCaret(13));
        Press(VK_END, VK_CONTROL);
        EXPECT_TRUE(WaitCaret(35));
        Press(VK_HOME, VK_CONTROL);
        EXPECT_TRUE(WaitCaret(0));

        // The caret is drawn where the element puts it: red on its column, on the surface.
        Press(VK_DOWN);
        ASSERT_TRUE(WaitCaret(12));
        const LayerRect caret = OnSurface(edit_->Painter().CaretLine());
        EXPECT_EQ(caret.y, kY + 4 + edit_->Painter().LineHeight());
        EXPECT_GE(CountIn(caret, IsRed), caret.height - 1);
    });
}

TEST_F(EditControlTest, ShiftArrowsSelectAndTheSelectionIsDrawn) {
    Run([&] {
        Make();
        edit_->SetText("select some words");
        Focus();
        Press(VK_END);
        ASSERT_TRUE(WaitCaret(17));
        for (int i = 0; i < 5; ++i) Press(VK_LEFT, VK_SHIFT);
        // The caret is at the start of the selection, the anchor where it began.
        ASSERT_TRUE(WaitCaret(12, 17));
        const std::vector<LayerRectF> boxes = edit_->Painter().SelectionBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        const LayerRect box = OnSurface(LayerRect{static_cast<int>(boxes[0].x), static_cast<int>(boxes[0].y),
                                                  static_cast<int>(boxes[0].width), static_cast<int>(boxes[0].height)});
        EXPECT_GT(CountIn(box, IsBlue), box.width * box.height / 3);
        EXPECT_EQ(CountIn(LayerRect{kX + 4, kY + 4, box.x - kX - 6, box.height}, IsBlue), 0);
        // The caret stands at the selection's left end.
        EXPECT_EQ(OnSurface(edit_->Painter().CaretLine()).x + 1, box.x);

        // Shift+Right shrinks it from the caret's side; Shift+Home turns it over the anchor.
        Press(VK_RIGHT, VK_SHIFT);
        EXPECT_TRUE(WaitCaret(13, 17));
        Press(VK_HOME, VK_SHIFT);
        EXPECT_TRUE(WaitCaret(0, 17));
        // Typing replaces the selection.
        Type("X");
        EXPECT_TRUE(WaitShown("X"));
        EXPECT_EQ(edit_->Painter().SelectionBoxes().size(), 0u);
        EXPECT_EQ(CountIn(OnSurface(LayerRect{0, 0, kW, kH}), IsBlue), 0);
    });
}

TEST_F(EditControlTest, ClipboardCopyAndPasteRoundTrip) {
    Run([&] {
        Make();
        edit_->SetText("alpha\tbeta");
        Focus();
        Press(VK_END, VK_SHIFT);
        ASSERT_TRUE(WaitCaret(10, 0));
        Press('C', VK_CONTROL);
        ASSERT_TRUE(WaitFor([&] { return ClipboardText(kap_->Hwnd()) == "alpha\tbeta"; }));
        Press(VK_END);
        Press(VK_RETURN);
        Press('V', VK_CONTROL);
        EXPECT_TRUE(WaitShown("alpha\tbeta\r\nalpha\tbeta"));
        EXPECT_TRUE(WaitCaret(22));
        // Cut takes the selection out.
        Press(VK_HOME, VK_SHIFT);
        ASSERT_TRUE(WaitCaret(12, 22));
        Press('X', VK_CONTROL);
        EXPECT_TRUE(WaitShown("alpha\tbeta\r\n"));
        EXPECT_EQ(ClipboardText(kap_->Hwnd()), "alpha\tbeta");
    });
}

TEST_F(EditControlTest, TypingBeyondTheMaximumLengthChangesNothing) {
    Run([&] {
        auto* line = Make<CLayerEditLine>(30);
        line->SetMaxLength(5);
        line->SetText("abcde");
        Focus();
        Press(VK_HOME);
        Press(VK_RIGHT);
        Press(VK_RIGHT);
        ASSERT_TRUE(WaitCaret(2));
        const int changes = kap_->EditChanges();
        const int reported = kap_->Count(WMU_EDIT_CHANGED);
        Type("x");
        // The edit window did change (and the change was refused).
        ASSERT_TRUE(WaitFor([&] { return kap_->EditChanges() > changes; }));
        EXPECT_EQ(line->Text(), "abcde");
        DWORD start = 0, end = 0;
        SendMessageA(line->Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 2u);
        EXPECT_EQ(end, 2u);
        EXPECT_TRUE(WaitCaret(2));
        EXPECT_EQ(kap_->Count(WMU_EDIT_CHANGED), reported);
        // Within the limit changes are taken.
        Press(VK_END, VK_SHIFT);
        ASSERT_TRUE(WaitCaret(5, 2));
        Press(VK_DELETE);
        EXPECT_TRUE(WaitShown("ab"));
        Type("xyz");
        EXPECT_TRUE(WaitShown("abxyz"));
        // A paste that would make it longer is refused as a whole.
        for (int i = 0; i < 3; ++i) Press(VK_LEFT, VK_SHIFT);
        ASSERT_TRUE(WaitCaret(2, 5));
        Press('C', VK_CONTROL);
        ASSERT_TRUE(WaitFor([&] { return ClipboardText(kap_->Hwnd()) == "xyz"; }));
        Press(VK_END);
        ASSERT_TRUE(WaitCaret(5));
        const int beforePaste = kap_->EditChanges();
        Press('V', VK_CONTROL);
        ASSERT_TRUE(WaitFor([&] { return kap_->EditChanges() > beforePaste; }));
        EXPECT_EQ(line->Text(), "abxyz");
        EXPECT_TRUE(WaitCaret(5));
    });
}

TEST_F(EditControlTest, LosingTheFocusHidesTheCaretAndShowsTheUnfocusedBackground) {
    Run([&] {
        Make();
        edit_->SetText("some text");
        const LayerRect empty{kX + kW - 30, kY + kH - 30, 10, 10}; // no text there
        EXPECT_TRUE(Near(Surface(empty.x, empty.y), kPaper)) << std::hex << Surface(empty.x, empty.y);
        Focus();
        // Focused: white at alpha 180 over the paper, the dashed frame on the border.
        const std::uint32_t focused = Surface(empty.x, empty.y);
        EXPECT_FALSE(Near(focused, kPaper, 8)) << std::hex << focused;
        EXPECT_GT(B(focused), B(kPaper) + 60);
        EXPECT_GT(CountIn(LayerRect{kX, kY, kW, 1}, IsInk), 20);
        Press(VK_END);
        ASSERT_TRUE(WaitCaret(9));
        EXPECT_GT(CountIn(OnSurface(edit_->Painter().CaretLine()), IsRed), 5);

        SetFocus(kap_->Hwnd());
        ASSERT_TRUE(WaitFor([&] { return !edit_->IsFocused(); }));
        EXPECT_EQ(edit_->CaretIndex(), -1);
        EXPECT_TRUE(Near(Surface(empty.x, empty.y), kPaper)) << std::hex << Surface(empty.x, empty.y);
        EXPECT_EQ(CountIn(OnSurface(LayerRect{0, 0, kW, kH}), IsRed), 0);
        EXPECT_EQ(CountIn(LayerRect{kX, kY, kW, 1}, IsInk), 0);
        // The caret comes back where it was.
        SetFocus(edit_->Input());
        EXPECT_TRUE(WaitCaret(9));
    });
}

TEST_F(EditControlTest, WheelScrollsALongText) {
    Run([&] {
        Make();
        std::string text;
        for (int i = 1; i <= 40; ++i) text += "line " + std::to_string(i) + (i < 40 ? "\r\n" : "");
        edit_->SetText(text);
        Focus();
        EXPECT_TRUE(edit_->NeedsVScroll());
        EXPECT_EQ(edit_->VScrollPercent(), 0);
        // The vertical band is drawn along the right side in the scroll colour: grey, darker than the
        // empty text area beside it.
        const int bandX = kX + kW - 4 - 5;
        const std::uint32_t band = Surface(bandX, kY + kH - 40), beside = Surface(bandX - 30, kY + kH - 40);
        EXPECT_LT(R(band), R(beside) - 40) << std::hex << band << " " << beside;
        EXPECT_LT(std::abs(R(band) - B(band)), std::abs(R(beside) - B(beside))) << std::hex << band << " " << beside;

        Press(VK_END, VK_CONTROL);
        ASSERT_TRUE(WaitFor([&] { return edit_->VScrollPercent() == 100; }));
        const int bottom = edit_->Painter().ScrollY();
        const std::vector<std::uint32_t> before = BoxPixels();
        SendMessageA(edit_->Input(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(kX + 80, kY + 80));
        EXPECT_EQ(edit_->Painter().ScrollY(), bottom - 12);
        EXPECT_LT(edit_->VScrollPercent(), 100);
        EXPECT_NE(BoxPixels(), before);
        SendMessageA(edit_->Input(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)),
                     MAKELPARAM(kX + 80, kY + 80));
        EXPECT_EQ(edit_->Painter().ScrollY(), bottom);
        // A caret move brings the caret back into view.
        for (int i = 0; i < 60; ++i)
            SendMessageA(edit_->Input(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(kX + 80, kY + 80));
        EXPECT_EQ(edit_->VScrollPercent(), 0);
        Press(VK_LEFT);
        EXPECT_TRUE(WaitFor([&] { return edit_->VScrollPercent() == 100; }));
    });
}

TEST_F(EditControlTest, ALongTextReachesTheInputWindowWithItsFirstKeyAndNothingIsLost) {
    Run([&] {
        Make();
        // More than the box hands over at once: a long first line, then many short ones.
        std::string text = std::string(3000, 'w') + " end";
        for (int i = 1; text.size() <= CLayerEdit::kDeferredTextBytes; ++i) text += "\r\nline " + std::to_string(i);
        edit_->SetText(text);
        EXPECT_TRUE(WaitShown(text));
        EXPECT_TRUE(edit_->NeedsHScroll());
        // Outside readers of the input window see the text, and a selection put there is kept.
        char head[8] = {};
        GetWindowTextA(edit_->Input(), head, sizeof(head));
        EXPECT_STREQ(head, "wwwwwww");
        EXPECT_GE(GetWindowTextLengthA(edit_->Input()), static_cast<int>(text.size()));
        Focus();
        SendMessageA(edit_->Input(), EM_SETSEL, 3, 3);
        DWORD start = 0, end = 0;
        SendMessageA(edit_->Input(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 3u);
        EXPECT_EQ(end, 3u);
        // The first key finds the whole text and the selection in the input window.
        Type("Z");
        text.insert(3, "Z");
        ASSERT_TRUE(WaitShown(text));
        EXPECT_EQ(edit_->Text(), text);
        EXPECT_TRUE(WaitCaret(4));
        // The end of the long line lies where its characters' widths add up to (its pieces measured
        // one after another): the caret there is scrolled into view at the far right.
        Press(VK_END);
        EXPECT_TRUE(WaitCaret(3005));
        EXPECT_EQ(edit_->HScrollPercent(), 100);
        EXPECT_GT(edit_->Painter().ScrollX(), 3000 * 5);
        const LayerRect caret = OnSurface(edit_->Painter().CaretLine());
        EXPECT_GT(caret.x, kX);
        EXPECT_LT(caret.x, kX + kW);
        Press(VK_END, VK_CONTROL);
        EXPECT_TRUE(WaitCaret(static_cast<int>(text.size())));
    });
}

TEST_F(EditControlTest, GrowingTheBoxLaysTheTextOutAgain) {
    Run([&] {
        Make(60);
        std::string text;
        for (int i = 1; i <= 7; ++i) text += "row " + std::to_string(i) + "\r\n";
        edit_->SetText(text);
        EXPECT_TRUE(edit_->NeedsVScroll());
        // The kap grows: the box follows, the text fits and the band goes.
        edit_->SetBounds(LayerRect{kX, kY, kW, kH});
        kap_->Host().Refresh();
        EXPECT_FALSE(edit_->NeedsVScroll());
        EXPECT_EQ(edit_->Painter().TextArea().height, kH - 8);
        const int bandX = kX + kW - 4 - 5;
        EXPECT_TRUE(Near(Surface(bandX, kY + 30), kPaper)) << std::hex << Surface(bandX, kY + 30);
    });
}

TEST_F(EditControlTest, MouseClicksAndDragsPlaceTheCaretOnTheCharacterUnderThePointer) {
    Run([&] {
        Make();
        edit_->SetText("one two three\r\nfour");
        Focus();
        // Where the caret is drawn for each index of the first line, by the keyboard.
        std::vector<LayerRect> carets;
        Press(VK_HOME, VK_CONTROL);
        ASSERT_TRUE(WaitCaret(0));
        for (int i = 0; i <= 13; ++i) {
            carets.push_back(edit_->Painter().CaretLine());
            Press(VK_RIGHT);
            ASSERT_TRUE(WaitCaret(i == 13 ? 15 : i + 1)); // Right at the end of a line crosses its break
        }
        HWND input = edit_->Input();
        const int y = carets[0].y + carets[0].height / 2;
        for (int i : {1, 4, 8, 13, 2}) {
            SendMessageA(input, WM_LBUTTONDOWN, MK_LBUTTON, At(carets[static_cast<std::size_t>(i)].x + 1, y));
            SendMessageA(input, WM_LBUTTONUP, 0, At(carets[static_cast<std::size_t>(i)].x + 1, y));
            EXPECT_TRUE(WaitCaret(i)) << i;
            EXPECT_EQ(edit_->Painter().CaretLine().x, carets[static_cast<std::size_t>(i)].x);
        }
        EXPECT_GE(kap_->Count(kClickMessage), 5);
        // Drag from "two" to "three": the anchor stays where the button went down.
        SendMessageA(input, WM_LBUTTONDOWN, MK_LBUTTON, At(carets[4].x + 1, y));
        SendMessageA(input, WM_MOUSEMOVE, MK_LBUTTON, At(carets[6].x + 1, y));
        SendMessageA(input, WM_MOUSEMOVE, MK_LBUTTON, At(carets[10].x + 1, y));
        SendMessageA(input, WM_LBUTTONUP, 0, At(carets[10].x + 1, y));
        EXPECT_TRUE(WaitCaret(10, 4));
        // Shift and a click extend it from the same anchor; the second line is under its own row.
        SendMessageA(input, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT,
                     At(carets[0].x + 1, y + edit_->Painter().LineHeight()));
        SendMessageA(input, WM_LBUTTONUP, 0, At(carets[0].x + 1, y + edit_->Painter().LineHeight()));
        EXPECT_TRUE(WaitCaret(15, 4));
        // A double click selects the word and tells the kap.
        SendMessageA(input, WM_LBUTTONDBLCLK, MK_LBUTTON, At(carets[5].x + 1, y));
        SendMessageA(input, WM_LBUTTONUP, 0, At(carets[5].x + 1, y));
        EXPECT_TRUE(WaitCaret(7, 4));
        EXPECT_EQ(kap_->Count(kDoubleClickMessage), 1);
        SendMessageA(input, WM_RBUTTONDOWN, MK_RBUTTON, At(10, y));
        EXPECT_TRUE(WaitFor([&] { return kap_->Count(kRightMessage) == 1; }));
    });
}

TEST_F(EditControlTest, PointerEnterMoveAndLeaveAreReported) {
    Run([&] {
        // The pointer must stand away from the box (it is not moved: tests running beside this
        // one may be using it): the kap goes elsewhere before it is shown when it is there (shown
        // under the pointer, it would get a move of the system's own). The moves over the box
        // come as the input window's mouse messages; once moved over, the box watches the
        // pointer and finds it gone.
        POINT pointer{};
        RECT r{};
        GetCursorPos(&pointer);
        GetWindowRect(kap_->Hwnd(), &r);
        if (PtInRect(&r, pointer)) {
            const int x = pointer.x > r.right - kKapW / 2 ? pointer.x - kKapW - 40 : pointer.x + 40;
            SetWindowPos(kap_->Hwnd(), nullptr, x, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        Make();
        GetWindowRect(edit_->Input(), &r);
        ASSERT_FALSE(PtInRect(&r, pointer));
        SendMessageA(edit_->Input(), WM_MOUSEMOVE, 0, At(20, 20));
        SendMessageA(edit_->Input(), WM_MOUSEMOVE, 0, At(20, 20)); // the same place: nothing new
        SendMessageA(edit_->Input(), WM_MOUSEMOVE, 0, At(25, 22));
        SendMessageA(edit_->Input(), WM_MOUSEMOVE, 0, At(kW + 5, 22)); // outside: ignored
        ASSERT_TRUE(WaitFor([&] { return kap_->Count(kLeaveMessage) >= 1; }));
        EXPECT_EQ(kap_->Count(kEnterMessage), 1);
        EXPECT_EQ(kap_->Count(kMoveMessage), 2);
        EXPECT_EQ(kap_->LastWParam(kMoveMessage), 25u);
        EXPECT_EQ(kap_->LastLParam(kMoveMessage), 22);
        EXPECT_EQ(kap_->Count(kLeaveMessage), 1);
        // A new stay posts the enter message again.
        SendMessageA(edit_->Input(), WM_MOUSEMOVE, 0, At(30, 30));
        EXPECT_TRUE(WaitFor([&] { return kap_->Count(kEnterMessage) == 2 && kap_->Count(kLeaveMessage) == 2; }));
    });
}

TEST_F(EditControlTest, EveryCharacterOfTheCodePageRoundTrips) {
    Run([&] {
        Make();
        std::string text;
        for (int c = 1; c < 256; ++c) text += static_cast<char>(c);
        text += "\r\n\ttabbed\t\tline\r\n";
        text += std::string(5000, 'L') + "\r\n\r\nsoft\r\r\nbreak\nlone\rcr\nend";
        edit_->SetText(text);
        EXPECT_TRUE(edit_->Text() == text) << "the text differs";
        EXPECT_TRUE(edit_->Painter().Text() == text) << "the element's copy differs";
        // The lines the element lays out are the edit window's.
        const int count = static_cast<int>(SendMessageA(edit_->Input(), EM_GETLINECOUNT, 0, 0));
        ASSERT_EQ(static_cast<int>(edit_->Painter().Lines().size()), count);
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(edit_->Painter().Lines()[static_cast<std::size_t>(i)].start,
                      static_cast<int>(SendMessageA(edit_->Input(), EM_LINEINDEX, static_cast<WPARAM>(i), 0)));
        EXPECT_TRUE(edit_->NeedsHScroll());
        // Typing into it keeps the rest exactly.
        Focus();
        Press(VK_END, VK_CONTROL);
        Type("!");
        EXPECT_TRUE(WaitShown(text + "!"));
        EXPECT_TRUE(edit_->Text() == text + "!") << "the text differs";

        // The one-line box keeps every character but the line breaks.
        auto* line = Make<CLayerEditLine>(30);
        std::string flat;
        for (int c = 1; c < 256; ++c)
            if (c != '\r' && c != '\n') flat += static_cast<char>(c);
        line->SetText(flat);
        EXPECT_TRUE(line->Text() == flat) << "the text differs";
        EXPECT_EQ(line->Painter().Lines().size(), 1u);
    });
}

TEST_F(EditControlTest, ScreenshotOfANoteWithTextSelectionAndCaret) {
    Run([&] {
        Make();
        edit_->SetTextFont("Arial", 16, 0);
        edit_->SetTextShadowed(true);
        Focus();
        Type("Shopping list");
        Press(VK_RETURN);
        Type("- milk, eggs\t(2)");
        Press(VK_RETURN);
        Type("- bread");
        Press(VK_RETURN);
        Type("Call Mum at 6pm!");
        ASSERT_TRUE(WaitShown("Shopping list\r\n- milk, eggs\t(2)\r\n- bread\r\nCall Mum at 6pm!"));
        Press(VK_UP);
        Press(VK_UP);
        Press(VK_END);
        for (int i = 0; i < 7; ++i) Press(VK_LEFT, VK_SHIFT);
        ASSERT_TRUE(WaitFor([&] { return edit_->AnchorIndex() != edit_->CaretIndex(); }));
        ASSERT_TRUE(WaitCaret(edit_->AnchorIndex() - 7, edit_->AnchorIndex()));
        CreateDirectoryA(VIMO_SCRATCH_DIR, nullptr);
        // Two looks: the note's large shadowed Arial, then a small bold fixed font (drawn with grid
        // fitting). The pictures are left in the scratch folder for a person to look at.
        for (const char* look : {"arial", "courier"}) {
            if (std::string(look) == "courier") {
                edit_->SetTextFont("Courier New", 12, 2);
                edit_->SetTextShadowed(false);
                edit_->SetCurrentLineColour(255, 0, 160, 0);
            }
            const std::string path = std::string(VIMO_SCRATCH_DIR) + "/edit-note-" + look + ".png";
            EXPECT_TRUE(WritePng(path, kKapW, kKapH, [&](int x, int y) {
                // The surface is premultiplied; the picture is not.
                const std::uint32_t p = Surface(x, y);
                const int a = A(p);
                if (a == 0) return 0u;
                auto un = [a](int c) { return static_cast<std::uint32_t>(std::min(255, c * 255 / a)); };
                return (static_cast<std::uint32_t>(a) << 24) | (un(R(p)) << 16) | (un(G(p)) << 8) | un(B(p));
            }));
            // Selection and caret are on the surface.
            const std::vector<LayerRectF> boxes = edit_->Painter().SelectionBoxes();
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_GT(CountIn(OnSurface(LayerRect{static_cast<int>(boxes[0].x), static_cast<int>(boxes[0].y),
                                                  static_cast<int>(boxes[0].width), static_cast<int>(boxes[0].height)}),
                              IsBlue),
                      20)
                << look;
            EXPECT_GT(CountIn(OnSurface(edit_->Painter().CaretLine()), IsRed), 5) << look;
        }
    });
}

} // namespace
} // namespace vimo::layertest
