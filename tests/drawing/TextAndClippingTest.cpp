// The header's number format against printf's "%.15g", and the clipping that
// keeps far coordinates away from the raster engine.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "evaluation/DisplayText.h"
#include "drawing/SurfaceClipping.h"

namespace kaldoventri {
namespace {

TEST(FormatGeneral, MatchesPrintfGeneralWith15Digits) {
    for (const double v : {0.0, 6.8, 12.0, 12.5, 0.1 + 0.2, 1.0 / 3, 2.2, 100.0, 1e15, 1e16, 123456789012345678.0,
                           1e-5, 0.0001, -0.5, 4.35, 1e300, -1e-300}) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.15g", v);
        EXPECT_EQ(FormatGeneral(v, "."), expected) << v;
    }
}

TEST(FormatGeneral, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatGeneral(6.8, ","), "6,8");
    EXPECT_EQ(FormatGeneral(12.5, ","), "12,5");
    EXPECT_EQ(FormatGeneral(12, ","), "12");
    EXPECT_EQ(FormatGeneral(1234567.25, ","), "1234567,25");  // no group separators
    EXPECT_EQ(FormatGeneral(0.5, "\xd9\xab"), "0\xd9\xab" "5");
}

struct SegmentCase {
    const char* name;
    ClipPoint a, b;
    bool visible;
    ClipPoint clippedA, clippedB;
};

class Segment : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(Segment, ClippedToTheBox) {
    const SegmentCase& c = GetParam();
    const ClipBox box{0, 0, 100, 50};
    ClipPoint a = c.a;
    ClipPoint b = c.b;
    ASSERT_EQ(ClipSegment(a, b, box), c.visible);
    if (!c.visible) return;
    EXPECT_NEAR(a.x, c.clippedA.x, 1e-9);
    EXPECT_NEAR(a.y, c.clippedA.y, 1e-9);
    EXPECT_NEAR(b.x, c.clippedB.x, 1e-9);
    EXPECT_NEAR(b.y, c.clippedB.y, 1e-9);
}

constexpr double Far = 1e12;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Clipping, Segment,
    ::testing::Values(SegmentCase{"Inside", {10, 10}, {90, 40}, true, {10, 10}, {90, 40}},
                      SegmentCase{"LeavesRight", {50, 20}, {Far, 20}, true, {50, 20}, {100, 20}},
                      SegmentCase{"ComesFromAbove", {30, -Far}, {30, 25}, true, {30, 0}, {30, 25}},
                      SegmentCase{"CrossesAll", {-50, 25}, {150, 25}, true, {0, 25}, {100, 25}},
                      SegmentCase{"Diagonal", {-10, -10}, {60, 60}, true, {0, 0}, {50, 50}},
                      SegmentCase{"Outside", {-10, 60}, {200, 60}, false, {}, {}},
                      SegmentCase{"MissesTheCorner", {90, -20}, {130, 20}, false, {}, {}},
                      SegmentCase{"PointInside", {5, 5}, {5, 5}, true, {5, 5}, {5, 5}},
                      SegmentCase{"NotANumber", {NaN, 5}, {5, 5}, false, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

double Area(const std::vector<ClipPoint>& p) {
    double a = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const ClipPoint& u = p[i];
        const ClipPoint& v = p[(i + 1) % p.size()];
        a += u.x * v.y - v.x * u.y;
    }
    return std::fabs(a) / 2;
}

TEST(Clipping, PolygonKeepsItsVisiblePart) {
    const ClipBox box{0, 0, 100, 50};
    const std::vector<ClipPoint> inside = {{10, 10}, {30, 10}, {20, 30}};
    EXPECT_DOUBLE_EQ(Area(ClipPolygon(inside, box)), Area(inside));
    // A square half beyond the right edge keeps its left half.
    const std::vector<ClipPoint> half = {{80, 10}, {120, 10}, {120, 40}, {80, 40}};
    const auto clipped = ClipPolygon(half, box);
    EXPECT_DOUBLE_EQ(Area(clipped), 20.0 * 30);
    for (const ClipPoint& p : clipped) EXPECT_LE(p.x, 100);
    // A triangle with one corner far away: the visible part is a quadrilateral inside the box.
    const auto spike = ClipPolygon({{10, 10}, {30, 10}, {10, Far}}, box);
    for (const ClipPoint& p : spike) {
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 50);
    }
    EXPECT_NEAR(Area(spike), 20.0 * 40, 1e-3);
    EXPECT_TRUE(ClipPolygon({{200, 200}, {300, 200}, {250, 300}}, box).empty());
    EXPECT_TRUE(ClipPolygon({{NaN, 1}, {3, 1}, {2, 2}}, box).empty());
}

}  // namespace
}  // namespace kaldoventri
