#include "layer/wide_text_win.h"

#include <windows.h>

namespace vimo {

std::wstring WidenAnsi(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

std::string NarrowToAnsi(std::wstring_view text) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    const int n = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string narrow(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, &narrow[0], n, nullptr, nullptr);
    return narrow;
}

} // namespace vimo
