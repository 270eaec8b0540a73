// The table of all tests.
#include "report/SummaryTablePages.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <limits>
#include <numeric>

#include "report/SummaryRow.h"

namespace kaldoventri {

namespace {

constexpr int TablePoints = 7;
// The free texts (file, spreader, model, setting, fertiliser, its make) share
// what the columns of short, known texts leave over.
constexpr int FreeTextColumns = 6;
const QColor StripeColour(238, 241, 245);
const QColor HeaderColour(214, 222, 235);

QFont TableFont(bool bold = false) { return ReportPageFrame::Font(TablePoints, bold); }

int WidestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

}  // namespace

SummaryTablePages::SummaryTablePages(const ReportPageFrame& frame, const std::vector<ReportTest>& tests)
    : tests_(tests), headers_(SummaryHeaders()) {
    padding_ = ReportPageFrame::Mm(1);
    const QFontMetrics metrics(TableFont(), &frame.Writer());
    const QFontMetrics bold(TableFont(true), &frame.Writer());
    rowHeight_ = metrics.height() + ReportPageFrame::Mm(1.2);
    ChooseWidths(frame);

    int lines = 1;
    for (int c = 0; c < SummaryColumnCount; ++c) {
        const QRect needed = bold.boundingRect(QRect(0, 0, widths_[static_cast<std::size_t>(c)] - 2 * padding_, 100000),
                                               Qt::TextWordWrap, headers_[c]);
        lines = std::max(lines, (needed.height() + bold.height() - 1) / bold.height());
    }
    headerHeight_ = lines * bold.height() + ReportPageFrame::Mm(1.5);
    rowsPerPage_ = std::max(1, (frame.Content().height() - headerHeight_) / rowHeight_);
}

// Every column gets the width of its longest text and its header on one line
// where the page allows, else with its header wrapped between words; where
// even that is too wide, the short columns keep their width and the free
// texts share the rest.
void SummaryTablePages::ChooseWidths(const ReportPageFrame& frame) {
    const QFontMetrics metrics(TableFont(), &frame.Writer());
    const QFontMetrics bold(TableFont(true), &frame.Writer());
    std::vector<int> oneLine(SummaryColumnCount), wrapped(SummaryColumnCount), least(SummaryColumnCount);
    for (int c = 0; c < SummaryColumnCount; ++c) {
        const auto i = static_cast<std::size_t>(c);
        int widest = 0;
        for (const ReportTest& test : tests_) widest = std::max(widest, metrics.horizontalAdvance(test.row.value(c)));
        least[i] = WidestWord(bold, headers_[c]) + 2 * padding_;
        // Eliding measures in fractions of a pixel: a text exactly as wide as its room would lose its end.
        wrapped[i] = std::max(least[i], widest + 2 * padding_ + 2);
        oneLine[i] = std::max(wrapped[i], bold.horizontalAdvance(headers_[c]) + 2 * padding_);
    }
    const long available = frame.Content().width();
    const auto sum = [](const std::vector<int>& v, std::size_t from, std::size_t to) {
        return std::accumulate(v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(to), 0L);
    };
    for (const std::vector<int>* natural : {&oneLine, &wrapped}) {
        const long total = sum(*natural, 0, natural->size());
        if (total > available) continue;
        // Room to spare goes to every column alike, so the table spans the page.
        widths_ = *natural;
        for (int& w : widths_) w += static_cast<int>((available - total) / SummaryColumnCount);
        return;
    }
    // Each free text keeps its header's longest word. Of the room left, the
    // file name, which tells the tests apart, gets what it needs first; then
    // the texts that need little get all they need and the long ones share
    // the rest alike.
    widths_ = wrapped;
    std::vector<int> lacking;
    for (std::size_t i = 0; i < FreeTextColumns; ++i) lacking.push_back(wrapped[i] - least[i]);
    long spare = std::max(0L, available - sum(wrapped, FreeTextColumns, wrapped.size()) - sum(least, 0, FreeTextColumns));
    widths_[0] = least[0] + static_cast<int>(std::min<long>(lacking[0], spare));
    spare -= widths_[0] - least[0];
    std::vector<int> ascending(lacking.begin() + 1, lacking.end());
    std::sort(ascending.begin(), ascending.end());
    long level = std::numeric_limits<long>::max();
    for (std::size_t k = 0; k < ascending.size(); ++k) {
        const long share = spare / static_cast<long>(ascending.size() - k);
        if (ascending[k] > share) {
            level = share;
            break;
        }
        spare -= ascending[k];
    }
    for (std::size_t i = 1; i < FreeTextColumns; ++i) widths_[i] = least[i] + static_cast<int>(std::min<long>(lacking[i], level));
    // Only an absurdly narrow page gets here: everything shrinks alike.
    const long now = sum(widths_, 0, widths_.size());
    if (now > available)
        for (int& w : widths_) w = static_cast<int>(w * available / now);
}

int SummaryTablePages::PageCount() const {
    const int rows = static_cast<int>(tests_.size());
    return std::max(1, (rows + rowsPerPage_ - 1) / rowsPerPage_);
}

void SummaryTablePages::DrawPage(const ReportPageFrame& frame, int page) const {
    QPainter& p = frame.Painter();
    const QRect content = frame.Content();
    const int tableWidth = std::accumulate(widths_.begin(), widths_.end(), 0);

    p.fillRect(QRect(content.left(), content.top(), tableWidth, headerHeight_), HeaderColour);
    p.setPen(Qt::black);
    p.setFont(TableFont(true));
    int x = content.left();
    for (int c = 0; c < SummaryColumnCount; ++c) {
        const int w = widths_[static_cast<std::size_t>(c)];
        p.drawText(QRect(x + padding_, content.top(), w - 2 * padding_, headerHeight_),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, headers_[c]);
        x += w;
    }

    p.setFont(TableFont());
    const QFontMetrics metrics(p.font(), &frame.Writer());
    const int first = page * rowsPerPage_;
    const int end = std::min(static_cast<int>(tests_.size()), first + rowsPerPage_);
    int y = content.top() + headerHeight_;
    for (int r = first; r < end; ++r, y += rowHeight_) {
        if ((r - first) % 2 == 1) p.fillRect(QRect(content.left(), y, tableWidth, rowHeight_), StripeColour);
        const QStringList& row = tests_[static_cast<std::size_t>(r)].row;
        x = content.left();
        for (int c = 0; c < SummaryColumnCount; ++c) {
            const int w = widths_[static_cast<std::size_t>(c)];
            const QString text = metrics.elidedText(row.value(c), Qt::ElideRight, w - 2 * padding_);
            p.drawText(QRect(x + padding_, y, w - 2 * padding_, rowHeight_), Qt::AlignLeft | Qt::AlignVCenter, text);
            x += w;
        }
    }
    p.setPen(QPen(Qt::black, ReportPageFrame::Mm(0.15)));
    p.drawLine(content.left(), content.top() + headerHeight_, content.left() + tableWidth, content.top() + headerHeight_);
    p.drawLine(content.left(), y, content.left() + tableWidth, y);
}

}  // namespace kaldoventri
