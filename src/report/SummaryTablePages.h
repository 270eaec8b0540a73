// The report's first part: one table of all tests over as many pages as its
// rows need, the header row repeated on each. Column widths follow what the
// columns hold; a text too long for its column is cut short with "…", never
// drawn into the next one.
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
    int PageCount() const;
    int RowsPerPage() const { return rowsPerPage_; }

    // Draws the rows of table page `page` (0 first) into the frame's content.
    void DrawPage(const ReportPageFrame& frame, int page) const;

private:
    void ChooseWidths(const ReportPageFrame& frame);

    const std::vector<ReportTest>& tests_;
    QStringList headers_;
    std::vector<int> widths_;
    int padding_ = 0;
    int headerHeight_ = 0;
    int rowHeight_ = 0;
    int rowsPerPage_ = 1;
};

}  // namespace kaldoventri
