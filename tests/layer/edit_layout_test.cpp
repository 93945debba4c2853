// The arithmetic of the edit text part: tab stops, character edges, line lookup, scroll bands,
// offsets and percents, caret and selection boxes, word selection.
#include <gtest/gtest.h>

#include <string>

#include "layer/controls/edit_layout.h"

namespace vimo {
namespace {

// Every character 7 pixels wide, except 'i' (3) and 'W' (11).
std::vector<float> FixedMeasure(std::wstring_view run) {
    std::vector<float> edges{0.0f};
    for (wchar_t c : run) edges.push_back(edges.back() + (c == L'i' ? 3.0f : c == L'W' ? 11.0f : 7.0f));
    return edges;
}

TEST(EditTabs, StopsEveryTwentyPixelsStrictlyBeyondTheStart) {
    EXPECT_FLOAT_EQ(NextEditTabStop(0.0f), 20.0f);
    EXPECT_FLOAT_EQ(NextEditTabStop(19.5f), 20.0f);
    EXPECT_FLOAT_EQ(NextEditTabStop(20.0f), 40.0f);
    EXPECT_FLOAT_EQ(NextEditTabStop(199.0f), 200.0f);
    // Past the tenth stop the spacing goes on.
    EXPECT_FLOAT_EQ(NextEditTabStop(200.0f), 220.0f);
    EXPECT_FLOAT_EQ(NextEditTabStop(431.0f), 440.0f);
}

TEST(EditTabs, LineEdgesPutTextAfterTabsOnTheStops) {
    const std::wstring line = L"ab\tc\t\tWi";
    const std::vector<float> e = EditLineEdges(line, FixedMeasure);
    ASSERT_EQ(e.size(), line.size() + 1);
    EXPECT_FLOAT_EQ(e[0], 0.0f);
    EXPECT_FLOAT_EQ(e[1], 7.0f);
    EXPECT_FLOAT_EQ(e[2], 14.0f); // the tab begins after "ab"
    EXPECT_FLOAT_EQ(e[3], 20.0f); // "c" on the first stop
    EXPECT_FLOAT_EQ(e[4], 27.0f); // second tab
    EXPECT_FLOAT_EQ(e[5], 40.0f); // third tab starts on a stop and goes to the next one
    EXPECT_FLOAT_EQ(e[6], 60.0f); // "W"
    EXPECT_FLOAT_EQ(e[7], 71.0f); // "i"
    EXPECT_FLOAT_EQ(e[8], 74.0f); // end of line
}

TEST(EditTabs, RunsAreMeasuredWithoutTheirTabsAndEdgesNeverDecrease) {
    std::vector<std::wstring> measured;
    // A measure that gives no box to its second character (edge 0 there).
    const auto measure = [&](std::wstring_view run) {
        measured.emplace_back(run);
        std::vector<float> edges = FixedMeasure(run);
        if (edges.size() > 2) edges[1] = 0.0f;
        return edges;
    };
    const std::vector<float> e = EditLineEdges(L"\txyz\t", measure);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0], L"xyz");
    for (std::size_t i = 1; i < e.size(); ++i) EXPECT_GE(e[i], e[i - 1]) << i;
    EXPECT_FLOAT_EQ(e[1], 20.0f);
    EXPECT_FLOAT_EQ(e[4], 41.0f);
    EXPECT_FLOAT_EQ(e[5], 60.0f);
    EXPECT_EQ(EditRunsOf(L"\txyz\t\tab"), (std::vector<EditRun>{{1, 3}, {6, 2}}));
    EXPECT_TRUE(EditLineEdges(L"", FixedMeasure) == std::vector<float>{0.0f});
}

// "one\r\ntwo\nthree": lines as the edit window reports them.
const std::vector<EditLineSpan> kLines{{0, 3}, {5, 3}, {9, 5}};

TEST(EditLines, SplitAtTheBreaksTheEditWindowKnows) {
    EXPECT_EQ(SplitEditLines("one\r\ntwo\nthree"), kLines);
    EXPECT_EQ(SplitEditLines(""), (std::vector<EditLineSpan>{{0, 0}}));
    EXPECT_EQ(SplitEditLines("a\r\n"), (std::vector<EditLineSpan>{{0, 1}, {3, 0}}));
    EXPECT_EQ(SplitEditLines("a\r\r\nb"), (std::vector<EditLineSpan>{{0, 1}, {4, 1}}));
    EXPECT_EQ(SplitEditLines("a\rb\r"), (std::vector<EditLineSpan>{{0, 4}}));
    EXPECT_EQ(SplitEditLines("\n\n"), (std::vector<EditLineSpan>{{0, 0}, {1, 0}, {2, 0}}));
}

