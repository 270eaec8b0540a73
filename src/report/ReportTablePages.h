// A table of the report over as many pages as its rows need, the header row
// repeated on each: the table of all tests, and the table of their test
// records. Column widths follow what the columns hold; a text too long for
// its column wraps onto more lines of its row, never into the next column,
// and the pages break between rows by the rows' real heights.
#pragma once

#include <QStringList>

#include <vector>

#include "report/ReportPageFrame.h"
#include "report/ReportTest.h"

namespace kaldoventri {

struct ReportTable {
    QStringList headers;
    std::vector<QStringList> rows;
    // The columns of free texts, which share what the columns of short, known
    // texts leave over; the first of them (the file name, which tells the
    // tests apart) gets what it needs first.
    std::vector<int> freeText;
};

// The table of all tests: their summary rows, with the rate columns where some test has units.
ReportTable SummaryTable(const std::vector<ReportTest>& tests);
// The tests' records, "Fil" then "Provdatum" ... "Anteckning"; no rows when no test has a record.
ReportTable RecordTable(const std::vector<ReportTest>& tests, const QLocale& locale);

class ReportTablePages {
public:
    // Measures the columns and rows on the frame's writer; draws nothing.
    ReportTablePages(const ReportPageFrame& frame, ReportTable table);

    // At least one page, also for no rows.
    int PageCount() const { return static_cast<int>(pageStarts_.size()); }

    // Draws the rows of table page `page` (0 first) into the frame's content.
    void DrawPage(const ReportPageFrame& frame, int page) const;

private:
    void ChooseWidths(const ReportPageFrame& frame);
    std::vector<int> PositionWidths(const ReportPageFrame& frame) const;
    void WrapRows(const ReportPageFrame& frame);
    // The text of `row` in the column at `position` of order_.
    QString Cell(std::size_t row, std::size_t position) const;

    ReportTable table_;
    int columns_ = 0;
    // The columns in the order widths are shared out: the free texts first.
    std::vector<int> order_;
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
