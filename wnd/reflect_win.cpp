#include "wnd/reflect_win.h"

namespace vimo {

namespace {
const char kReflectProp[] = "VimoReflectTarget";
} // namespace

void SetReflectTarget(HWND child, ReflectTarget* target) {
    if (target)
        SetPropA(child, kReflectProp, target);
    else
        RemovePropA(child, kReflectProp);
}

ReflectTarget* GetReflectTarget(HWND child) { return static_cast<ReflectTarget*>(GetPropA(child, kReflectProp)); }

} // namespace vimo
