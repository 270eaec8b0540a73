// The header block of the clipboard picture and the printed page: spreader
// make and fertiliser make on the left, the VK and the working width at the
// sheet's own working width setting to their right, the working width naming
// a racetrack driving pattern. Where the style asks for it, makes too long
// for that column are shortened in the middle, never cut off at its edge.
//
// The two lines stand closer than a text line is high in some fonts, and each
// text blanks its own cell; the lower line is written first so that the upper
// one keeps its descenders and blanks only the empty leading above the lower.
#include <algorithm>
#include <string>
#include <vector>

#include "drawing/DiagramRenderer.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/DisplayText.h"

namespace kaldoventri {

namespace {

// The text with as many characters from its middle replaced by "…" as it
// takes to be at most `width` wide; characters are counted in UTF-8.
std::string ShortenedInTheMiddle(DrawingSurface& s, const std::string& text, int width) {
    if (s.TextWidth(text) <= width) return text;
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) starts.push_back(i);
    const int count = static_cast<int>(starts.size());
    starts.push_back(text.size());
    const auto keeping = [&](int kept) {
        const int head = (kept + 1) / 2;
        return text.substr(0, starts[static_cast<std::size_t>(head)]) + "…" +
               text.substr(starts[static_cast<std::size_t>(count - kept / 2)]);
    };
    int fits = 0;
    for (int tooMany = count; tooMany - fits > 1;) {
        const int kept = (fits + tooMany) / 2;
        if (s.TextWidth(keeping(kept)) <= width)
            fits = kept;
        else
            tooMany = kept;
    }
    return keeping(fits);
}

}  // namespace

void DiagramRenderer::DrawHeader(const TNewTabSheet& sheet) {
    DrawingSurface& s = *Target;
    const HeaderLayout& h = Style.header;
    s.SetBrushColour(White);
    s.SetFontColour(Black);

    const std::string spreaderLabel = "Spridarfabrikat: ";
    const std::string fertiliserLabel = "Gödselmedel: ";
    const int origin = h.fromMarginX ? MarginX : 0;
    const int left = origin + h.labelLeft;
    const std::string separator = s.DecimalSeparator();
    const std::int32_t aBredd = sheet.GetABredd();
    const std::string widthText = "Arbetsbredd: " + WorkingWidthText(aBredd, DrivingPatternOf(sheet), separator);
    // A VK that could not be computed reads 0 and must not look like a perfect spread.
    const std::string vkText = "VK: " + (sheet.GetVKComputed(aBredd) ? FormatGeneral(sheet.GetVK(aBredd), separator) + "%"
                                                                     : std::string(MissingFigure));
    std::string spreader = sheet.GetSpridarFabrikat();
    std::string fertiliser = sheet.GetGodselFabrikat();
    if (h.shortenToFit) {
        const int joined = W - 2 * origin - h.resultsOffset - std::max(s.TextWidth(widthText), s.TextWidth(vkText));
        spreader = ShortenedInTheMiddle(s, spreader, joined - s.TextWidth(spreaderLabel));
        fertiliser = ShortenedInTheMiddle(s, fertiliser, joined - s.TextWidth(fertiliserLabel));
    }

    Text(left, h.secondTop, fertiliserLabel);
    Text(left, h.firstTop, spreaderLabel);

    const int valueLeft = left + std::max(s.TextWidth(spreaderLabel), s.TextWidth(fertiliserLabel));
    Text(valueLeft, h.secondTop, fertiliser);
    Text(valueLeft, h.firstTop, spreader);

    const int resultsLeft = origin + h.resultsOffset +
                            std::max(s.TextWidth(spreaderLabel + spreader), s.TextWidth(fertiliserLabel + fertiliser));
    Text(resultsLeft, h.secondTop, widthText);
    Text(resultsLeft, h.firstTop, vkText);
}

}  // namespace kaldoventri
