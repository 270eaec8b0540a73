// Texts of the analysis figures.
#include "FigureTexts.h"

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

std::string FiguresLine(const SheetFigures& figures, std::string_view decimalSeparator) {
    std::string line = "VK " + VKText(figures, decimalSeparator);
    if (figures.vk && figures.toleranceClass) line += " " + ToleranceClassText(figures);
    line += " · Körfel ±1 m: " + DrivingErrorText(figures, decimalSeparator);
    line += " · VK under " + PercentText(UsableVKLimit, decimalSeparator) + ": " + UsableRangeText(figures, decimalSeparator);
    line += " · Sidobalans V/H " + SideBalanceText(figures, decimalSeparator);
    return line;
}

}  // namespace kaldoventri
