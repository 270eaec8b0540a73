// The lines above the VK curve's plot: the figures, wrapped to the surface,
// and the legend, a swatch and a name for each tolerance band and for the bar
// of the optimum search range, at the top right: beside the figures where it
// fits there, else in as many rows as the surface's width asks for.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/VKCurveRenderer.h"
#include "evaluation/DisplayText.h"

namespace kaldoventri {

namespace {

constexpr std::string_view SearchRangeName = "Sökområde för optimum";

struct LegendEntry {
    Colour colour;
    std::string_view name;
    bool bar;  // drawn as the search range's bar, not as a band's square
};

constexpr std::string_view UncertaintyName = "VK ± osäkerhet";
constexpr std::string_view FurtherPassesName = "Fler drag räknas";

// The last two entries are shown only with their bar or band.
const std::array<LegendEntry, 7>& LegendEntries() {
    static const std::array<LegendEntry, 7> entries = {{
        {VKBandColours[0], ToleranceClassName(ToleranceClass::MycketBra), false},
        {VKBandColours[1], ToleranceClassName(ToleranceClass::Bra), false},
        {VKBandColours[2], ToleranceClassName(ToleranceClass::Godtagbar), false},
        {VKBandColours[3], ToleranceClassName(ToleranceClass::Otillracklig), false},
        {VKSearchRangeColour, SearchRangeName, true},
        {VKFurtherPassesColour, FurtherPassesName, true},
        {VKUncertaintyColour, UncertaintyName, false},
    }};
    return entries;
}

int SwatchSize(int textHeight) { return textHeight * 3 / 5; }

int EntryGap(const VKCurveStyle& style) { return 3 * style.labelGap; }

std::vector<LegendEntry> ShownEntries(bool band, bool further) {
    std::vector<LegendEntry> shown(LegendEntries().begin(), LegendEntries().begin() + 5);
    if (further) shown.push_back(LegendEntries()[5]);
    if (band) shown.push_back(LegendEntries()[6]);
    return shown;
}

}  // namespace

void VKCurveRenderer::BreakTheLegend(int room) {
    LegendRows.clear();
    LegendWidth = 0;
    int row = 0;
    for (const LegendEntry& entry : ShownEntries(BandShown, !FurtherPassWidths.empty())) {
        const int width = SwatchSize(TextHeight) + Style.labelGap + Target->TextWidth(entry.name);
        if (!LegendRows.empty() && row + EntryGap(Style) + width <= room) {
            row += EntryGap(Style) + width;
            ++LegendRows.back();
        } else {
            LegendRows.push_back(1);
            row = width;
        }
        LegendWidth = std::max(LegendWidth, row);
    }
}

void VKCurveRenderer::WrapFigures(const std::string& figures, int room) {
    static const std::string separator = " · ";
    FigureLines.clear();
    std::size_t start = 0;
    while (start <= figures.size()) {
        const std::size_t end = figures.find(separator, start);
        const std::string part = figures.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!FigureLines.empty() && Target->TextWidth(FigureLines.back() + separator + part) <= room)
            FigureLines.back() += separator + part;
        else
            FigureLines.push_back(part);
        if (end == std::string::npos) break;
        start = end + separator.size();
    }
}

// Gives the number of text lines above the plot. `figuresEnd` is where the
// figures line ends, or -1 without one. A legend too wide for one line of
// the surface takes as many rows as it needs rather than going.
int VKCurveRenderer::PlaceTheLegend(int figuresEnd) {
    const int right = Target->Width() - Style.padding;
    BreakTheLegend(right - Style.padding);
    const bool figures = figuresEnd >= 0;
    const int rows = static_cast<int>(LegendRows.size());
    LegendLeft = right - LegendWidth;
    LegendTop = Style.padding;
    if (figures && rows == 1 && figuresEnd + EntryGap(Style) <= LegendLeft) return 1;
    if (LegendLeft >= Style.padding) {
        if (!figures) return rows;
        LegendTop += TextHeight + Style.labelGap;
        return 1 + rows;
    }
    LegendLeft = -1;
    return figures ? 1 : 0;
}

void VKCurveRenderer::DrawLegend() {
    if (LegendLeft < 0) return;
    DrawingSurface& s = *Target;
    const int side = SwatchSize(TextHeight);
    const std::vector<LegendEntry> entries = ShownEntries(BandShown, !FurtherPassWidths.empty());
    std::size_t next = 0;
    for (std::size_t row = 0; row < LegendRows.size(); ++row) {
        const int top = LegendTop + static_cast<int>(row) * (TextHeight + Style.labelGap);
        const int middle = top + TextHeight / 2;
        int x = LegendLeft;
        for (int i = 0; i < LegendRows[row]; ++i) {
            const LegendEntry& entry = entries[next++];
            s.SetBrushColour(entry.colour);
            if (entry.bar) {
                s.SetPenColour(entry.colour);
                s.SetPenWidth(1);
                s.Rectangle(x, middle - Style.searchBar / 2, x + side, middle - Style.searchBar / 2 + Style.searchBar);
            } else {
                s.SetPenColour(VKSwatchOutlineColour);
                s.SetPenWidth(Style.axisPen);
                s.Rectangle(x, middle - side / 2, x + side, middle - side / 2 + side);
            }
            x += side + Style.labelGap;
            Label(x, top, std::string(entry.name));
            x += s.TextWidth(entry.name) + EntryGap(Style);
        }
    }
}

}  // namespace kaldoventri
