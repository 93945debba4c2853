#pragma once
// other_window.exe, the test suite's own "other program": its windows are made, moved, closed and
// counted on order (programs/other_window_protocol.h). It is ended with its object.
#include <windows.h>

#include "e2e/driver/vimo_driver.h"
#include "programs/other_window_protocol.h"

namespace vimo::testsupport {

class OtherWindowProgram : public e2e::OtherProgram {
public:
    OtherWindowProgram();
    HWND Control() const { return control_; }
    LRESULT Order(other::Order order, WPARAM wParam = 0, LPARAM lParam = 0) const;
    HWND MakeWindow(WPARAM flags = 0, int x = 100, int y = 100) const;
    // Waits until the program has handled everything posted to it so far.
    bool Settle() const;
    int CloseCount(HWND window) const {
        return static_cast<int>(Order(other::kCloseCount, reinterpret_cast<WPARAM>(window)));
    }

private:
    HWND control_ = nullptr;
    mutable WPARAM mark_ = 0;
};

} // namespace vimo::testsupport
