// Texts of the analysis figures.
#include "FigureTexts.h"

#include <cmath>

#include "Rounding.h"

namespace kaldoventri {

std::string VKText(const SheetFigures& figures, std::string_view decimalSeparator) {
    return figures.vk ? PercentText(*figures.vk, decimalSeparator) : std::string(MissingFigure);
}

std::string ToleranceClassText(const SheetFigures& figures) {
    return std::string(figures.toleranceClass ? ToleranceClassName(*figures.toleranceClass) : MissingFigure);
}

std::string DrivingErrorText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.drivingErrorVK) return std::string(MissingFigure);
    return "högst " + PercentText(*figures.drivingErrorVK, decimalSeparator);
}

std::string UsableRangeText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.usableRange) return std::string(MissingFigure);
    return FormatGeneral(figures.usableRange->narrowest, decimalSeparator) + "–" +
           MetresText(figures.usableRange->widest, decimalSeparator);
}

std::string SideBalanceText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.sideBalance) return std::string(MissingFigure);
    return FormatGeneral(figures.sideBalance->left, decimalSeparator) + "/" +
           PercentText(figures.sideBalance->right, decimalSeparator);
}

std::string WidthVKText(const TNewTabSheet& sheet, int halfMetres, std::string_view decimalSeparator) {
    const std::string vk =
        sheet.GetVKComputed(halfMetres) ? PercentText(sheet.GetVK(halfMetres), decimalSeparator) : std::string(MissingFigure);
    return WidthText(halfMetres, decimalSeparator) + ": VK " + vk;
}

double ShownRate(double kgPerHa) {
    return std::fabs(kgPerHa) >= 10 ? RoundHalfEven(kgPerHa) : RoundHalfEven(kgPerHa * 10) / 10;
}

std::string AmountUnitText(const AmountUnit& unit, std::string_view decimalSeparator) {
    return FormatGeneral(unit.size, decimalSeparator) + (unit.kind == AmountKind::Mass ? " g" : " ml");
}

std::string UncertaintyText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.vkUncertainty) return {};
    return "± " + FormatGeneral(RoundHalfEven(*figures.vkUncertainty * 10) / 10, decimalSeparator);
}

std::string RateText(const SheetFigures& figures, std::string_view decimalSeparator) {
    return figures.rate ? FormatGeneral(ShownRate(*figures.rate), decimalSeparator) + " kg/ha" : std::string();
}

std::string DeviationText(const SheetFigures& figures) {
    if (!figures.target) return {};
    const double whole = RoundHalfEven(figures.target->deviationPercent);
    std::string text = (whole > 0 ? "+" : "") + FormatGeneral(whole, ".") + " %";
    if (figures.target->mark == DeviationMark::Beyond5) text += " !";
    if (figures.target->mark == DeviationMark::Beyond10) text += " !!";
    return text;
}

std::string CorrectionText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.target || !figures.target->correction) return {};
    return "Doseringen × " + FormatGeneral(RoundHalfEven(*figures.target->correction * 100) / 100, decimalSeparator);
}

std::string PatternVerdictText(const SheetFigures& figures) {
    if (!figures.pattern) return std::string(MissingFigure);
    switch (figures.pattern->kind) {
        case PatternKind::HeavyAtTramline: return PatternWords(figures.pattern) + " (bredda spridningen eller kör smalare)";
        case PatternKind::HeavyBetween: return PatternWords(figures.pattern) + " (smala av spridningen eller kör bredare)";
        case PatternKind::Even: break;
    }
    return PatternWords(figures.pattern);
}

std::string FiguresLine(const SheetFigures& figures, std::string_view decimalSeparator) {
    std::string line = "VK " + VKText(figures, decimalSeparator);
    if (figures.vk && figures.vkUncertainty) line += " " + UncertaintyText(figures, decimalSeparator);
    if (figures.vk && figures.toleranceClass) line += " " + ToleranceClassText(figures);
    if (figures.vk && figures.toleranceClass && figures.classUncertain) line += " (osäker klass)";
    line += " · Körfel ±1 m: " + DrivingErrorText(figures, decimalSeparator);
    line += " · VK under " + PercentText(UsableVKLimit, decimalSeparator) + ": " + UsableRangeText(figures, decimalSeparator);
    line += " · Sidobalans V/H " + SideBalanceText(figures, decimalSeparator);
    line += " · Mönster: " + PatternVerdictText(figures);
    if (figures.rate) line += " · Giva " + RateText(figures, decimalSeparator);
    if (figures.rate && figures.target) {
        line += ", mål " + FormatGeneral(figures.target->target, decimalSeparator) + ": " + DeviationText(figures);
        if (figures.target->correction) line += ", " + CorrectionText(figures, decimalSeparator);
    }
    return line;
}

}  // namespace kaldoventri
