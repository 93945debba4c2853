#pragma once
// The plain text of a kap document: a header line, the window rectangle, then the type's lines,
// separated by single LF characters.
#include <cstddef>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace vimo {

struct KapHeader {
    std::string kapName;     // 14 digits
    bool locked = false;     // "L" / "U"
    std::string typeLetters; // between the lock and the top-most letter (the clock's mode, ...)
    bool topMost = false;    // "T" / "N"
    std::string tail;        // after the top-most letter (the note's alarm stamp)
};

// "A", the kap name, the lock letter, the type letters, the top-most letter, the tail.
std::string ComposeHeader(const KapHeader& header);
// Reads a header line by character positions; typeLetterCount is the number of type letters the
// kap type writes. False when the line does not start with "A" (the document is not usable).
bool ParseHeader(const std::string& line, std::size_t typeLetterCount, KapHeader& header);

// The usual decimal rule: optional blanks and sign, then the leading digits; 0 when there are none.
// Values beyond the range of int are clamped.
int ParseLeadingInt(const std::string& text);

// The window rectangle of lines 2 to 5.
struct KapRect {
    int x = 0, y = 0, width = 0, height = 0;
};

class DocumentWriter {
public:
    explicit DocumentWriter(const KapHeader& header) { lines_.push_back(ComposeHeader(header)); }
    DocumentWriter& Line(const std::string& text) {
        lines_.push_back(text);
        return *this;
    }
    DocumentWriter& Int(int value) { return Line(std::to_string(value)); }
    DocumentWriter& Rect(const KapRect& rect) { return Int(rect.x).Int(rect.y).Int(rect.width).Int(rect.height); }
    // The lines joined by LF.
    std::string Text() const;

private:
    std::vector<std::string> lines_;
};

class DocumentReader {
public:
    explicit DocumentReader(std::string text) : text_(std::move(text)) {}
    // The next line without its LF; a last line without LF still counts. False at the end.
    bool NextLine(std::string& line);
    // The next line, or empty at the end.
    std::string NextString();
    int NextInt() { return ParseLeadingInt(NextString()); }
    // The next four lines as x, y, width and height.
    KapRect NextRect();
    // Everything after the lines read so far, as it stands.
    std::string Rest() const { return at_ < text_.size() ? text_.substr(at_) : std::string(); }
    bool AtEnd() const { return at_ >= text_.size(); }

private:
    std::string text_;
    std::size_t at_ = 0;
};

// A new kap name: the UTC time as "%Y%m%d%H%M%S"; while a document of that name exists (taken),
// waits and takes the time again, so two kaps made in one second get names one second apart.
std::string NewKapName(const std::function<std::time_t()>& now, const std::function<bool(const std::string&)>& taken,
                       const std::function<void()>& wait);
std::string FormatKapName(std::time_t utc);
// Exactly 14 decimal digits. A stored name that is not one is never used to name a file.
bool IsValidKapName(const std::string& name);

} // namespace vimo
