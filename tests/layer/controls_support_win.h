#pragma once
// Helpers of the layered control tests: a kap-like dialog window with a layer host that records
// the notifications its controls post, real mouse input, and bounded message pumping.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "base/resource.h"
#include "wnd/dialog_win.h"
#include "layer/controls/layer_static_win.h"
#include "layer_test_support_win.h"

namespace vimo::controlstest {

using namespace vimo::layertest;

// Notification numbers the tests give their controls.
constexpr UINT kMsgClick = WM_USER + 500;
constexpr UINT kMsgDouble = WM_USER + 501;
constexpr UINT kMsgRight = WM_USER + 502;
constexpr UINT kMsgEnter = WM_USER + 503;
constexpr UINT kMsgLeave = WM_USER + 504;
constexpr UINT kMsgMove = WM_USER + 505;
constexpr UINT kMsgValue = WM_USER + 506;
constexpr UINT kCommandId = 4321;

struct Posted {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Moves the pointer like the user does and waits until the system has seen it there. Under Wine
// the pointer is moved on the X display (xdotool), so the window system sees an ordinary motion;
// a warp by SetCursorPos can be undone for a moment by the X pointer position that Wine reads
// back, which would look like the pointer leaving and coming back.
inline bool PointerAt(POINT screen) {
    POINT p{};
    GetCursorPos(&p);
    return p.x == screen.x && p.y == screen.y;
}
// Starts xdotool with the arguments given; false when it is not installed or did not start. Callers wait
// for what it does: under Wine there is no handle to wait for the tool itself.
inline bool XDo(const char* arguments) {
    static const bool available = GetFileAttributesA("Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES;
    if (!available) return false;
    char command[128];
    wsprintfA(command, "/usr/bin/xdotool %s", arguments);
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    // Wine starts a program of the host system without a process object: no process handle comes back,
    // and the thread handle holds whatever was in Wine's memory. Closing it would close one of this
    // program's own handles (its standard output, whose text then went nowhere).
    if (!pi.hProcess) return true;
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}
inline bool XMouseTo(POINT screen) {
    char arguments[64];
    wsprintfA(arguments, "mousemove %ld %ld", screen.x, screen.y);
    return XDo(arguments);
}
// The left button pressed or released on the X display. A button pressed by SendInput is not
// pressed for X: the next pointer motion on the display would carry "no button" and release it.
inline bool XLeftButton(bool down) { return XDo(down ? "mousedown 1" : "mouseup 1"); }
inline void MouseTo(POINT screen) {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!XMouseTo(screen)) break;
        if (PumpUntil([&] { return PointerAt(screen); }, 500)) return;
    }
    SetCursorPos(screen.x, screen.y);
    PumpUntil([&] { return PointerAt(screen); });
}

inline void MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

// The notifications every test control posts.
inline void UseTestMessages(CLayerItem& item, HWND target) {
    LayerNotifications& n = item.Notifications();
    n.target = target;
    n.clickMessage = kMsgClick;
    n.commandId = kCommandId;
    n.doubleClickMessage = kMsgDouble;
    n.rightButtonMessage = kMsgRight;
    n.enterMessage = kMsgEnter;
    n.leaveMessage = kMsgLeave;
    n.moveMessage = kMsgMove;
    n.valueMessage = kMsgValue;
}

// A kap-like window: the program's control-less dialog, made layered by its host, with an opaque
// background static so the whole window takes the pointer. It records the test notifications.
class TestKap : public Dialog {
public:
    TestKap(int x, int y, int width, int height) : Dialog(IDD_KAP) {
        Create(nullptr);
        SetWindowPos(Hwnd(), HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE);
        host_ = std::make_unique<CLayerHost>(Hwnd());
        host_->SetSize(width, height);
        background_ = new CLayerStatic(host_.get(), 0, 0, width, height);
        background_->Elem().SetBackgroundColour(255, 60, 60, 70);
    }
    ~TestKap() override {
        host_.reset();
        DestroyWindowNow();
        // The pointer goes back to a corner of the screen, away from the windows of later tests.
        MouseTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 4, 4});
        PumpMessages();
    }

    CLayerHost& Host() { return *host_; }
    CLayerStatic& Background() { return *background_; }
    // Shows the window and makes it the foreground window.
    void Show() {
        host_->Refresh();
        SetForegroundWindow(Hwnd());
        PumpMessages();
    }
    POINT ScreenPoint(int x, int y) const {
        POINT p{x, y};
        ClientToScreen(Hwnd(), &p);
        return p;
    }
    // The point of a control's rectangle at (dx, dy) from its corner, on the screen.
    POINT At(const CLayerItem& item, int dx, int dy) const {
        const LayerRect r = item.EffectiveRect();
        return ScreenPoint(r.x + dx, r.y + dy);
    }

    int Count(UINT msg) const {
        int n = 0;
        for (const Posted& p : posted) n += p.msg == msg ? 1 : 0;
        return n;
    }
    std::vector<Posted> Of(UINT msg) const {
        std::vector<Posted> out;
        for (const Posted& p : posted)
            if (p.msg == msg) out.push_back(p);
        return out;
    }
    bool WaitFor(UINT msg, int count = 1, DWORD timeoutMs = 2000) {
        return PumpUntil([&] { return Count(msg) >= count; }, timeoutMs);
    }

    std::vector<Posted> posted;

protected:
    bool HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        const bool test = (msg >= kMsgClick && msg <= kMsgValue) ||
                          (msg == WM_COMMAND && LOWORD(wParam) == kCommandId && lParam == 0);
        if (!test) return false;
        posted.push_back(Posted{msg, wParam, lParam});
        result = 0;
        return true;
    }

private:
    std::unique_ptr<CLayerHost> host_;
    CLayerStatic* background_ = nullptr; // owned by the host
};

} // namespace vimo::controlstest
