#pragma once
// Answers WM_GETTEXT for a window whose text is not kept by the system (a layered kap shows its text as
// pixels): copies as much as fits, always terminated, and returns the count copied.
#include <windows.h>

#include <cstring>
#include <string>

namespace vimo {

inline LRESULT ReplyGetText(const std::string& text, WPARAM room, LPARAM buffer) {
    char* out = reinterpret_cast<char*>(buffer);
    const std::size_t size = static_cast<std::size_t>(room);
    if (!out || size == 0) return 0;
    const std::size_t count = text.size() < size ? text.size() : size - 1;
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

} // namespace vimo
