// The header block of the clipboard picture and the printed page: spreader
// make and fertiliser make on the left, the VK and the working width at the
// sheet's own working width setting to their right, the working width naming
// a racetrack driving pattern.
//
// The two lines stand closer than a text line is high in some fonts, and each
// text blanks its own cell; the lower line is written first so that the upper
// one keeps its descenders and blanks only the empty leading above the lower.
#include <algorithm>
#include <string>

#include "drawing/DiagramRenderer.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/DisplayText.h"

namespace kaldoventri {

void DiagramRenderer::DrawHeader(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    const HeaderLayout& h = Style.header;
    s.SetBrushColour(White);
    s.SetFontColour(Black);

    const std::string spreaderLabel = "Spridarfabrikat: ";
    const std::string fertiliserLabel = "Gödselmedel: ";
    const int origin = h.fromMarginX ? MarginX : 0;
    const int left = origin + h.labelLeft;
    Text(left, h.secondTop, fertiliserLabel);
    Text(left, h.firstTop, spreaderLabel);

    const int valueLeft = left + std::max(s.TextWidth(spreaderLabel), s.TextWidth(fertiliserLabel));
    Text(valueLeft, h.secondTop, sheet.GetGodselFabrikat());
    Text(valueLeft, h.firstTop, sheet.GetSpridarFabrikat());

    const int resultsLeft = origin + h.resultsOffset +
                            std::max(s.TextWidth(spreaderLabel + sheet.GetSpridarFabrikat()),
                                     s.TextWidth(fertiliserLabel + sheet.GetGodselFabrikat()));
    const std::string separator = s.DecimalSeparator();
    const std::int32_t aBredd = sheet.GetABredd();
    Text(resultsLeft, h.secondTop, "Arbetsbredd: " + WorkingWidthText(aBredd, DrivingPatternOf(sheet), separator));
    // A VK that could not be computed reads 0 and must not look like a perfect spread.
    const std::string vk = sheet.GetVKComputed(aBredd) ? FormatGeneral(sheet.GetVK(aBredd), separator) + "%"
                                                       : std::string(MissingFigure);
    Text(resultsLeft, h.firstTop, "VK: " + vk);
}

}  // namespace kaldoventri
