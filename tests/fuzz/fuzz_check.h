#pragma once
// What the fuzz targets share: the check that aborts on a broken invariant (so the fuzzer reports it
// like a crash), the input as text, and the common first lines of a kap document.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "kapframe/kap_document.h"

namespace vimo::fuzz {

inline void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The parts of the input between the separator bytes.
inline std::vector<std::string> Fields(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = text.find(separator, at);
        fields.push_back(text.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return fields;
        at = end + 1;
    }
}

inline bool SameHeader(const KapHeader& a, const KapHeader& b) {
    return a.kapName == b.kapName && a.locked == b.locked && a.typeLetters == b.typeLetters && a.topMost == b.topMost &&
           a.tail == b.tail;
}

inline bool SameRect(const KapRect& a, const KapRect& b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// A kap given a document whose name is no kap name takes a fresh one.
inline void KeepUsableName(KapHeader& header) {
    if (!IsValidKapName(header.kapName)) header.kapName = "20240101000000";
}

// The lines every kap document starts with, read as a kap window takes them: the header (with the
// type's number of type letters), then x, y, width and height.
struct CommonLines {
    KapHeader header;
    KapRect rect;
};

// False when the document is not usable. A header whose name and type letters have their full length
// reads back the same once written; a name that is no kap name is replaced.
inline bool ReadCommonLines(DocumentReader& reader, std::size_t typeLetters, CommonLines& common) {
    if (!ParseHeader(reader.NextString(), typeLetters, common.header)) return false;
    common.rect = reader.NextRect();
    if (common.header.kapName.size() == 14 && common.header.typeLetters.size() == typeLetters) {
        KapHeader again;
        Require(ParseHeader(ComposeHeader(common.header), typeLetters, again) && SameHeader(again, common.header),
                "a full header reads back as written");
    }
    KeepUsableName(common.header);
    return true;
}

inline DocumentWriter WriteCommonLines(const CommonLines& common) {
    DocumentWriter writer(common.header);
    writer.Int(common.rect.x).Int(common.rect.y).Int(common.rect.width).Int(common.rect.height);
    return writer;
}

} // namespace vimo::fuzz
