#pragma once
// The font of an edit box's text part and the measuring of its lines: where every character of a
// line begins, read from the boxes that the drawing library gives measured character ranges (the
// scans of their regions), so that caret and selection sit on the drawn glyphs. Measures are
// taken on a graphics context of its own with the element's text quality, and kept per line text
// and per word until the font changes. Lines nobody looks at are not measured: their width is the sum of their
// characters' advances, each character measured once.
#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "layer/gdip_graphics_win.h"
#include "layer/gdiplus_raii_win.h"

namespace vimo {

class EditTextMeasure {
public:
    EditTextMeasure();
    EditTextMeasure(const EditTextMeasure&) = delete;
    EditTextMeasure& operator=(const EditTextMeasure&) = delete;

    // Font family, size in pixels and style bits (FontStyleBits). Drops the kept measures.
    void SetFont(const std::wstring& family, int sizePx, int style);
    int SizePx() const { return sizePx_; }

    Gdiplus::GpFont* Font() const { return font_.get(); }
    Gdiplus::GpStringFormat* Format() const { return format_.get(); }
    // The text rendering the measures were taken with (and the text must be drawn with): grid
    // fitting for small sizes.
    Gdiplus::TextRenderingHint Hint() const;
    // The font's line spacing in whole pixels (at least 1): the height of a line, of the caret
    // and of a selection box.
    int LineHeight() const { return lineHeight_; }
    // How far right of the layout rectangle's x the first character of a string begins: a string
    // whose first character must begin at x is drawn with the layout rectangle at x - Lead().
    float Lead() const { return lead_; }

    // The edges of a line (EditLineEdges with tabs on their stops), kept for the line's text.
    const std::vector<float>& LineEdges(const std::wstring& line);
    // The width of a line from its characters' advances (tabs on their stops): what LineEdges
    // would end at, without laying the line out.
    float AdvanceWidth(std::wstring_view line);

private:
    std::vector<float> MeasureRun(std::wstring_view run);
    // The edges of one piece of a run, measured once per font.
    const std::vector<float>& KeptPiece(std::wstring_view piece);
    // One piece of a run, laid out as a whole.
    std::vector<float> MeasurePiece(std::wstring_view piece);
    float MeasureLead();
    // Measures the advances of characters not yet known.
    void LearnAdvances(std::wstring_view characters);
    float KnownAdvance(wchar_t c) const;

    GdipBitmap scratch_;
    GdipGraphics graphics_;
    GdipFont font_;
    GdipStringFormat format_;
    int sizePx_ = 0;
    int lineHeight_ = 1;
    float lead_ = 0.0f;
    std::unordered_map<std::wstring, std::vector<float>> kept_;
    std::unordered_map<std::wstring, std::vector<float>> pieces_;
    // Advances by character: the first 256 in a table (negative: not measured yet), the rest in a map.
    std::array<float, 256> lowAdvances_{};
    std::unordered_map<wchar_t, float> advances_;
};

} // namespace vimo
