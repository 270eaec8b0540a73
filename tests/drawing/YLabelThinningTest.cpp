// Y labels of the spread diagram stand apart however flat the plot or tall
// the axis: a small window and large amounts label every 2nd, 5th, 10th ...
// value and leave out minor ticks that would merge.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DiagramSheets.h"
#include "RecordingSurface.h"
#include "drawing/TDiagram.h"

namespace kaldoventri::drawingtest {
namespace {

constexpr int MarginX = 2 * 33 + 20;
constexpr int MarginY = 3 * 19 + 30;

struct ThinningCase {
    const char* name;
    int width, height, yAxisMax;
    std::vector<std::string> labels;
    int minorTicks;
};

class YLabelThinning : public ::testing::TestWithParam<ThinningCase> {};

TEST_P(YLabelThinning, LabelsAndTicksStandApart) {
    const ThinningCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    if (c.yAxisMax > 0) sheet.SetYAxisMax(c.yAxisMax);
    TDiagram d;
    const RecordingSurface s = Record(d, &sheet, c.width, c.height);
    const auto labels = s.Filter(Op::Text, [](const Primitive& p) { return p.x1 + 11 * RecordingSurface::Characters(p.text) == MarginX - 10; });
    const auto major = s.Filter(Op::LineTo, [](const Primitive& p) { return p.y1 == p.y2 && p.x1 == MarginX - 5 && p.x2 == MarginX + 5; });
    const auto minor = s.Filter(Op::LineTo, [](const Primitive& p) { return p.y1 == p.y2 && p.x1 == MarginX - 2 && p.x2 == MarginX + 3; });
    std::vector<std::string> texts;
    for (const Primitive& p : labels) texts.push_back(p.text);
    EXPECT_EQ(texts, c.labels);
    EXPECT_EQ(major.size(), labels.size());
    EXPECT_EQ(static_cast<int>(minor.size()), c.minorTicks);
    // Three quarters of the 19-pixel line apart at least.
    for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_GE(labels[i - 1].y1 - labels[i].y1, 15);
}

std::vector<std::string> Counting(int from, int to, int step) {
    std::vector<std::string> r;
    for (int v = from; v <= to; v += step) r.push_back(std::to_string(v));
    return r;
}

// 917 x 640 leaves the diagram a plot 45 pixels high; a spreader's largest
// amounts make a 39 000 axis.
INSTANTIATE_TEST_SUITE_P(
    Diagram, YLabelThinning,
    ::testing::Values(ThinningCase{"PlotOf45Pixels", 917, 2 * MarginY + 45, 0, {"100"}, 0},
                      ThinningCase{"PlotOf150Pixels", 917, 2 * MarginY + 150, 0, Counting(20, 160, 20), 0},
                      ThinningCase{"Axis39000", 1600, 1000, 39000, Counting(1000, 39000, 1000), 0},
                      ThinningCase{"Axis1000FitsAsItIs", 1600, 1000, 1000, Counting(20, 1000, 20), 0},
                      ThinningCase{"Axis160FitsAsItIs", 1600, 1000, 160, Counting(10, 160, 10), 160}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri::drawingtest
