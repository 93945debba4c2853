#include "layer/controls/edit_text_measure_win.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "layer/controls/edit_layout.h"
#include "layer/text_block_layout.h"

namespace vimo {

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// The drawing library measures at most this many character ranges in one call.
constexpr int kRangesPerCall = 32;
// A run is measured in pieces that each end after a blank (the drawing library places every
// character after the ones before it, so the pieces add up to the run), and each piece is kept:
// typing in a long line measures again only the word it changed. A piece without a blank longer
// than this is measured in parts of the second length: a measuring call lays out all of its
// string for every few characters it measures.
constexpr std::size_t kWholePiece = 256;
constexpr std::size_t kPiecePart = 128;
// Kept pieces of words that are gone would pile up while the user types: start afresh now and then.
constexpr std::size_t kMaxKeptPieces = 16384;
// A layout box wide and tall enough that no line of an edit is ever cut.
const RectF kUnboundedLayout(0.0f, 0.0f, 1.0e6f, 1.0e4f);

GdipMatrix NewIdentityMatrix() {
    GpMatrix* m = nullptr;
    return GdipMatrix(GdipCreateMatrix(&m) == Ok ? m : nullptr);
}

// Lines are laid out by the edit box itself: no wrapping, trailing spaces count, nothing is
// clipped, and no padding beyond what the typographic format has.
GdipStringFormat NewEditFormat() {
    GpStringFormat* typographic = nullptr;
    if (GdipStringFormatGetGenericTypographic(&typographic) != Ok || !typographic) return GdipStringFormat();
    GpStringFormat* clone = nullptr;
    if (GdipCloneStringFormat(typographic, &clone) != Ok) return GdipStringFormat();
    GdipStringFormat format(clone);
    GdipSetStringFormatFlags(clone, StringFormatFlagsNoWrap | StringFormatFlagsMeasureTrailingSpaces |
                                        StringFormatFlagsNoClip | StringFormatFlagsNoFitBlackBox);
    GdipSetStringFormatAlign(clone, StringAlignmentNear);
    GdipSetStringFormatLineAlign(clone, StringAlignmentNear);
    return format;
}

// The horizontal extent of a region from its scans; false when it has none.
bool RegionExtent(GpRegion* region, GpMatrix* matrix, float& left, float& right) {
    UINT count = 0;
    if (GdipGetRegionScansCount(region, &count, matrix) != Ok || count == 0) return false;
    std::vector<RectF> scans(count);
    INT got = static_cast<INT>(count);
    if (GdipGetRegionScans(region, scans.data(), &got, matrix) != Ok || got <= 0) return false;
    left = scans[0].X;
    right = scans[0].X + scans[0].Width;
    for (INT i = 1; i < got; ++i) {
        left = std::min(left, scans[static_cast<std::size_t>(i)].X);
        right = std::max(right, scans[static_cast<std::size_t>(i)].X + scans[static_cast<std::size_t>(i)].Width);
    }
    return right > left;
}

} // namespace

EditTextMeasure::EditTextMeasure() : scratch_(NewArgbBitmap(1, 1)), format_(NewEditFormat()) {
    graphics_ = GdipGraphics::OnImage(scratch_.get());
    graphics_.SetElementQuality();
    SetFont(L"Arial", 12, kStyleRegular);
}

TextRenderingHint EditTextMeasure::Hint() const {
    return UsesGridFit(sizePx_) ? TextRenderingHintAntiAliasGridFit : TextRenderingHintAntiAlias;
}

void EditTextMeasure::SetFont(const std::wstring& family, int sizePx, int style) {
    sizePx_ = sizePx;
    font_ = NewFont(family, static_cast<float>(sizePx), style);
    kept_.clear();
    pieces_.clear();
    lowAdvances_.fill(-1.0f);
    advances_.clear();
    graphics_.SetTextHint(Hint());
    lineHeight_ = 1;
    if (font_ && graphics_) {
        REAL height = 0.0f;
        if (GdipGetFontHeight(font_.get(), graphics_.Get(), &height) == Ok)
            lineHeight_ = std::max(1, static_cast<int>(std::lround(height)));
    }
    lead_ = MeasureLead();
}

float EditTextMeasure::MeasureLead() {
    if (!font_ || !format_ || !graphics_) return 0.0f;
    const wchar_t probe[] = L"x";
    CharacterRange range(0, 1);
    if (GdipSetStringFormatMeasurableCharacterRanges(format_.get(), 1, &range) != Ok) return 0.0f;
    GpRegion* raw = nullptr;
    if (GdipCreateRegion(&raw) != Ok) return 0.0f;
    GdipRegion region(raw);
    GdipMatrix matrix = NewIdentityMatrix();
    float left = 0.0f, right = 0.0f;
    if (GdipMeasureCharacterRanges(graphics_.Get(), probe, 1, font_.get(), kUnboundedLayout, format_.get(), 1, &raw) !=
            Ok ||
        !RegionExtent(raw, matrix.get(), left, right))
        return 0.0f;
    return left;
}

