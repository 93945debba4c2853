#include "layer/controls/edit_layout.h"

#include <algorithm>
#include <cmath>

namespace vimo {

float NextEditTabStop(float x) {
    const float stop = (std::floor(x / kEditTabStopSpacing) + 1.0f) * kEditTabStopSpacing;
    return stop > x ? stop : stop + kEditTabStopSpacing;
}

std::vector<EditLineSpan> SplitEditLines(std::string_view text) {
    std::vector<EditLineSpan> lines;
    const int length = static_cast<int>(text.size());
    auto at = [&](int i) { return i < length ? text[static_cast<std::size_t>(i)] : '\0'; };
    int start = 0;
    for (int i = 0; i < length; ++i) {
        int breakLength = 0;
        if (at(i) == '\n')
            breakLength = 1;
        else if (at(i) == '\r' && at(i + 1) == '\n')
            breakLength = 2;
        else if (at(i) == '\r' && at(i + 1) == '\r' && at(i + 2) == '\n')
            breakLength = 3;
        if (breakLength == 0) continue;
        lines.push_back(EditLineSpan{start, i - start});
        start = i + breakLength;
        i = start - 1;
    }
    lines.push_back(EditLineSpan{start, length - start});
    return lines;
}

std::vector<EditRun> EditRunsOf(std::wstring_view line) {
    std::vector<EditRun> runs;
    int begin = 0;
    const int length = static_cast<int>(line.size());
    for (int i = 0; i <= length; ++i) {
        if (i == length || line[static_cast<std::size_t>(i)] == L'\t') {
            if (i > begin) runs.push_back(EditRun{begin, i - begin});
            begin = i + 1;
        }
    }
    return runs;
}

std::vector<int> UnchangedEditLines(std::string_view before, const std::vector<EditLineSpan>& beforeLines,
                                    std::string_view after, const std::vector<EditLineSpan>& afterLines) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t prefix = 0;
    while (prefix < shorter && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const long long shift = static_cast<long long>(before.size()) - static_cast<long long>(after.size());
    const long long lineShift = static_cast<long long>(beforeLines.size()) - static_cast<long long>(afterLines.size());
    const long long suffixStart = static_cast<long long>(after.size() - suffix);
    std::vector<int> from(afterLines.size(), -1);
    for (std::size_t l = 0; l < afterLines.size(); ++l) {
        const EditLineSpan& line = afterLines[l];
        long long old = -1, moved = 0;
        if (line.start >= 0 && static_cast<std::size_t>(line.End()) < prefix) {
            old = static_cast<long long>(l);
        } else if (line.start >= suffixStart) {
            old = static_cast<long long>(l) + lineShift;
            moved = shift;
        }
        if (old < 0 || old >= static_cast<long long>(beforeLines.size())) continue;
        const EditLineSpan& was = beforeLines[static_cast<std::size_t>(old)];
        if (was.length == line.length && was.start == line.start + moved) from[l] = static_cast<int>(old);
    }
    return from;
}

std::vector<float> EditLineEdges(std::wstring_view line, const EditRunMeasure& measure) {
    const std::size_t length = line.size();
    std::vector<float> edges(length + 1, 0.0f);
    float x = 0.0f;
    std::size_t i = 0;
    while (i < length) {
        if (line[i] == L'\t') {
            edges[i] = x;
            x = NextEditTabStop(x);
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < length && line[end] != L'\t') ++end;
        const std::vector<float> run = measure(line.substr(i, end - i));
        for (std::size_t k = i; k <= end; ++k) {
            const std::size_t r = k - i;
            const float at = r < run.size() ? run[r] : (run.empty() ? 0.0f : run.back());
            // A measure that skips a character (it has no box) leaves the edge where it was.
            const float edge = x + std::max(at, 0.0f);
            edges[k] = (k > 0 && k > i) ? std::max(edges[k - 1], edge) : std::max(x, edge);
        }
        x = edges[end];
        i = end;
    }
    edges[length] = x;
    return edges;
}

EditPosition LocateEditIndex(const std::vector<EditLineSpan>& lines, int index) {
    if (lines.empty()) return EditPosition{};
    if (index <= 0) return EditPosition{0, 0};
    for (std::size_t l = 0; l < lines.size(); ++l) {
        const bool last = l + 1 == lines.size();
        if (last || index < lines[l + 1].start) {
            const int column = std::min(std::max(index - lines[l].start, 0), lines[l].length);
            return EditPosition{static_cast<int>(l), column};
        }
    }
    return EditPosition{};
}

int NearestEditColumn(const std::vector<float>& edges, float x) {
    if (edges.empty()) return 0;
    // The first edge at or beyond x, then whichever of it and the one before lies nearer.
    const auto it = std::lower_bound(edges.begin(), edges.end(), x);
    if (it == edges.begin()) return 0;
    if (it == edges.end()) return static_cast<int>(edges.size()) - 1;
    const int after = static_cast<int>(it - edges.begin());
    const int before = after - 1;
    return (x - edges[static_cast<std::size_t>(before)] <= edges[static_cast<std::size_t>(after)] - x) ? before : after;
}

int EditLineAt(float y, int lineHeight, int lineCount) {
    if (lineCount <= 0 || lineHeight <= 0) return 0;
    const int line = static_cast<int>(std::floor(y / static_cast<float>(lineHeight)));
    return std::min(std::max(line, 0), lineCount - 1);
}

EditViewport ComputeEditViewport(int boxWidth, int boxHeight, float contentWidth, int contentHeight, int vBarSize,
                                 int hBarSize) {
    EditViewport v;
    vBarSize = std::max(vBarSize, 0);
    hBarSize = std::max(hBarSize, 0);
    v.vBar = contentHeight > boxHeight;
    v.hBar = contentWidth > static_cast<float>(boxWidth - (v.vBar ? vBarSize : 0));
    if (v.hBar && !v.vBar) v.vBar = contentHeight > boxHeight - hBarSize;
    v.width = std::max(boxWidth - (v.vBar ? vBarSize : 0), 0);
    v.height = std::max(boxHeight - (v.hBar ? hBarSize : 0), 0);
    v.maxX = std::max(static_cast<int>(std::ceil(contentWidth)) - v.width, 0);
    v.maxY = std::max(contentHeight - v.height, 0);
    return v;
}

std::vector<LayerRect> EditScrollBands(const LayerRect& box, const EditViewport& view, int vBarSize, int hBarSize) {
    std::vector<LayerRect> bands;
    const int vs = view.vBar ? std::max(vBarSize, 0) : 0;
    const int hs = view.hBar ? std::max(hBarSize, 0) : 0;
    if (view.hBar && hs > 0) bands.push_back(LayerRect{box.x, box.Bottom() - hs, box.width - vs, hs});
    if (view.vBar && vs > 0) bands.push_back(LayerRect{box.Right() - vs, box.y, vs, box.height - hs});
    if (view.hBar && view.vBar && hs > 0 && vs > 0)
        bands.push_back(LayerRect{box.Right() - vs, box.Bottom() - hs, vs, hs});
    return bands;
}

int ClampEditScroll(int offset, int max) { return std::min(std::max(offset, 0), std::max(max, 0)); }

int RevealInEditView(int offset, float start, float end, int viewSize) {
    const float view = static_cast<float>(std::max(viewSize, 0));
    if (end > static_cast<float>(offset) + view) offset = static_cast<int>(std::ceil(end - view));
    if (start < static_cast<float>(offset)) offset = static_cast<int>(std::floor(start));
    return offset;
}

int EditScrollPercent(int offset, int max, bool bar) {
    if (!bar) return -1;
    if (max <= 0) return 0;
    return ClampEditScroll(offset, max) * 100 / max;
}

int WheelEditScroll(int offset, int wheelDelta, int max) { return ClampEditScroll(offset - wheelDelta / 10, max); }

LayerRectF EditCaretLine(const std::vector<EditLineSpan>& lines, int index, int lineHeight,
                         const std::function<const std::vector<float>&(int line)>& edgesOf) {
    if (lines.empty()) return LayerRectF{-1.0f, 0.0f, 1.0f, static_cast<float>(lineHeight)};
    const EditPosition at = LocateEditIndex(lines, index);
    const std::vector<float>& edges = edgesOf(at.line);
    const float x = static_cast<std::size_t>(at.column) < edges.size() ? edges[static_cast<std::size_t>(at.column)]
                                                                       : (edges.empty() ? 0.0f : edges.back());
    return LayerRectF{x - 1.0f, static_cast<float>(at.line * lineHeight), 1.0f, static_cast<float>(lineHeight)};
}

std::vector<LayerRectF> EditSelectionBoxes(const std::vector<EditLineSpan>& lines, int from, int to, int lineHeight,
                                           int firstLine, int lastLine, float breakWidth,
                                           const std::function<const std::vector<float>&(int line)>& edgesOf) {
    std::vector<LayerRectF> boxes;
    if (lines.empty() || from >= to) return boxes;
    const EditPosition a = LocateEditIndex(lines, from);
    const EditPosition b = LocateEditIndex(lines, to);
    const int first = std::max(a.line, firstLine);
    const int last = std::min(b.line, lastLine);
    for (int l = first; l <= last; ++l) {
        const std::vector<float>& edges = edgesOf(l);
        const auto edge = [&](int column) {
            const std::size_t c = static_cast<std::size_t>(std::max(column, 0));
            return c < edges.size() ? edges[c] : (edges.empty() ? 0.0f : edges.back());
        };
        const float left = l == a.line ? edge(a.column) : 0.0f;
        float right = l == b.line ? edge(b.column) : edge(lines[static_cast<std::size_t>(l)].length);
        // The line break of this line is selected when the selection goes on to a later line.
        if (l < b.line) right += breakWidth;
        if (right > left)
            boxes.push_back(
                LayerRectF{left, static_cast<float>(l * lineHeight), right - left, static_cast<float>(lineHeight)});
    }
    return boxes;
}

std::pair<int, int> EditWordAt(std::string_view text, int index) {
    const int length = static_cast<int>(text.size());
    index = std::min(std::max(index, 0), length);
    auto kind = [&](int i) {
        const char c = text[static_cast<std::size_t>(i)];
        if (c == '\r' || c == '\n') return 0;
        if (c == ' ' || c == '\t') return 1;
        return 2;
    };
    // The character under the point, or the one before it at the end of a line or of the text.
    int at = index;
    if (at == length || kind(at) == 0) {
        if (at == 0 || kind(at - 1) == 0) return {index, index};
        at = at - 1;
    }
    const int k = kind(at);
    int begin = at, end = at + 1;
    while (begin > 0 && kind(begin - 1) == k) --begin;
    while (end < length && kind(end) == k) ++end;
    return {begin, end};
}

} // namespace vimo
