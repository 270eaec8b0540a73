// The report's tables, measured and drawn page by page.
#include "report/ReportTablePages.h"

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
const QColor StripeColour(238, 241, 245);
const QColor HeaderColour(214, 222, 235);

QFont TableFont(bool bold = false) { return ReportPageFrame::Font(TablePoints, bold); }

int WidestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(QLatin1Char(' '))) widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// The width a text needs on two lines, broken between words.
int TwoLines(const QFontMetrics& metrics, const QString& text) {
    const QStringList words = text.split(QLatin1Char(' '));
    int best = metrics.horizontalAdvance(text);
    for (qsizetype k = 1; k < words.size(); ++k)
        best = std::min(best, std::max(metrics.horizontalAdvance(words.mid(0, k).join(QLatin1Char(' '))),
                                       metrics.horizontalAdvance(words.mid(k).join(QLatin1Char(' ')))));
    return best;
}

}  // namespace

ReportTable SummaryTable(const std::vector<ReportTest>& tests) {
    const bool units = std::any_of(tests.begin(), tests.end(), [](const ReportTest& t) { return t.sheet.GetUnits().Any(); });
    ReportTable table{SummaryHeaders().mid(0, SummaryColumnCount + (units ? RateColumnCount : 0)), {}, {0, 1, 2, 3, 4, 5}};
    for (const ReportTest& test : tests) table.rows.push_back(test.row);
    return table;
}

ReportTable RecordTable(const std::vector<ReportTest>& tests, const QLocale& locale) {
    ReportTable table{QStringList{QStringLiteral("Fil")} + RecordHeaders(), {}, {0, 2, 3, 7}};
    if (std::none_of(tests.begin(), tests.end(), [](const ReportTest& t) { return t.sheet.GetRecord().Any(); }))
        return table;
    for (const ReportTest& test : tests)
        table.rows.push_back(QStringList{test.name} + RecordTexts(test.sheet.GetRecord(), locale));
    return table;
}

ReportTablePages::ReportTablePages(const ReportPageFrame& frame, ReportTable table) : table_(std::move(table)) {
    columns_ = static_cast<int>(table_.headers.size());
    order_ = table_.freeText;
    for (int c = 0; c < columns_; ++c)
        if (std::find(order_.begin(), order_.end(), c) == order_.end()) order_.push_back(c);
    padding_ = ReportPageFrame::Mm(1);
    const QFontMetrics metrics(TableFont(), &frame.Writer());
    const QFontMetrics bold(TableFont(true), &frame.Writer());
    lineHeight_ = metrics.height();
    rowPadding_ = ReportPageFrame::Mm(1.2);
    ChooseWidths(frame);

    int lines = 1;
    for (int c = 0; c < columns_; ++c) {
        const QRect needed = bold.boundingRect(QRect(0, 0, widths_[static_cast<std::size_t>(c)] - 2 * padding_, 100000),
                                               Qt::TextWordWrap, table_.headers[c]);
        lines = std::max(lines, (needed.height() + bold.height() - 1) / bold.height());
    }
    headerHeight_ = lines * bold.height() + ReportPageFrame::Mm(1.5);
    WrapRows(frame);
}

QString ReportTablePages::Cell(std::size_t row, std::size_t position) const {
    return table_.rows[row].value(order_[position]);
}

// A row may take a whole page below the header, and no more: only a cell
// longer than that is shortened.
void ReportTablePages::WrapRows(const ReportPageFrame& frame) {
    const int room = frame.Content().height() - headerHeight_;
    const int mostLines = std::max(1, (room - rowPadding_) / lineHeight_);
    pageStarts_ = {0};
    int used = 0;
    for (std::size_t r = 0; r < table_.rows.size(); ++r) {
        std::vector<QStringList> cells;
        int lines = 1;
        for (int c = 0; c < columns_; ++c) {
            const int width = widths_[static_cast<std::size_t>(c)] - 2 * padding_;
            cells.push_back(frame.WrapText(TableFont(), table_.rows[r].value(c), width, mostLines));
            lines = std::max(lines, static_cast<int>(cells.back().size()));
        }
        const int height = lines * lineHeight_ + rowPadding_;
        if (used > 0 && used + height > room) {
            pageStarts_.push_back(static_cast<int>(r));
            used = 0;
        }
        used += height;
        cellLines_.push_back(std::move(cells));
        rowHeights_.push_back(height);
    }
}

