#pragma once
// A menu loaded from the resources, destroyed when it goes out of scope.
#include <windows.h>

namespace vimo {

class MenuHandle {
public:
    explicit MenuHandle(HMENU menu) : menu_(menu) {}
    ~MenuHandle() {
        if (menu_) DestroyMenu(menu_);
    }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    HMENU Get() const { return menu_; }

private:
    HMENU menu_;
};

// Sets the check mark or the enabled state of a command's item.
inline void CheckCommand(HMENU menu, UINT id, bool on) {
    CheckMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}
inline void EnableCommand(HMENU menu, UINT id, bool on) {
    EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

} // namespace vimo
