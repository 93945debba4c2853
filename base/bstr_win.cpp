#include "base/bstr_win.h"

namespace vimo {

Bstr::Bstr(const std::string& text) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    value_ = SysAllocStringLen(nullptr, n > 0 ? static_cast<UINT>(n - 1) : 0);
    if (value_ && n > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, value_, n);
}

BSTR* Bstr::Receive() {
    SysFreeString(value_);
    value_ = nullptr;
    return &value_;
}

BSTR Bstr::Detach() {
    BSTR given = value_;
    value_ = nullptr;
    return given;
}

std::string Bstr::Narrow() const {
    if (!value_) return {};
    const int length = static_cast<int>(SysStringLen(value_));
    const int n = WideCharToMultiByte(CP_ACP, 0, value_, length, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_ACP, 0, value_, length, text.data(), n, nullptr, nullptr);
    return text;
}

} // namespace vimo
