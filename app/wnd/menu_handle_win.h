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

} // namespace vimo
