// The comparison's figures and scaled patterns.
#include "Comparison.h"

#include <algorithm>
#include <cmath>

#include "ApplicationRate.h"
#include "TrayKit.h"
#include "WorkingWidth.h"

namespace kaldoventri {

namespace {

std::optional<double> Difference(const std::optional<double>& value, const std::optional<double>& reference) {
    if (!value || !reference) return std::nullopt;
    return *value - *reference;
}

// The optimum counts only where the curve holds a computed VK for it: an
// optimum not computed reads 0 and would compare as a perfect test.
void FillOptimum(const TNewTabSheet& sheet, ComparisonRow& row) {
    if (!sheet.HasOptimum()) return;
    const double twice = sheet.GetOptimalWidth() * HalfMetresPerMetre;
    if (!(twice >= FirstCurveWidth && twice <= LastCurveWidthOf(sheet)) || twice != std::floor(twice)) return;
    if (!sheet.GetVKComputed(static_cast<int>(twice))) return;
    row.optimalWidth = sheet.GetOptimalWidth();
    row.optimalVK = sheet.GetOptimalVK();
}

ComparisonRow RowOf(const TNewTabSheet& sheet) {
    ComparisonRow row;
    row.title = sheet.GetTitle();
    row.workingWidth = static_cast<double>(sheet.GetABredd()) / HalfMetresPerMetre;
    row.figures = ComputeSheetFigures(sheet);
    FillOptimum(sheet, row);
    row.rate = row.figures.rate;
    if (row.figures.target) row.correction = row.figures.target->correction;
    return row;
}

}  // namespace

std::vector<ComparisonRow> CompareSheets(const std::vector<const TNewTabSheet*>& evaluated) {
    std::vector<ComparisonRow> rows;
    rows.reserve(evaluated.size());
    for (const TNewTabSheet* sheet : evaluated) rows.push_back(RowOf(*sheet));
    if (rows.empty()) return rows;
    const ComparisonRow& reference = rows.front();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        ComparisonRow& row = rows[i];
        row.deltaVK = Difference(row.figures.vk, reference.figures.vk);
        row.deltaOptimalWidth = Difference(row.optimalWidth, reference.optimalWidth);
        if (row.rate && reference.rate && *reference.rate > 0.0) {
            const double percent = (*row.rate / *reference.rate - 1) * 100;
            if (std::isfinite(percent)) row.deltaRate = percent;
        }
    }
    return rows;
}

ScaledPatterns ScalePatterns(const std::vector<const TNewTabSheet*>& sheets) {
    ScaledPatterns patterns;
    const bool allRated = !sheets.empty() && std::all_of(sheets.begin(), sheets.end(), [](const TNewTabSheet* s) {
        return KgPerHaPerUnit(s->GetUnits()).has_value();
    });
    patterns.scale = allRated ? PatternScale::KgPerHa : PatternScale::Percent;
    for (const TNewTabSheet* sheet : sheets) {
        std::vector<PatternPoint>& curve = patterns.curves.emplace_back();
        double factor = 0.0;
        if (allRated) {
            factor = *KgPerHaPerUnit(sheet->GetUnits());
        } else {
            // W/4 with W = ABredd / 2 metres.
            const double reach = sheet->GetABredd() / 8.0;
            double total = 0.0;
            int count = 0;
            for (int tray = 1; tray <= sheet->GetTrayCount(); ++tray) {
                const double p = sheet->GetTrayPosition(tray);
                if (!(-reach <= p && p <= reach)) continue;
                total += sheet->GetTrayAmount(tray);
                ++count;
            }
            if (count == 0 || !(total > 0.0)) continue;
            factor = 100.0 / (total / count);
        }
        curve.reserve(static_cast<std::size_t>(sheet->GetTrayCount()));
        for (int tray = 1; tray <= sheet->GetTrayCount(); ++tray)
            curve.push_back({sheet->GetTrayPosition(tray), sheet->GetTrayAmount(tray) * factor});
    }
    return patterns;
}

}  // namespace kaldoventri