// Every column gets the width of its longest text and its header on one line
// where the page allows, else with its header wrapped between words; where
// even that is too wide, the short columns keep their width and the free
// texts share the rest, wrapping.
void ReportTablePages::ChooseWidths(const ReportPageFrame& frame) {
    // Worked out in order_'s order, free texts first, then put back in place.
    std::vector<int> w = PositionWidths(frame);
    widths_.assign(w.size(), 0);
    for (std::size_t k = 0; k < w.size(); ++k) widths_[static_cast<std::size_t>(order_[k])] = w[k];
}

std::vector<int> ReportTablePages::PositionWidths(const ReportPageFrame& frame) const {
    const std::size_t freeTexts = table_.freeText.size();
    const std::size_t rows = table_.rows.size();
    std::vector<int> widths;
    const QFontMetrics metrics(TableFont(), &frame.Writer());
    const QFontMetrics bold(TableFont(true), &frame.Writer());
    std::vector<int> oneLine(static_cast<std::size_t>(columns_)), wrapped(oneLine.size()), least(oneLine.size());
    for (std::size_t i = 0; i < oneLine.size(); ++i) {
        const QString& header = table_.headers[order_[i]];
        int widest = 0;
        for (std::size_t r = 0; r < rows; ++r) widest = std::max(widest, metrics.horizontalAdvance(Cell(r, i)));
        least[i] = WidestWord(bold, header) + 2 * padding_;
        // Texts measure in fractions of a pixel: two to spare keep the widest text on one line.
        wrapped[i] = std::max(least[i], widest + 2 * padding_ + 2);
        oneLine[i] = std::max(wrapped[i], bold.horizontalAdvance(header) + 2 * padding_);
    }
    const long available = frame.Content().width();
    const auto sum = [](const std::vector<int>& v, std::size_t from, std::size_t to) {
        return std::accumulate(v.begin() + static_cast<long>(from), v.begin() + static_cast<long>(to), 0L);
    };
    for (const std::vector<int>* natural : {&oneLine, &wrapped}) {
        const long total = sum(*natural, 0, natural->size());
        if (total > available) continue;
        // Room to spare goes to every column alike, so the table spans the page.
        widths = *natural;
        for (int& w : widths) w += static_cast<int>((available - total) / columns_);
        return widths;
    }
    // Where the short columns leave the free texts too little for their
    // longest words (a report with the rate columns), the short columns that
    // gain most go onto two lines ("Fram och / tillbaka"), one by one as far
    // as needed, rather than every column breaking inside its words.
    const auto narrowest = [&](std::size_t i, int (*measure)(const QFontMetrics&, const QString&)) {
        int widest = 0;
        for (std::size_t r = 0; r < rows; ++r) widest = std::max(widest, measure(metrics, Cell(r, i)));
        return std::max(least[i], widest + 2 * padding_ + 2);
    };
    long freeWords = 0;
    for (std::size_t i = 0; i < freeTexts; ++i) freeWords += std::min(wrapped[i], narrowest(i, WidestWord));
    std::vector<std::pair<int, std::size_t>> gains;
    for (std::size_t i = freeTexts; i < wrapped.size(); ++i) gains.push_back({wrapped[i] - narrowest(i, TwoLines), i});
    std::sort(gains.rbegin(), gains.rend());
    for (const auto& [gain, i] : gains) {
        if (sum(wrapped, freeTexts, wrapped.size()) + freeWords <= available || gain <= 0) break;
        wrapped[i] -= gain;
    }
    // The free texts wrap onto more lines, each onto about as many as the
    // others, so that a row is no taller than it must be; none becomes
    // narrower than its longest word while the room allows it.
    const long room = available - sum(wrapped, freeTexts, wrapped.size());
    std::vector<int> words(freeTexts);
    for (std::size_t i = 0; i < freeTexts; ++i) {
        int widest = 0;
        for (std::size_t r = 0; r < rows; ++r) widest = std::max(widest, WidestWord(metrics, Cell(r, i)));
        words[i] = std::min(wrapped[i], std::max(least[i], widest + 2 * padding_ + 2));
    }
    for (int lines = 2;; ++lines) {
        widths = wrapped;
        bool narrowest = true;
        for (std::size_t i = 0; i < freeTexts; ++i) {
            const int share = (wrapped[i] + lines - 1) / lines;
            narrowest = narrowest && share <= words[i];
            widths[i] = std::max(words[i], share);
        }
        const long total = sum(widths, 0, freeTexts);
        if (total <= room) {
            for (std::size_t i = 0; i < freeTexts; ++i)
                widths[i] += static_cast<int>((room - total) / static_cast<long>(freeTexts));
            return widths;
        }
        if (narrowest) break;
    }
    // Words wider than the room: each free text keeps its header's longest
    // word. Of the room left, the file name, which tells the tests apart,
    // gets what it needs first; then the texts that need little get all they
    // need and the long ones share the rest alike.
    widths = wrapped;
    std::vector<int> lacking;
    for (std::size_t i = 0; i < freeTexts; ++i) lacking.push_back(wrapped[i] - least[i]);
    long spare = std::max(0L, available - sum(wrapped, freeTexts, wrapped.size()) - sum(least, 0, freeTexts));
    widths[0] = least[0] + static_cast<int>(std::min<long>(lacking[0], spare));
    spare -= widths[0] - least[0];
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
    for (std::size_t i = 1; i < freeTexts; ++i) widths[i] = least[i] + static_cast<int>(std::min<long>(lacking[i], level));
    // Only an absurdly narrow page gets here: everything shrinks alike.
    const long now = sum(widths, 0, widths.size());
    if (now > available)
        for (int& w : widths) w = static_cast<int>(w * available / now);
    return widths;
}

