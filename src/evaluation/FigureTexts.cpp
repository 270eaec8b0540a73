// Texts of the analysis figures.
#include "FigureTexts.h"

#include "NumberText.h"

namespace kaldoventri {

namespace {

std::string Percent(double value, std::string_view separator) { return FormatGeneral(value, separator) + " %"; }

}  // namespace

std::string VKText(const SheetFigures& figures, std::string_view decimalSeparator) {
    return figures.vk ? Percent(*figures.vk, decimalSeparator) : std::string(MissingFigure);
}

std::string ToleranceClassText(const SheetFigures& figures) {
    return std::string(figures.toleranceClass ? ToleranceClassName(*figures.toleranceClass) : MissingFigure);
}

std::string DrivingErrorText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.drivingErrorVK) return std::string(MissingFigure);
    return "högst " + Percent(*figures.drivingErrorVK, decimalSeparator);
}

std::string UsableRangeText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.usableRange) return std::string(MissingFigure);
    return FormatGeneral(figures.usableRange->narrowest, decimalSeparator) + "–" +
           FormatGeneral(figures.usableRange->widest, decimalSeparator) + " m";
}

std::string SideBalanceText(const SheetFigures& figures, std::string_view decimalSeparator) {
    if (!figures.sideBalance) return std::string(MissingFigure);
    return FormatGeneral(figures.sideBalance->left, decimalSeparator) + "/" +
           Percent(figures.sideBalance->right, decimalSeparator);
}

std::string WidthVKText(const TNewTabSheet& sheet, int halfMetres, std::string_view decimalSeparator) {
    const std::string vk =
        sheet.GetVKComputed(halfMetres) ? Percent(sheet.GetVK(halfMetres), decimalSeparator) : std::string(MissingFigure);
    return FormatGeneral(halfMetres / 2.0, decimalSeparator) + " m: VK " + vk;
}

std::string FiguresLine(const SheetFigures& figures, std::string_view decimalSeparator) {
    std::string line = "VK " + VKText(figures, decimalSeparator);
    if (figures.vk && figures.toleranceClass) line += " " + ToleranceClassText(figures);
    line += " · Körfel ±1 m: " + DrivingErrorText(figures, decimalSeparator);
    line += " · VK under 15 %: " + UsableRangeText(figures, decimalSeparator);
    line += " · Sidobalans V/H " + SideBalanceText(figures, decimalSeparator);
    return line;
}

}  // namespace kaldoventri
