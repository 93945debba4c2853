#pragma once
// Reflection of control notifications: a child window that carries a ReflectTarget gets back the
// WM_COMMAND notifications it sends to its parent dialog.
#include <windows.h>

namespace vimo {

class ReflectTarget {
public:
    virtual ~ReflectTarget() = default;
    // code: the notification code (BN_CLICKED, EN_CHANGE, ...). True when handled.
    virtual bool OnReflectedCommand(UINT code) = 0;
};

void SetReflectTarget(HWND child, ReflectTarget* target);
ReflectTarget* GetReflectTarget(HWND child);

} // namespace vimo