void ReportTablePages::DrawPage(const ReportPageFrame& frame, int page) const {
    QPainter& p = frame.Painter();
    const QRect content = frame.Content();
    const int tableWidth = std::accumulate(widths_.begin(), widths_.end(), 0);

    p.fillRect(QRect(content.left(), content.top(), tableWidth, headerHeight_), HeaderColour);
    p.setPen(Qt::black);
    p.setFont(TableFont(true));
    int x = content.left();
    for (int c = 0; c < columns_; ++c) {
        const int w = widths_[static_cast<std::size_t>(c)];
        p.drawText(QRect(x + padding_, content.top(), w - 2 * padding_, headerHeight_),
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, table_.headers[c]);
        x += w;
    }

    p.setFont(TableFont());
    const auto pageIndex = static_cast<std::size_t>(page);
    const int first = pageStarts_[pageIndex];
    const int end = pageIndex + 1 < pageStarts_.size() ? pageStarts_[pageIndex + 1] : static_cast<int>(table_.rows.size());
    int y = content.top() + headerHeight_;
    for (int r = first; r < end; ++r) {
        const auto row = static_cast<std::size_t>(r);
        if ((r - first) % 2 == 1) p.fillRect(QRect(content.left(), y, tableWidth, rowHeights_[row]), StripeColour);
        x = content.left();
        for (int c = 0; c < columns_; ++c) {
            const int w = widths_[static_cast<std::size_t>(c)];
            const QStringList& lines = cellLines_[row][static_cast<std::size_t>(c)];
            for (int i = 0; i < lines.size(); ++i)
                p.drawText(QRect(x + padding_, y + rowPadding_ / 2 + i * lineHeight_, w - 2 * padding_, lineHeight_),
                           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, lines[i]);
            x += w;
        }
        y += rowHeights_[row];
    }
    p.setPen(QPen(Qt::black, ReportPageFrame::Mm(0.15)));
    p.drawLine(content.left(), content.top() + headerHeight_, content.left() + tableWidth, content.top() + headerHeight_);
    p.drawLine(content.left(), y, content.left() + tableWidth, y);
}

}  // namespace kaldoventri
