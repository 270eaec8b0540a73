// A machine's history drawn: each test at its date and VK, inside the band
// of its tolerance class, and the correction factor only where tests have one.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "RecordingSurface.h"
#include "drawing/HistoryPlotRenderer.h"
#include "drawing/VKCurveStyle.h"

namespace kaldoventri {
namespace {

using drawingtest::Op;
using drawingtest::Primitive;
using drawingtest::RecordingSurface;

struct HistoryCase {
    const char* name;
    std::vector<HistoryTest> tests;
    std::size_t correctionPoints;
};

class HistoryPlot : public testing::TestWithParam<HistoryCase> {};

int CentreY(const Primitive& p) { return (p.y1 + p.y2 - 1) / 2; }
int CentreX(const Primitive& p) { return (p.x1 + p.x2 - 1) / 2; }

TEST_P(HistoryPlot, PlacesEachTestAtItsDateAndVKInItsBand) {
    const HistoryCase& row = GetParam();
    const auto history = OneMachineHistory(row.tests);
    ASSERT_TRUE(history);
    RecordingSurface surface(600, 300);
    DrawMachineHistory(surface, *history);

    const auto points = surface.Points(VKCurveColour);
    ASSERT_EQ(points.size(), history->points.size());
    std::vector<Primitive> bands;
    for (const Primitive& fill : surface.All(Op::FillRect))
        if (std::find(std::begin(VKBandColours), std::end(VKBandColours), fill.brush) != std::end(VKBandColours))
            bands.push_back(fill);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0) {
            // Later tests further right; a higher VK higher up.
            EXPECT_GT(CentreX(points[i]), CentreX(points[i - 1]));
            EXPECT_EQ(CentreY(points[i]) < CentreY(points[i - 1]), *history->points[i].vk > *history->points[i - 1].vk);
        }
        const double vk = *history->points[i].vk;
        const int band = vk < 5 ? 0 : vk < 10 ? 1 : vk < 15 ? 2 : 3;
        const auto inside = std::find_if(bands.begin(), bands.end(), [&](const Primitive& b) {
            return b.brush == VKBandColours[band] && CentreY(points[i]) >= b.y1 && CentreY(points[i]) < b.y2;
        });
        EXPECT_NE(inside, bands.end()) << "test " << i << " at VK " << vk;
    }
    std::size_t squares = 0;
    for (const Primitive& box : surface.All(Op::Rectangle)) squares += box.brush == HistoryCorrectionColour;
    EXPECT_EQ(squares, row.correctionPoints);
    const auto texts = surface.Texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Historik: Amazone ZA-M – Ekgården"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Korrektionsfaktor") != texts.end(), row.correctionPoints > 0);

    // The correction axis: five labels, four equal round steps, around every factor.
    std::vector<double> labels;
    for (std::string text : texts)
        if (const auto comma = text.find(surface.DecimalSeparator()); comma != std::string::npos)
            labels.push_back(std::stod(text.replace(comma, surface.DecimalSeparator().size(), ".")));
    if (row.correctionPoints == 0) return;
    ASSERT_EQ(labels.size(), 5u);
    const double step = labels[1] - labels[0];
    const double magnitude = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double multiple = step / magnitude;
    EXPECT_TRUE(std::fabs(multiple - 1) < 1e-6 || std::fabs(multiple - 2) < 1e-6 || std::fabs(multiple - 2.5) < 1e-6 ||
                std::fabs(multiple - 5) < 1e-6)
        << "step " << step;
    for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_NEAR(labels[i] - labels[i - 1], step, 1e-9);
    for (const HistoryPoint& point : history->points) {
        if (point.correction) EXPECT_TRUE(*point.correction > labels.front() && *point.correction < labels.back());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Machines, HistoryPlot,
    testing::Values(HistoryCase{"WithCorrections",
                                {{"2026-05-02", "Amazone", "ZA-M", "Ekgården", 12.5, 1.04},
                                 {"2024-11-30", "Amazone", "ZA-M", "Ekgården", 3.2, {}},
                                 {"2025-06-15", "Amazone", "ZA-M", "Ekgården", 7.9, 0.97}},
                                2},
                    HistoryCase{"WideCorrections",
                                {{"2022-04-20", "Amazone", "ZA-M", "Ekgården", 6.9, 1.132},
                                 {"2023-04-11", "Amazone", "ZA-M", "Ekgården", 4.8, 1.07},
                                 {"2026-04-12", "Amazone", "ZA-M", "Ekgården", 4.2, 0.884}},
                                3},
                    HistoryCase{"WithoutUnits",
                                {{"2025-01-10", "Amazone", "ZA-M", "Ekgården", 16.0, {}},
                                 {"2025-01-20", "Amazone", "ZA-M", "Ekgården", 4.0, {}}},
                                0}),
    [](const testing::TestParamInfo<HistoryCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kaldoventri