TEST(EditLines, AChangeKeepsTheLinesBeforeAndAfterIt) {
    const std::string before = "one\r\ntwo\nthree";
    auto carried = [&](const std::string& after) {
        return UnchangedEditLines(before, kLines, after, SplitEditLines(after));
    };
    // A character typed into the middle line: the first and last lines are the same lines.
    EXPECT_EQ(carried("one\r\ntwXo\nthree"), (std::vector<int>{0, -1, 2}));
    // A line break typed: the lines after it move one down.
    EXPECT_EQ(carried("one\r\ntw\r\no\nthree"), (std::vector<int>{0, -1, -1, 2}));
    // Two lines joined: the last line moves one up.
    EXPECT_EQ(carried("onetwo\nthree"), (std::vector<int>{-1, 2}));
    // Typing at the very end changes only the last line; at the start only the first.
    EXPECT_EQ(carried("one\r\ntwo\nthreeX"), (std::vector<int>{0, 1, -1}));
    EXPECT_EQ(carried("Xone\r\ntwo\nthree"), (std::vector<int>{-1, 1, 2}));
    // A line that reads the same but stands elsewhere is not taken for another: "two" deleted
    // leaves an empty line between, not the old second line.
    EXPECT_EQ(carried("one\r\n\nthree"), (std::vector<int>{0, -1, 2}));
    EXPECT_EQ(carried(""), (std::vector<int>{-1}));
}

TEST(EditLines, IndexToLineAndColumn) {
    EXPECT_EQ(LocateEditIndex(kLines, 0), (EditPosition{0, 0}));
    EXPECT_EQ(LocateEditIndex(kLines, 3), (EditPosition{0, 3}));
    EXPECT_EQ(LocateEditIndex(kLines, 4), (EditPosition{0, 3})); // inside CR LF
    EXPECT_EQ(LocateEditIndex(kLines, 5), (EditPosition{1, 0}));
    EXPECT_EQ(LocateEditIndex(kLines, 8), (EditPosition{1, 3}));
    EXPECT_EQ(LocateEditIndex(kLines, 9), (EditPosition{2, 0}));
    EXPECT_EQ(LocateEditIndex(kLines, 14), (EditPosition{2, 5}));
    EXPECT_EQ(LocateEditIndex(kLines, 99), (EditPosition{2, 5}));
    EXPECT_EQ(LocateEditIndex(kLines, -3), (EditPosition{0, 0}));
    EXPECT_EQ(LocateEditIndex({}, 5), (EditPosition{0, 0}));
}

TEST(EditLines, PointToColumnAndLine) {
    const std::vector<float> edges{0, 7, 14, 21};
    EXPECT_EQ(NearestEditColumn(edges, -5.0f), 0);
    EXPECT_EQ(NearestEditColumn(edges, 3.4f), 0);
    EXPECT_EQ(NearestEditColumn(edges, 3.5f), 0); // a tie goes left
    EXPECT_EQ(NearestEditColumn(edges, 3.6f), 1);
    EXPECT_EQ(NearestEditColumn(edges, 15.0f), 2);
    EXPECT_EQ(NearestEditColumn(edges, 500.0f), 3);
    EXPECT_EQ(EditLineAt(-4.0f, 14, 3), 0);
    EXPECT_EQ(EditLineAt(13.9f, 14, 3), 0);
    EXPECT_EQ(EditLineAt(14.0f, 14, 3), 1);
    EXPECT_EQ(EditLineAt(400.0f, 14, 3), 2);
}

TEST(EditViewportTest, BandsAppearWhenTheTextOutgrowsTheBox) {
    // Fits: no band, nothing to scroll.
    EditViewport v = ComputeEditViewport(100, 50, 90.0f, 42, 10, 8);
    EXPECT_FALSE(v.hBar);
    EXPECT_FALSE(v.vBar);
    EXPECT_EQ(v.width, 100);
    EXPECT_EQ(v.height, 50);
    EXPECT_EQ(v.maxX, 0);
    EXPECT_EQ(v.maxY, 0);
    // Too tall: the vertical band makes the text area narrower, and the text now too wide.
    v = ComputeEditViewport(100, 50, 95.0f, 70, 10, 8);
    EXPECT_TRUE(v.vBar);
    EXPECT_TRUE(v.hBar);
    EXPECT_EQ(v.width, 90);
    EXPECT_EQ(v.height, 42);
    EXPECT_EQ(v.maxX, 5);
    EXPECT_EQ(v.maxY, 28);
    // Too wide: the horizontal band makes the box lower, and the text now too tall.
    v = ComputeEditViewport(100, 50, 150.0f, 45, 10, 8);
    EXPECT_TRUE(v.hBar);
    EXPECT_TRUE(v.vBar);
    EXPECT_EQ(v.maxY, 3);
    // Too wide only.
    v = ComputeEditViewport(100, 50, 150.5f, 20, 10, 8);
    EXPECT_TRUE(v.hBar);
    EXPECT_FALSE(v.vBar);
    EXPECT_EQ(v.maxX, 51);
}

TEST(EditViewportTest, BandRectangles) {
    const LayerRect box{2, 3, 100, 50};
    EditViewport both;
    both.hBar = both.vBar = true;
    const auto bands = EditScrollBands(box, both, 10, 8);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0], (LayerRect{2, 45, 90, 8}));  // bottom
    EXPECT_EQ(bands[1], (LayerRect{92, 3, 10, 42})); // right
    EXPECT_EQ(bands[2], (LayerRect{92, 45, 10, 8})); // corner
    EditViewport vOnly;
    vOnly.vBar = true;
    const auto right = EditScrollBands(box, vOnly, 10, 8);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0], (LayerRect{92, 3, 10, 50}));
    EXPECT_TRUE(EditScrollBands(box, EditViewport{}, 10, 8).empty());
}

