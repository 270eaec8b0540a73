// The clipboard picture and the printed page, recorded: their header block,
// margins and pixel constants against the screen's, and pages too flat to
// hold a plot.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "DiagramSheets.h"
#include "RecordingSurface.h"
#include "drawing/TCopyDiagram.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "evaluation/DrivingPattern.h"

namespace kaldoventri::drawingtest {
namespace {

enum class Kind { Screen, Picture, Page };

RecordingSurface Draw(Kind kind, TNewTabSheet& sheet, int w, int h, const std::string& separator = ",") {
    if (kind == Kind::Screen) {
        TDiagram d;
        d.SetTrayMarking(1);
        d.SetShowMetres(true);
        return Record(d, &sheet, w, h, separator);
    }
    if (kind == Kind::Picture) {
        TCopyDiagram d;
        d.SetTrayMarking(1);
        d.SetShowMetres(true);
        return Record(d, &sheet, w, h, separator);
    }
    TPrintDiagram d;
    return Record(d, &sheet, w, h, separator);
}

using Placed = std::tuple<int, int, std::string>;  // left, top, text

struct HeaderCase {
    const char* name;
    Kind kind;
    std::string spreader;
    std::string fertiliser;
    int aBredd;
    double vk;
    std::string separator;
    std::set<Placed> expected;
    DrivingPattern pattern = DrivingPattern::BackAndForth;
    bool computed = true;  // whether the VK at the working width could be computed
};

class HeaderBlock : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(HeaderBlock, PositionsAndTexts) {
    const HeaderCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, c.aBredd, YScaleValue, c.spreader, c.fertiliser);
    sheet.SetVK(c.aBredd, c.vk, c.computed);
    SetDrivingPattern(sheet, c.pattern);
    const bool page = c.kind == Kind::Page;
    const RecordingSurface s = Draw(c.kind, sheet, page ? 6000 : 1600, page ? 4500 : 1000, c.separator);

