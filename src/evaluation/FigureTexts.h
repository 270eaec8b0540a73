// The analysis figures as people read them, in the views, above the VK curve
// and in reports, written with the display texts (DisplayText.h); a figure
// that does not exist reads "–".
#pragma once

#include <string>
#include <string_view>

#include "DisplayText.h"
#include "SheetFigures.h"

namespace kaldoventri {

// "2,2 %"
std::string VKText(const SheetFigures& figures, std::string_view decimalSeparator);
// "Mycket bra"
std::string ToleranceClassText(const SheetFigures& figures);
// "högst 3,4 %"
std::string DrivingErrorText(const SheetFigures& figures, std::string_view decimalSeparator);
// "9–14,5 m"
std::string UsableRangeText(const SheetFigures& figures, std::string_view decimalSeparator);
// "49,6/50,4 %" (left/right)
std::string SideBalanceText(const SheetFigures& figures, std::string_view decimalSeparator);

// The VK at one width of the curve, as the pointer read-out shows it:
// "12,5 m: VK 3,1 %", or "12,5 m: VK –" where it was not computed.
std::string WidthVKText(const TNewTabSheet& sheet, int halfMetres, std::string_view decimalSeparator);

// The figures a sheet with units adds (each empty where it has none):
// "± 0,8" after the VK, "212 kg/ha", "+6 %" with " !" beyond ±5 % and " !!"
// beyond ±10 %, "Doseringen × 0,94".
std::string UncertaintyText(const SheetFigures& figures, std::string_view decimalSeparator);
std::string RateText(const SheetFigures& figures, std::string_view decimalSeparator);
std::string DeviationText(const SheetFigures& figures);
std::string CorrectionText(const SheetFigures& figures, std::string_view decimalSeparator);
// What one amount stands for: "0,1 g", "1 ml".
std::string AmountUnitText(const AmountUnit& unit, std::string_view decimalSeparator);
// A rate in kg/ha as shown: whole kg/ha from 10 up, one decimal below.
double ShownRate(double kgPerHa);

// The pattern's verdict with its advice: "Tyngd vid körspåret (bredda
// spridningen eller kör smalare)", "Tyngd mellan spåren (smala av
// spridningen eller kör bredare)", "Jämnt", or "–".
std::string PatternVerdictText(const SheetFigures& figures);

// The whole line: "VK 2,2 % Mycket bra · Körfel ±1 m: högst 3,4 % · VK under
// 15 %: 9–14,5 m · Sidobalans V/H 49,6/50,4 %".
// With units: "VK 13,2 % ± 0,8 Godtagbar (osäker klass) · ... · Giva 212
// kg/ha, mål 200: +6 % !, Doseringen × 0,94".
std::string FiguresLine(const SheetFigures& figures, std::string_view decimalSeparator);

}  // namespace kaldoventri
