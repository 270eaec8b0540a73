// The comparison of two to four tests as one picture: a legend of the tests'
// colours and titles (the reference first), the overlaid measured patterns
// and the overlaid VK curves side by side, and under them the table of
// figures with each test's differences to the reference. One procedure for
// the comparison window, the clipboard, the printer and the report's page;
// the differences are the style.
#pragma once

#include <string>
#include <vector>

#include "drawing/ComparisonStyle.h"
#include "drawing/DrawingSurface.h"
#include "evaluation/ComparisonTexts.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

class ComparisonRenderer {
public:
    explicit ComparisonRenderer(const ComparisonStyle& style = ComparisonScreenStyle) : Style(style) {}

    // Draws over the whole surface; the sheets are read as their last
    // evaluation left them. With no sheet the surface is left white.
    void Draw(const std::vector<const TNewTabSheet*>& sheets, DrawingSurface& surface) const;

private:
    ComparisonStyle Style;
};

// The table's lines in a box `width` wide from (left, top): a column of the
// figures' names, then one equal column per test; a text too wide for its
// column is shortened with "…". Gives the height it took.
int DrawComparisonTable(DrawingSurface& surface, int left, int top, int width,
                        const std::vector<ComparisonTableLine>& lines, const ComparisonStyle& style);
// The height DrawComparisonTable takes for `lineCount` lines.
int ComparisonTableHeight(DrawingSurface& surface, int lineCount, const ComparisonStyle& style);

// `text` (UTF-8) cut at its end, with "…", until it is at most `room` pixels wide.
std::string ShortenedToFit(DrawingSurface& surface, const std::string& text, int room);

}  // namespace kaldoventri
