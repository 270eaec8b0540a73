// The lines above the VK curve's plot: the figures, wrapped to the surface,
// and the legend, a swatch and a name for each tolerance band and for the bar
// of the optimum search range, in one line at the top right. The legend is
// left out where one line of the surface cannot hold it, rather than taking
// the plot's height.
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

int VKCurveRenderer::LegendWidth() {
    int width = -EntryGap(Style);
    for (const LegendEntry& entry : ShownEntries(BandShown, !FurtherPassWidths.empty()))
        width += EntryGap(Style) + SwatchSize(TextHeight) + Style.labelGap + Target->TextWidth(entry.name);
    return width;
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
// figures line ends, or -1 without one.
int VKCurveRenderer::PlaceTheLegend(int figuresEnd) {
    const int right = Target->Width() - Style.padding;
    const int width = LegendWidth();
    const bool figures = figuresEnd >= 0;
    LegendLeft = right - width;
    LegendTop = Style.padding;
    if (figures && figuresEnd + EntryGap(Style) <= LegendLeft) return 1;
    if (LegendLeft >= Style.padding) {
        if (!figures) return 1;
        LegendTop += TextHeight + Style.labelGap;
        return 2;
    }
    LegendLeft = -1;
    return figures ? 1 : 0;
}

void VKCurveRenderer::DrawLegend() {
    if (LegendLeft < 0) return;
    DrawingSurface& s = *Target;
    const int side = SwatchSize(TextHeight);
    const int middle = LegendTop + TextHeight / 2;
    int x = LegendLeft;
    for (const LegendEntry& entry : ShownEntries(BandShown, !FurtherPassWidths.empty())) {
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
        Label(x, LegendTop, std::string(entry.name));
        x += s.TextWidth(entry.name) + EntryGap(Style);
    }
}

}  // namespace kaldoventri
