// Texts of the comparison table.
#include "ComparisonTexts.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <utility>

#include "FigureTexts.h"
#include "Rounding.h"

namespace kaldoventri {

namespace {

constexpr std::string_view ReferenceText = "referens";

std::string Missing() { return std::string(MissingFigure); }

}  // namespace

std::string SignedText(double value, std::string_view decimalSeparator) {
    const double shown = RoundHalfEven(value * 10) / 10;
    return (shown > 0 ? "+" : "") + FormatGeneral(shown, decimalSeparator);
}

std::vector<ComparisonTableLine> ComparisonTable(const std::vector<ComparisonRow>& rows,
                                                 std::string_view separator) {
    std::vector<ComparisonTableLine> table;
    const auto line = [&](std::string name, const std::function<std::string(const ComparisonRow&)>& cell) {
        ComparisonTableLine& added = table.emplace_back();
        added.name = std::move(name);
        for (const ComparisonRow& row : rows) added.cells.push_back(cell(row));
    };
    // A difference line: the reference is named, a missing figure reads "–".
    const auto difference = [&](std::string name, std::optional<double> ComparisonRow::*member, std::string_view unit) {
        bool first = true;
        line(std::move(name), [&](const ComparisonRow& row) {
            if (std::exchange(first, false)) return std::string(ReferenceText);
            const std::optional<double>& value = row.*member;
            return value ? SignedText(*value, separator) + std::string(unit) : Missing();
        });
    };

    line("Prov", [](const ComparisonRow& row) { return row.title; });
    line("Arbetsbredd", [&](const ComparisonRow& row) { return MetresText(row.workingWidth, separator); });
    line("VK", [&](const ComparisonRow& row) { return VKText(row.figures, separator); });
    line("Klass", [](const ComparisonRow& row) { return ToleranceClassText(row.figures); });
    line("Optimal bredd", [&](const ComparisonRow& row) {
        return row.optimalWidth ? MetresText(*row.optimalWidth, separator) : Missing();
    });
    line("Optimal VK", [&](const ComparisonRow& row) {
        return row.optimalVK ? PercentText(*row.optimalVK, separator) : Missing();
    });
    line("Körfel ±1 m", [&](const ComparisonRow& row) { return DrivingErrorText(row.figures, separator); });
    line("VK under 15 %", [&](const ComparisonRow& row) { return UsableRangeText(row.figures, separator); });
    line("Sidobalans V/H", [&](const ComparisonRow& row) { return SideBalanceText(row.figures, separator); });
    const bool anyUnits = std::any_of(rows.begin(), rows.end(), [](const ComparisonRow& r) { return r.figures.rate.has_value(); });
    if (anyUnits) {
        line("Giva", [&](const ComparisonRow& row) { return row.rate ? RateText(row.figures, separator) : Missing(); });
        line("Korrigering", [&](const ComparisonRow& row) {
            return row.correction ? "× " + FormatGeneral(RoundHalfEven(*row.correction * 100) / 100, separator) : Missing();
        });
    }
    line("Mönster", [](const ComparisonRow& row) {
        return row.figures.pattern ? PatternWords(row.figures.pattern) : Missing();
    });
    if (rows.size() > 1) {
        difference("Δ VK", &ComparisonRow::deltaVK, " %-enheter");
        difference("Δ optimal bredd", &ComparisonRow::deltaOptimalWidth, " m");
        if (anyUnits) difference("Δ giva", &ComparisonRow::deltaRate, " %");
    }
    return table;
}

}  // namespace kaldoventri
