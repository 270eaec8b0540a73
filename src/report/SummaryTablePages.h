// The report's first part: one table of all tests over as many pages as its
// rows need, the header row repeated on each. Column widths follow what the
// columns hold; a text too long for its column wraps onto more lines of its
// row, never into the next column, and the pages break between rows by the
// rows' real heights.
#pragma once

#include <QStringList>

#include <vector>

#include "report/ReportPageFrame.h"
#include "report/ReportTest.h"

namespace kaldoventri {

class SummaryTablePages {
public:
    // Measures the columns and rows on the frame's writer; draws nothing.
    // `tests` must outlive this.
    SummaryTablePages(const ReportPageFrame& frame, const std::vector<ReportTest>& tests);

    // At least one page, also for no rows.
    int PageCount() const { return static_cast<int>(pageStarts_.size()); }

    // Draws the rows of table page `page` (0 first) into the frame's content.
    void DrawPage(const ReportPageFrame& frame, int page) const;

private:
    void ChooseWidths(const ReportPageFrame& frame);

    void WrapRows(const ReportPageFrame& frame);

    const std::vector<ReportTest>& tests_;
    QStringList headers_;
    int columns_ = 0;  // with the rate columns where some test has units
    std::vector<int> widths_;
    int padding_ = 0;
    int headerHeight_ = 0;
    int lineHeight_ = 0;
    int rowPadding_ = 0;
    // Per row, the lines of each cell; the first row of each page.
    std::vector<std::vector<QStringList>> cellLines_;
    std::vector<int> rowHeights_;
    std::vector<int> pageStarts_;
};

}  // namespace kaldoventri