    const int top1 = page ? 150 : 10;
    const int top2 = page ? 350 : 30;
    std::set<Placed> header;
    for (const Primitive& p : s.Filter(Op::Text, [&](const Primitive& p) { return p.y1 == top1 || p.y1 == top2; })) {
        header.insert({p.x1, p.y1, p.text});
        EXPECT_EQ(p.font, Black);
        EXPECT_EQ(p.brush, White);
    }
    EXPECT_EQ(header, c.expected);
    // Written after the trays and before the curves.
    const int firstHeaderText = s.IndexOf([&](const Primitive& p) { return p.op == Op::Text && p.y1 == top1; });
    EXPECT_GT(firstHeaderText, s.IndexOf([](const Primitive& p) { return p.op == Op::Rectangle; }));
    EXPECT_LT(firstHeaderText, s.IndexOf([](const Primitive& p) { return p.op == Op::Ellipse; }));
}

// Characters are 14 pixels wide in the picture's 14-point font and 18 on the
// 18-point page: "Spridarfabrikat: " is 17 characters, "Gödselmedel: " 13.
INSTANTIATE_TEST_SUITE_P(
    Diagram, HeaderBlock,
    ::testing::Values(
        HeaderCase{"PictureSwedish", Kind::Picture, "Bogballe", "Yara", 25, 6.8, ",",
                   {{70, 10, "Spridarfabrikat: "}, {70, 30, "Gödselmedel: "}, {308, 10, "Bogballe"}, {308, 30, "Yara"},
                    {470, 10, "VK: 6,8%"}, {470, 30, "Arbetsbredd: 12,5 m"}}},
        HeaderCase{"PictureDecimalPoint", Kind::Picture, "Bogballe", "Yara", 25, 6.8, ".",
                   {{70, 10, "Spridarfabrikat: "}, {70, 30, "Gödselmedel: "}, {308, 10, "Bogballe"}, {308, 30, "Yara"},
                    {470, 10, "VK: 6.8%"}, {470, 30, "Arbetsbredd: 12.5 m"}}},
        HeaderCase{"PictureEmptySpreaderMake", Kind::Picture, "", "NPK", 24, 0.0, ",",
                   {{70, 10, "Spridarfabrikat: "}, {70, 30, "Gödselmedel: "}, {308, 10, ""}, {308, 30, "NPK"},
                    {358, 10, "VK: 0%"}, {358, 30, "Arbetsbredd: 12 m"}}},
        HeaderCase{"PageLongFertiliser", Kind::Page, "Bogballe", "Kemira GrowHow", 25, 12.3, ",",
                   {{600, 150, "Spridarfabrikat: "}, {600, 350, "Gödselmedel: "}, {906, 150, "Bogballe"},
                    {906, 350, "Kemira GrowHow"}, {1326, 150, "VK: 12,3%"}, {1326, 350, "Arbetsbredd: 12,5 m"}}},
        HeaderCase{"PageShortestNumbers", Kind::Page, "Amazone", "Yara", 30, 1.0 / 3, ".",
                   {{600, 150, "Spridarfabrikat: "}, {600, 350, "Gödselmedel: "}, {906, 150, "Amazone"},
                    {906, 350, "Yara"}, {1272, 150, "VK: 0.333333333333333%"}, {1272, 350, "Arbetsbredd: 15 m"}}},
        HeaderCase{"PictureRacetrack", Kind::Picture, "Bogballe", "Yara", 25, 6.8, ",",
                   {{70, 10, "Spridarfabrikat: "}, {70, 30, "Gödselmedel: "}, {308, 10, "Bogballe"}, {308, 30, "Yara"},
                    {470, 10, "VK: 6,8%"}, {470, 30, "Arbetsbredd: 12,5 m, varvkörning"}}, DrivingPattern::Racetrack},
        // A VK that could not be computed reads 0 and must not look perfect.
        HeaderCase{"PictureVKNotComputed", Kind::Picture, "", "NPK", 24, 0.0, ",",
                   {{70, 10, "Spridarfabrikat: "}, {70, 30, "Gödselmedel: "}, {308, 10, ""}, {308, 30, "NPK"},
                    {358, 10, "VK: –"}, {358, 30, "Arbetsbredd: 12 m"}}, DrivingPattern::BackAndForth, false},
        HeaderCase{"PageVKNotComputed", Kind::Page, "Amazone", "Yara", 30, 0.0, ".",
                   {{600, 150, "Spridarfabrikat: "}, {600, 350, "Gödselmedel: "}, {906, 150, "Amazone"},
                    {906, 350, "Yara"}, {1272, 150, "VK: –"}, {1272, 350, "Arbetsbredd: 15 m"}}, DrivingPattern::BackAndForth, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HeaderBlock, TheScreenHasNone) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    const RecordingSurface s = Draw(Kind::Screen, sheet, 1600, 1000);
    for (const std::string& t : s.Texts()) EXPECT_EQ(t.find("VK"), std::string::npos);
}

struct ConstantsCase {
    const char* name;
    Kind kind;
    int width, height;
    int marginX, marginY;
    int penWidth, fontSize;
    int majorTickHalf, yLabelGap, arrow, xTick, metreLabelTop, squareLow, squareHigh, pointLow, pointHigh;
};

class SurfaceConstants : public ::testing::TestWithParam<ConstantsCase> {};

TEST_P(SurfaceConstants, MarginsAndPixelConstants) {
    const ConstantsCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    const RecordingSurface s = Draw(c.kind, sheet, c.width, c.height);
    const int baseY = c.height - c.marginY;
    const int charWidth = c.fontSize > 0 ? c.fontSize : 11;

    // Plot area and axes.
    const auto lines = s.All(Op::LineTo);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(std::tie(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2), std::make_tuple(c.marginX, baseY, c.width - c.marginX, baseY));
    for (const Primitive& p : lines) EXPECT_EQ(p.penWidth, c.penWidth);
    // The page sets its pen and font only after the white fill.
    const int fill = s.IndexOf([](const Primitive& p) { return p.op == Op::FillRect; });
    const int pen = s.IndexOf([&](const Primitive& p) { return p.op == Op::PenWidth && p.x1 == c.penWidth; });
    EXPECT_EQ(pen > fill, c.kind == Kind::Page);

    // Y labels beside their major ticks, 16 of them on the 160 axis.
    const auto major = s.Filter(Op::LineTo, [&](const Primitive& p) {
        return p.y1 == p.y2 && p.x1 == c.marginX - c.majorTickHalf && p.x2 == c.marginX + c.majorTickHalf;
    });
    EXPECT_EQ(major.size(), 16u);
    const auto yLabels = s.Filter(Op::Text, [&](const Primitive& p) {
        return p.x1 + charWidth * RecordingSurface::Characters(p.text) == c.marginX - c.majorTickHalf - c.yLabelGap;
    });
    EXPECT_EQ(yLabels.size(), 16u);
    for (const Primitive& p : yLabels) EXPECT_EQ(p.fontSize, c.fontSize);
    EXPECT_EQ(s.Filter(Op::LineTo, [&](const Primitive& p) { return p.y1 == p.y2 && p.x1 == c.marginX - 2 && p.x2 == c.marginX + 3; }).size(), 160u);

    // Own pass arrow on the top line.
    const auto arrows = s.All(Op::Polygon);
    ASSERT_EQ(arrows.size(), 3u);
    const SurfacePoint apex = arrows[0].points[0];
    EXPECT_EQ(apex.y, c.marginY);
    EXPECT_EQ(arrows[0].points[1], (SurfacePoint{apex.x - c.arrow, apex.y + c.arrow}));
    EXPECT_EQ(arrows[0].points[2], (SurfacePoint{apex.x + c.arrow, apex.y + c.arrow}));

    // X ticks and metre labels, whatever the display options on screen were.
    EXPECT_EQ(s.Filter(Op::LineTo, [&](const Primitive& p) { return p.x1 == p.x2 && p.y1 == baseY && p.y2 == baseY + c.xTick; }).size(), 25u);
    EXPECT_EQ(s.Filter(Op::Text, [&](const Primitive& p) { return p.y1 == baseY + c.metreLabelTop; }).size(), 12u);

    // Tray squares and curve points, centred on the sum curve's points.
    const auto squares = s.All(Op::Rectangle);
    const auto sum = s.Points(Red);
    ASSERT_EQ(squares.size(), 26u);
    ASSERT_EQ(sum.size(), 26u);
    for (std::size_t t = 0; t < 26; ++t) {
        const int x = sum[t].x1 + c.pointLow;
        EXPECT_EQ(std::tie(squares[t].x1, squares[t].y1, squares[t].x2, squares[t].y2),
                  std::make_tuple(x - c.squareLow, baseY - c.squareLow, x + c.squareHigh, baseY + c.squareHigh));
    }
    for (const Primitive& p : s.All(Op::Ellipse)) {
        EXPECT_EQ(p.x2 - p.x1, c.pointLow + c.pointHigh);
        EXPECT_EQ(p.y2 - p.y1, c.pointLow + c.pointHigh);
    }
}

// Screen and picture margins come from the font ("999" is 33 x 19 in the
// window's font here, 42 x 22 at 14 points); the page's from its width alone.
INSTANTIATE_TEST_SUITE_P(
    Diagram, SurfaceConstants,
    ::testing::Values(ConstantsCase{"Screen", Kind::Screen, 1600, 1000, 86, 87, 3, 0, 5, 5, 8, 5, 25, 3, 4, 2, 3},
                      ConstantsCase{"Picture", Kind::Picture, 1600, 1000, 104, 96, 3, 14, 5, 5, 8, 5, 25, 3, 4, 2, 3},
                      ConstantsCase{"Page", Kind::Page, 6000, 4500, 600, 750, 16, 18, 35, 25, 16, 15, 15, 12, 13, 10, 11},
                      ConstantsCase{"A4Page1200dpi", Kind::Page, 13699, 9583, 1369, 1712, 16, 18, 35, 25, 16, 15, 15, 12, 13, 10, 11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintedPage, PlotAreaFollowsThePageWidth) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TPrintDiagram d;
    const RecordingSurface s = Record(d, &sheet, 6000, 4500);
    EXPECT_EQ(d.GetMarginX(), 600);
    EXPECT_EQ(d.GetMarginY(), 750);
    const auto yAxis = s.Filter(Op::LineTo, [](const Primitive& p) { return p.x1 == 600 && p.x2 == 600; });
    ASSERT_EQ(yAxis.size(), 1u);
    EXPECT_EQ(yAxis[0].y1 - yAxis[0].y2, 3000);
    EXPECT_EQ(d.GetCentreX(), 3000.0);
}

// The picture follows the window's display options; the page keeps squares
// and metre labels from its creation on.
TEST(DisplayOptions, PictureFollowsThemAndThePageKeepsItsOwn) {
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    TCopyDiagram picture;
    picture.SetTrayMarking(0);
    picture.SetShowMetres(false);
    RecordingSurface s = Record(picture, &sheet, 1600, 1000);
    EXPECT_TRUE(s.All(Op::Rectangle).empty());
    EXPECT_TRUE(s.Filter(Op::Text, [](const Primitive& p) { return p.y1 > 1000 - 96; }).empty());
    picture.SetTrayMarking(2);
    s = Record(picture, &sheet, 1600, 1000);
    EXPECT_EQ(s.Filter(Op::Text, [](const Primitive& p) { return p.y1 == 1000 - 96 + 4; }).size(), 26u);

    TPrintDiagram page;
    EXPECT_EQ(page.GetTrayMarking(), 1);
    EXPECT_TRUE(page.GetShowMetres());
    s = Record(page, &sheet, 6000, 4500);
    EXPECT_EQ(s.All(Op::Rectangle).size(), 26u);
    EXPECT_TRUE(s.Filter(Op::Text, [](const Primitive& p) { return p.y1 == 3750 + 4; }).empty());
}

struct FlatCase {
    const char* name;
    Kind kind;
    int width, height;
    std::size_t headerTexts;
};

class NoPlotArea : public ::testing::TestWithParam<FlatCase> {};

// A surface that leaves no plot width or height gets a white fill and its
// header block, and no scale is divided by the missing room.
TEST_P(NoPlotArea, WhiteWithHeaderOnly) {
    const FlatCase& c = GetParam();
    TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
    const RecordingSurface s = Draw(c.kind, sheet, c.width, c.height);
    EXPECT_EQ(s.All(Op::FillRect).size(), 1u);
    EXPECT_TRUE(s.All(Op::LineTo).empty());
    EXPECT_TRUE(s.All(Op::Ellipse).empty());
    EXPECT_TRUE(s.All(Op::Polygon).empty());
    EXPECT_EQ(s.All(Op::Text).size(), c.headerTexts);
}

INSTANTIATE_TEST_SUITE_P(Diagram, NoPlotArea,
                         ::testing::Values(FlatCase{"PageExactlyQuarterHigh", Kind::Page, 6000, 1500, 6},
                                           FlatCase{"PageFlatter", Kind::Page, 6000, 1000, 6},
                                           FlatCase{"PictureTiny", Kind::Picture, 150, 150, 6},
                                           FlatCase{"ScreenTiny", Kind::Screen, 100, 100, 0},
                                           FlatCase{"ScreenEmpty", Kind::Screen, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri::drawingtest
