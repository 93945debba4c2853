// The skin records read from a skin's files: the first byte of the fuzz input picks the skin or data file,
// the rest is its text. Whatever it holds, string values are kept as the records promise, colours are
// within 0 ... 255, image paths lie in the type's folder, and the skin checker goes through the record.
#include <cctype>

#include "base/text_util.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_skin.h"
#include "layer/skin/skin_lint.h"
#include "layer/skin/skin_record.h"

namespace vimo::fuzz {
namespace {

bool StartsWith(const std::string& text, const std::string& start) { return text.compare(0, start.size(), start) == 0; }

bool InRange(const LayerColour& c) {
    auto byte = [](int v) { return v >= 0 && v <= 255; };
    return byte(c.alpha) && byte(c.red) && byte(c.green) && byte(c.blue);
}

void CheckRecord(const SkinRecord& record, const ProfileStore& store) {
    for (const SkinKey& key : record.Schema().Keys()) {
        if (key.kind == SkinKeyKind::Integer) {
            if (EndsWith(key.name, "Alpha")) {
                const std::string prefix = key.name.substr(0, key.name.size() - 5);
                Require(InRange(record.Colour(prefix)), "colour parts within 0 ... 255");
                if (record.Has(prefix + "Font")) Require(InRange(record.TextStyle(prefix).colour), "text colours too");
            }
            continue;
        }
        const std::string& value = record.Str(key.name);
        Require(!IsNullWord(value), "NULL reads as empty");
        std::string text = value;
        if (key.kind == SkinKeyKind::FileName && !value.empty()) {
            Require(StartsWith(value, record.Folder()), "an image file lies in the type's folder");
            text = value.substr(record.Folder().size());
        }
        Require(text.size() < kProfileStringBuffer, "a skin string keeps at most 97 characters");
        if (record.Schema().Role() == SkinFileRole::Skin)
            for (const char c : text) Require(!std::islower(static_cast<unsigned char>(c)), "skin strings upper-cased");
        const std::string image = record.ImagePath(key.name);
        Require(image.empty() || StartsWith(image, record.Folder()), "an image path lies in the type's folder");
    }
    for (const SkinProblem& problem : LintSkinRecord(record, store))
        Require(!problem.message.empty(), "the checker says what is wrong");
}

} // namespace
} // namespace vimo::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vimo;
    using namespace vimo::fuzz;
    if (size == 0) return 0;
    MemoryProfileStore store;
    CheckRecord(LoadSkinText(PickedSkinSchema(data[0]), store, Text(data + 1, size - 1)), store);
    return 0;
}
