// Two to four evaluated tests side by side: each test's figures and, for
// every test after the first (the reference), how far it lies from the
// reference; and the measured patterns on one scale, so that tests of other
// layouts, kits and amounts can be laid over each other.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "SheetFigures.h"
#include "TNewTabSheet.h"

namespace kaldoventri {

inline constexpr int FewestComparedTests = 2;
inline constexpr int MostComparedTests = 4;

struct ComparisonRow {
    std::string title;
    double workingWidth = 0.0;  // metres
    SheetFigures figures;
    std::optional<double> optimalWidth;  // metres, only where its VK was computed
    std::optional<double> optimalVK;
    std::optional<double> rate;        // kg/ha at the working width, for a test with units
    std::optional<double> correction;  // target / rate
    // Against the reference, none for the reference itself and wherever
    // either figure does not exist.
    std::optional<double> deltaVK;            // percentage points
    std::optional<double> deltaOptimalWidth;  // metres
    std::optional<double> deltaRate;          // percent of the reference's rate
};

// One row per sheet, the first the reference. Every sheet is read as its
// last evaluation left it (at its own working width).
std::vector<ComparisonRow> CompareSheets(const std::vector<const TNewTabSheet*>& evaluated);

// The measured patterns: per test one point per tray, position in metres
// and the amount either as percent of that test's own mean over the trays
// within ±W/4 of the centre (W its working width), or in kg/ha when every
// test has a tray area and unit.
enum class PatternScale { Percent, KgPerHa };

struct PatternPoint {
    double position;
    double value;
};

struct ScaledPatterns {
    PatternScale scale = PatternScale::Percent;
    // A test whose centre trays caught nothing (no mean to scale by) has no points.
    std::vector<std::vector<PatternPoint>> curves;
};

ScaledPatterns ScalePatterns(const std::vector<const TNewTabSheet*>& sheets);

}  // namespace kaldoventri
