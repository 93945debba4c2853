#pragma once
// The arithmetic of an edit box's text part, apart from any drawing library: tab stops, where
// the characters of a line sit, which scroll bands the text needs, the scroll offsets and
// percents, the caret line, the selection boxes and which character a point falls on.
//
// Coordinates are text coordinates: x from the left edge of the text, y from the top of the
// first line, before scrolling. A line is as the edit window breaks it (EditLineSpan).
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "layer/layer_geometry.h"
#include "layer/text_block_layout.h"

namespace vimo {

// Ten tab stops 20 pixels apart.
constexpr int kEditTabStopCount = 10;
constexpr float kEditTabStopSpacing = 20.0f;

// Where a tab that starts at x ends: the first tab stop strictly beyond x. Past the tenth stop the
// stops go on at the same spacing, so a tab never has no width.
float NextEditTabStop(float x);

// One line of the text: the index of its first character and the number of characters it shows
// (its line break excluded).
struct EditLineSpan {
    int start = 0;
    int length = 0;
    int End() const { return start + length; }
    bool operator==(const EditLineSpan& o) const { return start == o.start && length == o.length; }
};

// The lines of a multi-line edit window's text: a line ends at CR LF, at CR CR LF (a break the
// window itself inserted) or at a lone LF; a lone CR is an ordinary character.
std::vector<EditLineSpan> SplitEditLines(std::string_view text);

// For each line of a changed text, the line of the text before the change that it repeats (-1 for
// none): a change leaves the text before and after it as it was, and the lines lying wholly in
// that unchanged start or end are the same lines, the later ones moved along.
std::vector<int> UnchangedEditLines(std::string_view before, const std::vector<EditLineSpan>& beforeLines,
                                    std::string_view after, const std::vector<EditLineSpan>& afterLines);

// A run of a line without tabs: first character and count.
struct EditRun {
    int begin = 0;
    int count = 0;
    bool operator==(const EditRun& o) const { return begin == o.begin && count == o.count; }
};
// The tab-free runs of a line, in order (tabs themselves belong to no run).
std::vector<EditRun> EditRunsOf(std::wstring_view line);

// Measures a run without tabs: count + 1 edges, the x where each character begins relative to the
// first one, then the x where the run ends.
using EditRunMeasure = std::function<std::vector<float>(std::wstring_view run)>;

// The edges of one line: edges[i] is the x where character i begins, edges[length] the x where
// the line ends. A tab ends at the next tab stop. The edges never decrease.
std::vector<float> EditLineEdges(std::wstring_view line, const EditRunMeasure& measure);

struct EditPosition {
    int line = 0;
    int column = 0;
    bool operator==(const EditPosition& o) const { return line == o.line && column == o.column; }
};
// The line and column of a character index. An index inside a line break belongs to the end of
// the line before it; an index past the text to the end of the last line; a negative one to the
// start of the first.
EditPosition LocateEditIndex(const std::vector<EditLineSpan>& lines, int index);

// The column whose edge lies nearest to x (ties go to the left one).
int NearestEditColumn(const std::vector<float>& edges, float x);
// The line under y, clamped to the existing lines.
int EditLineAt(float y, int lineHeight, int lineCount);

// What of the text the box can show: whether each scroll band is needed, the text area (the box
// less the bands) and the largest scroll offsets.
struct EditViewport {
    bool hBar = false, vBar = false;
    int width = 0, height = 0;
    int maxX = 0, maxY = 0;
};
// A vertical band is needed when the text is taller than the box, a horizontal one when it is
// wider; a band takes room from the other direction, which may then need its band too.
EditViewport ComputeEditViewport(int boxWidth, int boxHeight, float contentWidth, int contentHeight, int vBarSize,
                                 int hBarSize);
// The bands in box coordinates: the horizontal band along the bottom, the vertical band along the
// right side, and the corner where they meet when both are there.
std::vector<LayerRect> EditScrollBands(const LayerRect& box, const EditViewport& view, int vBarSize, int hBarSize);

// offset clamped to 0..max.
int ClampEditScroll(int offset, int max);
// The offset that shows [start, end) in a view of viewSize pixels, moved as little as possible
// (the start wins when the span is larger than the view).
int RevealInEditView(int offset, float start, float end, int viewSize);
// The scroll percent: -1 without a band, otherwise offset * 100 / max (0 when max is 0).
int EditScrollPercent(int offset, int max, bool bar);
// One wheel turn: the offset decreases by delta / 10 (12 pixels per notch of 120), clamped.
int WheelEditScroll(int offset, int wheelDelta, int max);

// The caret line of a character index: one pixel left of the character's position, one line tall.
LayerRectF EditCaretLine(const std::vector<EditLineSpan>& lines, int index, int lineHeight,
                         const std::function<const std::vector<float>&(int line)>& edgesOf);

// The boxes that cover the selected characters [from, to), one per line from firstLine to
// lastLine that the selection touches. A line whose line break is selected is lengthened by
// breakWidth to show it.
std::vector<LayerRectF> EditSelectionBoxes(const std::vector<EditLineSpan>& lines, int from, int to, int lineHeight,
                                           int firstLine, int lastLine, float breakWidth,
                                           const std::function<const std::vector<float>&(int line)>& edgesOf);

// The word that a double click at index selects: the run of characters around it that are
// neither blanks (space, tab) nor line breaks; at a blank, the run of blanks; at a line break,
// nothing (an empty range at index).
std::pair<int, int> EditWordAt(std::string_view text, int index);

} // namespace vimo