const std::vector<float>& EditTextMeasure::LineEdges(const std::wstring& line) {
    auto it = kept_.find(line);
    if (it != kept_.end()) return it->second;
    // Kept measures of lines that are gone would pile up while the user types: start afresh now
    // and then.
    if (kept_.size() > 4096) kept_.clear();
    std::vector<float> edges = EditLineEdges(line, [this](std::wstring_view run) { return MeasureRun(run); });
    return kept_.emplace(line, std::move(edges)).first->second;
}

float EditTextMeasure::KnownAdvance(wchar_t c) const {
    const auto code = static_cast<std::size_t>(c);
    if (code < lowAdvances_.size()) return lowAdvances_[code];
    const auto it = advances_.find(c);
    return it == advances_.end() ? -1.0f : it->second;
}

void EditTextMeasure::LearnAdvances(std::wstring_view characters) {
    std::wstring unknown;
    for (const wchar_t c : characters)
        if (c != L'\t' && KnownAdvance(c) < 0.0f && unknown.find(c) == std::wstring::npos) unknown += c;
    for (std::size_t at = 0; at < unknown.size(); at += kRangesPerCall) {
        const std::wstring_view batch = std::wstring_view(unknown).substr(at, kRangesPerCall);
        const std::vector<float> edges = MeasurePiece(batch);
        for (std::size_t i = 0; i < batch.size(); ++i) {
            const float advance = std::max(edges[i + 1] - edges[i], 0.0f);
            const auto code = static_cast<std::size_t>(batch[i]);
            if (code < lowAdvances_.size())
                lowAdvances_[code] = advance;
            else
                advances_[batch[i]] = advance;
        }
    }
}

float EditTextMeasure::AdvanceWidth(std::wstring_view line) {
    float x = 0.0f;
    bool learnt = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == L'\t') {
            x = NextEditTabStop(x);
            continue;
        }
        float advance = KnownAdvance(line[i]);
        if (advance < 0.0f && !learnt) {
            LearnAdvances(line.substr(i));
            learnt = true;
            advance = KnownAdvance(line[i]);
        }
        x += std::max(advance, 0.0f);
    }
    return x;
}

std::vector<float> EditTextMeasure::MeasureRun(std::wstring_view run) {
    std::vector<float> edges;
    edges.reserve(run.size() + 1);
    float offset = 0.0f;
    for (std::size_t at = 0; at < run.size();) {
        const std::size_t blank = run.find(L' ', at);
        std::size_t count = (blank == std::wstring_view::npos ? run.size() : blank + 1) - at;
        if (count > kWholePiece) count = kPiecePart;
        const std::vector<float>& piece = KeptPiece(run.substr(at, count));
        for (std::size_t i = 0; i < count; ++i) edges.push_back(offset + piece[i]);
        offset += piece[count];
        at += count;
    }
    edges.push_back(offset);
    return edges;
}

const std::vector<float>& EditTextMeasure::KeptPiece(std::wstring_view piece) {
    const std::wstring key(piece);
    auto it = pieces_.find(key);
    if (it != pieces_.end()) return it->second;
    if (pieces_.size() >= kMaxKeptPieces) pieces_.clear();
    return pieces_.emplace(key, MeasurePiece(piece)).first->second;
}

std::vector<float> EditTextMeasure::MeasurePiece(std::wstring_view run) {
    const int length = static_cast<int>(run.size());
    std::vector<float> edges(static_cast<std::size_t>(length) + 1, 0.0f);
    if (length == 0 || !font_ || !format_ || !graphics_) return edges;
    GdipMatrix matrix = NewIdentityMatrix();
    std::vector<GdipRegion> regions;
    std::vector<GpRegion*> raw;
    float end = 0.0f;
    for (int first = 0; first < length; first += kRangesPerCall) {
        const int count = std::min(kRangesPerCall, length - first);
        std::vector<CharacterRange> ranges;
        for (int i = 0; i < count; ++i) ranges.emplace_back(first + i, 1);
        regions.clear();
        raw.clear();
        for (int i = 0; i < count; ++i) {
            GpRegion* r = nullptr;
            if (GdipCreateRegion(&r) != Ok) return edges;
            regions.emplace_back(r);
            raw.push_back(r);
        }
        if (graphics_.Check(GdipSetStringFormatMeasurableCharacterRanges(format_.get(), count, ranges.data())) != Ok ||
            graphics_.Check(GdipMeasureCharacterRanges(graphics_.Get(), run.data(), length, font_.get(),
                                                       kUnboundedLayout, format_.get(), count, raw.data())) != Ok)
            return edges;
        for (int i = 0; i < count; ++i) {
            const std::size_t at = static_cast<std::size_t>(first + i);
            float left = 0.0f, right = 0.0f;
            if (RegionExtent(raw[static_cast<std::size_t>(i)], matrix.get(), left, right)) {
                edges[at] = std::max(left - lead_, 0.0f);
                end = std::max(end, right - lead_);
            } else {
                // No box (a character the font draws as nothing): it takes no room, so it begins
                // where the one before it ends.
                edges[at] = end;
            }
        }
    }
    edges[static_cast<std::size_t>(length)] = std::max(end, edges[static_cast<std::size_t>(length) - 1]);
    return edges;
}

} // namespace vimo