TEST(EditScroll, RevealPercentAndWheel) {
    EXPECT_EQ(RevealInEditView(0, 10.0f, 20.0f, 50), 0);   // visible already
    EXPECT_EQ(RevealInEditView(0, 60.0f, 74.0f, 50), 24);  // below: its end at the bottom
    EXPECT_EQ(RevealInEditView(30, 14.0f, 28.0f, 50), 14); // above: its start at the top
    EXPECT_EQ(RevealInEditView(0, 10.0f, 100.0f, 50), 10); // larger than the view: start wins
    EXPECT_EQ(EditScrollPercent(5, 10, false), -1);
    EXPECT_EQ(EditScrollPercent(5, 10, true), 50);
    EXPECT_EQ(EditScrollPercent(0, 0, true), 0);
    EXPECT_EQ(EditScrollPercent(13, 10, true), 100);
    EXPECT_EQ(WheelEditScroll(50, 120, 200), 38);  // one notch up: 12 pixels
    EXPECT_EQ(WheelEditScroll(50, -240, 200), 74); // two notches down
    EXPECT_EQ(WheelEditScroll(5, 120, 200), 0);
    EXPECT_EQ(WheelEditScroll(195, -120, 200), 200);
}

const std::vector<float>& EdgesOfLine(int line) {
    static const std::vector<std::vector<float>> edges{{0, 7, 14, 21}, {0, 5, 10, 15}, {0, 6, 12, 18, 24, 30}};
    return edges[static_cast<std::size_t>(line)];
}

TEST(EditCaret, OnePixelLeftOfTheCharacterOnItsLine) {
    const LayerRectF c = EditCaretLine(kLines, 7, 14, EdgesOfLine);
    EXPECT_FLOAT_EQ(c.x, 9.0f);
    EXPECT_FLOAT_EQ(c.y, 14.0f);
    EXPECT_FLOAT_EQ(c.width, 1.0f);
    EXPECT_FLOAT_EQ(c.height, 14.0f);
    const LayerRectF end = EditCaretLine(kLines, 14, 14, EdgesOfLine);
    EXPECT_FLOAT_EQ(end.x, 29.0f);
    EXPECT_FLOAT_EQ(end.y, 28.0f);
}

TEST(EditSelection, OneBoxPerLineWithTheBreaksShown) {
    // From "ne" of line 0 to "th" of line 2.
    const auto boxes = EditSelectionBoxes(kLines, 1, 11, 14, 0, 2, 4.0f, EdgesOfLine);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_FLOAT_EQ(boxes[0].x, 7.0f);
    EXPECT_FLOAT_EQ(boxes[0].width, 18.0f); // to the end of "one" plus the break
    EXPECT_FLOAT_EQ(boxes[1].x, 0.0f);
    EXPECT_FLOAT_EQ(boxes[1].y, 14.0f);
    EXPECT_FLOAT_EQ(boxes[1].width, 19.0f);
    EXPECT_FLOAT_EQ(boxes[2].x, 0.0f);
    EXPECT_FLOAT_EQ(boxes[2].width, 12.0f);
    EXPECT_FLOAT_EQ(boxes[2].height, 14.0f);
    // Only the lines asked for; an empty selection has no box.
    EXPECT_EQ(EditSelectionBoxes(kLines, 1, 11, 14, 1, 1, 4.0f, EdgesOfLine).size(), 1u);
    EXPECT_TRUE(EditSelectionBoxes(kLines, 6, 6, 14, 0, 2, 4.0f, EdgesOfLine).empty());
    // Within one line.
    const auto inLine = EditSelectionBoxes(kLines, 10, 12, 14, 0, 2, 4.0f, EdgesOfLine);
    ASSERT_EQ(inLine.size(), 1u);
    EXPECT_FLOAT_EQ(inLine[0].x, 6.0f);
    EXPECT_FLOAT_EQ(inLine[0].width, 12.0f);
}

TEST(EditWords, DoubleClickSelectsTheWordOrTheBlanks) {
    const std::string text = "alpha  beta\r\ngamma";
    EXPECT_EQ(EditWordAt(text, 2), (std::pair<int, int>{0, 5}));
    EXPECT_EQ(EditWordAt(text, 5), (std::pair<int, int>{5, 7}));   // on the blanks
    EXPECT_EQ(EditWordAt(text, 11), (std::pair<int, int>{7, 11})); // end of the line: the word before
    EXPECT_EQ(EditWordAt(text, 13), (std::pair<int, int>{13, 18}));
    EXPECT_EQ(EditWordAt(text, 18), (std::pair<int, int>{13, 18})); // end of the text
    EXPECT_EQ(EditWordAt("\r\n\r\n", 2), (std::pair<int, int>{2, 2}));
    EXPECT_EQ(EditWordAt("", 0), (std::pair<int, int>{0, 0}));
}

} // namespace
} // namespace vimo
