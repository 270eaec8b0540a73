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

SummaryTablePages::SummaryTablePages(const ReportPageFrame& frame, const std::vector<ReportTest>& tests)
    : tests_(tests), headers_(SummaryHeaders()) {
    const bool units = std::any_of(tests.begin(), tests.end(), [](const ReportTest& t) { return t.sheet.GetUnits().Any(); });
    columns_ = SummaryColumnCount + (units ? RateColumnCount : 0);
    padding_ = ReportPageFrame::Mm(1);
    const QFontMetrics metrics(TableFont(), &frame.Writer());
    const QFontMetrics bold(TableFont(true), &frame.Writer());
    lineHeight_ = metrics.height();
    rowPadding_ = ReportPageFrame::Mm(1.2);
    ChooseWidths(frame);

    int lines = 1;
    for (int c = 0; c < columns_; ++c) {
        const QRect needed = bold.boundingRect(QRect(0, 0, widths_[static_cast<std::size_t>(c)] - 2 * padding_, 100000),
                                               Qt::TextWordWrap, headers_[c]);
        lines = std::max(lines, (needed.height() + bold.height() - 1) / bold.height());
    }
    headerHeight_ = lines * bold.height() + ReportPageFrame::Mm(1.5);
    WrapRows(frame);
}

// A row may take a whole page below the header, and no more: only a cell
// longer than that is shortened.
void SummaryTablePages::WrapRows(const ReportPageFrame& frame) {
    const int room = frame.Content().height() - headerHeight_;
    const int mostLines = std::max(1, (room - rowPadding_) / lineHeight_);
    pageStarts_ = {0};
    int used = 0;
    for (std::size_t r = 0; r < tests_.size(); ++r) {
        std::vector<QStringList> cells;
        int lines = 1;
        for (int c = 0; c < columns_; ++c) {
            const int width = widths_[static_cast<std::size_t>(c)] - 2 * padding_;
            cells.push_back(frame.WrapText(TableFont(), tests_[r].row.value(c), width, mostLines));
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
void SummaryTablePages::ChooseWidths(const ReportPageFrame& frame) {
    const QFontMetrics metrics(TableFont(), &frame.Writer());
    const QFontMetrics bold(TableFont(true), &frame.Writer());
    std::vector<int> oneLine(static_cast<std::size_t>(columns_)), wrapped(oneLine.size()), least(oneLine.size());
    for (int c = 0; c < columns_; ++c) {
        const auto i = static_cast<std::size_t>(c);
        int widest = 0;
        for (const ReportTest& test : tests_) widest = std::max(widest, metrics.horizontalAdvance(test.row.value(c)));
        least[i] = WidestWord(bold, headers_[c]) + 2 * padding_;
        // Texts measure in fractions of a pixel: two to spare keep the widest text on one line.
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
        for (int& w : widths_) w += static_cast<int>((available - total) / columns_);
        return;
    }
    // Where the short columns leave the free texts too little for their
    // longest words (a report with the rate columns), the short columns that
    // gain most go onto two lines ("Fram och / tillbaka"), one by one as far
    // as needed, rather than every column breaking inside its words.
    const auto narrowest = [&](std::size_t i, int (*measure)(const QFontMetrics&, const QString&)) {
        int widest = 0;
        for (const ReportTest& test : tests_) widest = std::max(widest, measure(metrics, test.row.value(static_cast<int>(i))));
        return std::max(least[i], widest + 2 * padding_ + 2);
    };
    long freeWords = 0;
    for (std::size_t i = 0; i < FreeTextColumns; ++i) freeWords += std::min(wrapped[i], narrowest(i, WidestWord));
    std::vector<std::pair<int, std::size_t>> gains;
    for (std::size_t i = FreeTextColumns; i < wrapped.size(); ++i) gains.push_back({wrapped[i] - narrowest(i, TwoLines), i});
    std::sort(gains.rbegin(), gains.rend());
    for (const auto& [gain, i] : gains) {
        if (sum(wrapped, FreeTextColumns, wrapped.size()) + freeWords <= available || gain <= 0) break;
        wrapped[i] -= gain;
    }
    // The free texts wrap onto more lines, each onto about as many as the
    // others, so that a row is no taller than it must be; none becomes
    // narrower than its longest word while the room allows it.
    const long room = available - sum(wrapped, FreeTextColumns, wrapped.size());
    std::vector<int> words(FreeTextColumns);
    for (std::size_t i = 0; i < FreeTextColumns; ++i) {
        int widest = 0;
        for (const ReportTest& test : tests_) widest = std::max(widest, WidestWord(metrics, test.row.value(static_cast<int>(i))));
        words[i] = std::min(wrapped[i], std::max(least[i], widest + 2 * padding_ + 2));
    }
    for (int lines = 2;; ++lines) {
        widths_ = wrapped;
        bool narrowest = true;
        for (std::size_t i = 0; i < FreeTextColumns; ++i) {
            const int share = (wrapped[i] + lines - 1) / lines;
            narrowest = narrowest && share <= words[i];
            widths_[i] = std::max(words[i], share);
        }
        const long total = sum(widths_, 0, FreeTextColumns);
        if (total <= room) {
            for (std::size_t i = 0; i < FreeTextColumns; ++i) widths_[i] += static_cast<int>((room - total) / FreeTextColumns);
            return;
        }
        if (narrowest) break;
    }
    // Words wider than the room: each free text keeps its header's longest
    // word. Of the room left, the file name, which tells the tests apart,
    // gets what it needs first; then the texts that need little get all they
    // need and the long ones share the rest alike.
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

void SummaryTablePages::DrawPage(const ReportPageFrame& frame, int page) const {
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
                   Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, headers_[c]);
        x += w;
    }

    p.setFont(TableFont());
    const auto pageIndex = static_cast<std::size_t>(page);
    const int first = pageStarts_[pageIndex];
    const int end = pageIndex + 1 < pageStarts_.size() ? pageStarts_[pageIndex + 1] : static_cast<int>(tests_.size());
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
