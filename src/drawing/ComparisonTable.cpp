// The comparison's table on the surface: a shaded line of titles with each
// test's colour, then a line per figure, a rule before the differences.
#include <algorithm>
#include <iterator>

#include "drawing/ComparisonRenderer.h"

namespace kaldoventri {

namespace {

constexpr Colour TitleShade{235, 235, 235};
constexpr Colour LineRule{215, 215, 215};

int LineHeight(DrawingSurface& s, const ComparisonStyle& style) { return s.TextHeight("Åg") + style.cellPadding; }

bool StartsDifferences(const ComparisonTableLine& line) { return line.name.rfind("Δ", 0) == 0; }

}  // namespace

std::string ShortenedToFit(DrawingSurface& s, const std::string& text, int room) {
    if (s.TextWidth(text) <= room) return text;
    std::string cut = text;
    while (!cut.empty()) {
        // One whole UTF-8 character at a time.
        do cut.pop_back();
        while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80);
        if (s.TextWidth(cut + "…") <= room) return cut + "…";
    }
    return {};
}

int ComparisonTableHeight(DrawingSurface& s, int lineCount, const ComparisonStyle& style) {
    return lineCount * LineHeight(s, style) + 1;
}

int DrawComparisonTable(DrawingSurface& s, int left, int top, int width, const std::vector<ComparisonTableLine>& lines,
                        const ComparisonStyle& style) {
    if (lines.empty()) return 0;
    const int lineHeight = LineHeight(s, style);
    const int pad = style.cellPadding;
    int nameWidth = 0;
    for (const ComparisonTableLine& line : lines) nameWidth = std::max(nameWidth, s.TextWidth(line.name));
    nameWidth = std::min(nameWidth + 2 * pad, width / 3);
    const int tests = static_cast<int>(lines.front().cells.size());
    const int cellWidth = tests > 0 ? (width - nameWidth) / tests : 0;
    const int right = left + nameWidth + tests * cellWidth;

    s.SetFontColour(Black);
    s.SetPenWidth(1);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const ComparisonTableLine& line = lines[i];
        const int y = top + static_cast<int>(i) * lineHeight;
        const Colour background = i == 0 ? TitleShade : White;
        if (i == 0) {
            s.SetBrushColour(TitleShade);
            s.FillRect(left, y, right, y + lineHeight);
        }
        s.SetPenColour(StartsDifferences(line) && !StartsDifferences(lines[i - 1]) ? Black : LineRule);
        s.MoveTo(left, y);
        s.LineTo(right, y);
        s.SetBrushColour(background);
        s.TextOut(left + pad, y + pad / 2, ShortenedToFit(s, line.name, nameWidth - 2 * pad));
        for (int t = 0; t < tests && t < static_cast<int>(line.cells.size()); ++t) {
            int x = left + nameWidth + t * cellWidth + pad;
            int room = cellWidth - 2 * pad;
            if (i == 0) {
                // The test's colour before its title ties the column to the plots.
                const int side = std::min(style.swatch, lineHeight - pad);
                s.SetBrushColour(ComparisonColours[static_cast<std::size_t>(t) % std::size(ComparisonColours)]);
                s.FillRect(x, y + (lineHeight - side) / 2, x + side, y + (lineHeight - side) / 2 + side);
                s.SetBrushColour(background);
                x += side + pad;
                room -= side + pad;
            }
            s.TextOut(x, y + pad / 2, ShortenedToFit(s, line.cells[static_cast<std::size_t>(t)], room));
        }
    }
    const int bottom = top + static_cast<int>(lines.size()) * lineHeight;
    s.SetPenColour(LineRule);
    s.MoveTo(left, bottom);
    s.LineTo(right, bottom);
    for (int t = 0; t <= tests; ++t) {
        const int x = left + nameWidth + t * cellWidth;
        s.MoveTo(x, top);
        s.LineTo(x, bottom);
    }
    return bottom - top + 1;
}

}  // namespace kaldoventri
