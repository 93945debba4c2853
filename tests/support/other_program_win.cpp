#include "support/other_program_win.h"

namespace vimo::testsupport {

namespace {

constexpr DWORD kStartTimeoutMs = 20000;

HWND ControlWindowOf(DWORD processId) {
    for (HWND w = FindWindowExA(HWND_MESSAGE, nullptr, other::kControlClass, nullptr); w;
         w = FindWindowExA(HWND_MESSAGE, w, other::kControlClass, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == processId) return w;
    }
    return nullptr;
}

} // namespace

OtherWindowProgram::OtherWindowProgram() : OtherProgram("\"" + e2e::WindowsPath(VIMO_OTHER_WINDOW_EXE) + "\"") {
    e2e::WaitFor([&] { return (control_ = ControlWindowOf(ProcessId())) != nullptr; }, kStartTimeoutMs);
}

LRESULT OtherWindowProgram::Order(other::Order order, WPARAM wParam, LPARAM lParam) const {
    DWORD_PTR result = 0;
    if (!control_ || !SendMessageTimeoutA(control_, order, wParam, lParam, SMTO_NORMAL, 10000, &result)) return 0;
    return static_cast<LRESULT>(result);
}

HWND OtherWindowProgram::MakeWindow(WPARAM flags, int x, int y) const {
    return reinterpret_cast<HWND>(Order(other::kMakeWindow, flags, MAKELPARAM(x, y)));
}

bool OtherWindowProgram::Settle() const {
    const WPARAM token = ++mark_;
    PostMessageA(control_, other::kMark, token, 0);
    return e2e::WaitFor([&] { return static_cast<WPARAM>(Order(other::kLastMark)) == token; }, 10000);
}

} // namespace vimo::testsupport
