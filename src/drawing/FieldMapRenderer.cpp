#include "drawing/FieldMapRenderer.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "evaluation/DisplayText.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"

namespace kaldoventri {

namespace {

constexpr const char* AsDrivenCaption = "Som kört";
constexpr const char* DriftedCaption = "Körfel 1 m";
constexpr const char* LowestStep = "under 80 %";
constexpr const char* HighestStep = "över 120 %";
constexpr const char* StepLimits[FieldMapSteps - 1] = {"80", "85", "90", "95", "105", "110", "115", "120"};

}  // namespace

void FieldMapRenderer::Draw(const TNewTabSheet* sheet, DrawingSurface& surface) {
    Target = &surface;
    Placed = Bands();
    surface.SetBrushColour(White);
    surface.FillRect(0, 0, surface.Width(), surface.Height());
    if (sheet == nullptr) return;
    if (Style.fontPoints > 0) surface.SetFontSize(Style.fontPoints);
    surface.SetFontColour(Black);
    surface.SetPenColour(Black);
    TextHeight = surface.TextHeight("0");
    const std::string separator = surface.DecimalSeparator();

    const std::string title = "Fältbild vid " + WidthText(sheet->GetABredd(), separator) + ": VK " +
                              VKText(ComputeSheetFigures(*sheet), separator);
    surface.TextOut(Style.padding, Style.padding, title);

    const int legendTop = Style.padding + TextHeight + Style.gap;
    const int bandsTop = legendTop + 2 * TextHeight + 2 * Style.gap;
    const int scaleHeight = Style.tickLength + Style.gap + TextHeight;
    const int bandHeight = (surface.Height() - Style.padding - scaleHeight - bandsTop - Style.gap) / 2;
    const int captionWidth = std::max(surface.TextWidth(AsDrivenCaption), surface.TextWidth(DriftedCaption));
    Placed.left = Style.padding + captionWidth + Style.gap;
    // The scale's outer labels stand half beyond the band's ends.
    Placed.right = surface.Width() - Style.padding - surface.TextWidth("−00 m") / 2;
    if (bandHeight < TextHeight || Placed.right - Placed.left < 50) return;

    const FieldMap map = ComputeFieldMap(*sheet, Placed.right - Placed.left);
    if (!map.asDriven || !map.driftedOut) return;
    DrawLegend(legendTop);
    const FieldMapBand* bands[2] = {&*map.asDriven, &*map.driftedOut};
    const char* captions[2] = {AsDrivenCaption, DriftedCaption};
    for (int b = 0; b < 2; ++b) {
        Placed.top[b] = bandsTop + b * (bandHeight + Style.gap);
        Placed.bottom[b] = Placed.top[b] + bandHeight;
        DrawBand(*bands[b], Placed.top[b], Placed.bottom[b]);
        surface.SetBrushColour(White);
        surface.TextOut(Style.padding, (Placed.top[b] + Placed.bottom[b] - TextHeight) / 2, captions[b]);
        DrawTramlines(map, b, b == 1 ? map.width + FieldMapDrivingError : map.width);
    }
    DrawScale(map, Placed.bottom[1]);
    Placed.drawn = true;
}

int FieldMapRenderer::XOf(const FieldMap& map, double metres) const {
    return Placed.left + static_cast<int>(std::lround((metres + map.halfSpan) / (2 * map.halfSpan) *
                                                      (Placed.right - Placed.left)));
}

void FieldMapRenderer::DrawLegend(int top) {
    DrawingSurface& s = *Target;
    const int lowWidth = s.TextWidth(LowestStep), highWidth = s.TextWidth(HighestStep);
    const int room = s.Width() - 2 * Style.padding - lowWidth - highWidth - 2 * Style.gap;
    const int cell = std::clamp(room / FieldMapSteps, 1, s.TextWidth("115") + 3 * Style.gap);
    const int cellsLeft = Style.padding + lowWidth + Style.gap;
    s.SetBrushColour(White);
    s.TextOut(Style.padding, top, LowestStep);
    s.TextOut(cellsLeft + FieldMapSteps * cell + Style.gap, top, HighestStep);
    s.SetPenColour({150, 150, 150});
    s.SetPenWidth(1);
    for (int step = 0; step < FieldMapSteps; ++step) {
        s.SetBrushColour(FieldMapColours[step]);
        s.Rectangle(cellsLeft + step * cell, top, cellsLeft + (step + 1) * cell + 1, top + TextHeight);
    }
    // Limits under the cells' borders, where they do not crowd each other.
    if (cell < s.TextWidth("115") + Style.gap) return;
    s.SetBrushColour(White);
    for (int limit = 0; limit < FieldMapSteps - 1; ++limit) {
        const int x = cellsLeft + (limit + 1) * cell;
        s.TextOut(x - s.TextWidth(StepLimits[limit]) / 2, top + TextHeight + 1, StepLimits[limit]);
    }
}

void FieldMapRenderer::DrawBand(const FieldMapBand& band, int top, int bottom) {
    DrawingSurface& s = *Target;
    // Runs of one colour as one box each: a few dozen instead of a box a column.
    const int columns = static_cast<int>(band.percent.size());
    int start = 0;
    for (int c = 1; c <= columns; ++c) {
        const int step = FieldMapStep(band.percent[static_cast<std::size_t>(start)]);
        if (c < columns && FieldMapStep(band.percent[static_cast<std::size_t>(c)]) == step) continue;
        s.SetBrushColour(step < 0 ? FieldMapNoFigureColour : FieldMapColours[step]);
        s.FillRect(Placed.left + start, top, Placed.left + c, bottom);
        start = c;
    }
}

void FieldMapRenderer::DrawTramlines(const FieldMap& map, int band, double shiftedCentre) {
    DrawingSurface& s = *Target;
    s.SetPenColour(Black);
    s.SetPenWidth(Style.tramlinePen);
    for (int k = -2; k <= 2; ++k) {
        const double centre = k == 1 ? shiftedCentre : k * map.width;
        if (std::abs(centre) > map.halfSpan) continue;
        const int x = std::clamp(XOf(map, centre), Placed.left, Placed.right - 1);
        s.MoveTo(x, Placed.top[band]);
        s.LineTo(x, Placed.bottom[band] - 1);
    }
    s.SetPenWidth(1);
}

void FieldMapRenderer::DrawScale(const FieldMap& map, int top) {
    DrawingSurface& s = *Target;
    const std::string separator = s.DecimalSeparator();
    s.SetPenColour(Black);
    s.SetPenWidth(1);
    s.SetBrushColour(White);
    for (int k = -2; k <= 2; ++k) {
        const int x = std::clamp(XOf(map, k * map.width), Placed.left, Placed.right - 1);
        s.MoveTo(x, top);
        s.LineTo(x, top + Style.tickLength);
        std::string label = MetresText(k * map.width, separator);
        if (k < 0) label = "−" + label.substr(label.front() == '-' ? 1 : 0);
        s.TextOut(x - s.TextWidth(label) / 2, top + Style.tickLength + Style.gap / 2, label);
    }
}

}  // namespace kaldoventri
