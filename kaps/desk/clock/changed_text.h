#pragma once
// Remembers the text last drawn on a line so that the line is redrawn only when its text changes.
#include <string>

namespace vimo {

class ChangedText {
public:
    // True (and the text is remembered) when text differs from the last one accepted. Nothing has
    // been drawn at first, which counts as the empty text.
    bool Update(const std::string& text) {
        if (text == last_) return false;
        last_ = text;
        return true;
    }
    const std::string& Last() const { return last_; }

private:
    std::string last_;
};

} // namespace vimo
