// Text blocks of a test's page.
#include "report/TestPageTables.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

#include "display/LocaleText.h"
#include "evaluation/TNewTabSheet.h"
#include "report/ReportPageFrame.h"

namespace kaldoventri {

namespace {

QFont PageFont(bool bold = false) { return ReportPageFrame::Font(PagePoints, bold); }

int LineHeight(const ReportPageFrame& frame) {
    return QFontMetrics(PageFont(), &frame.Writer()).height() + ReportPageFrame::Mm(0.6);
}

int DrawHeading(const ReportPageFrame& frame, QRect area, const QString& heading) {
    QPainter& p = frame.Painter();
    p.setPen(Qt::black);
    p.setFont(PageFont(true));
    p.drawText(QRect(area.left(), area.top(), area.width(), LineHeight(frame)), Qt::AlignLeft | Qt::AlignVCenter,
               heading);
    return area.top() + LineHeight(frame);
}

// The label column is as wide as the widest label; each value wraps in the rest.
struct WrappedFacts {
    int labelWidth = 0;
    int valueOffset = 0;
    std::vector<QStringList> values;
    int lines = 0;
};

WrappedFacts WrapFacts(const ReportPageFrame& frame, int width, const Facts& facts, int maxLines) {
    const QFontMetrics metrics(PageFont(), &frame.Writer());
    WrappedFacts wrapped;
    for (const auto& fact : facts) wrapped.labelWidth = std::max(wrapped.labelWidth, metrics.horizontalAdvance(fact.first));
    wrapped.valueOffset = wrapped.labelWidth + ReportPageFrame::Mm(2);
    const int valueWidth = std::max(1, width - 1 - wrapped.valueOffset);
    for (const auto& fact : facts) {
        wrapped.values.push_back(frame.WrapText(PageFont(), fact.second, valueWidth, maxLines));
        wrapped.lines += static_cast<int>(wrapped.values.back().size());
    }
    return wrapped;
}

}  // namespace

int FactsHeight(const ReportPageFrame& frame, int width, const Facts& facts, int maxLines) {
    return (1 + WrapFacts(frame, width, facts, maxLines).lines) * LineHeight(frame);
}

int DrawFacts(const ReportPageFrame& frame, QRect area, const QString& heading, const Facts& facts, int maxLines) {
    int y = DrawHeading(frame, area, heading);
    QPainter& p = frame.Painter();
    p.setFont(PageFont());
    const WrappedFacts wrapped = WrapFacts(frame, area.width(), facts, maxLines);
    const int valueLeft = area.left() + wrapped.valueOffset;
    const int valueWidth = std::max(0, area.right() - valueLeft);
    const int line = LineHeight(frame);
    for (qsizetype i = 0; i < facts.size(); ++i) {
        p.drawText(QRect(area.left(), y, wrapped.labelWidth, line), Qt::AlignLeft | Qt::AlignVCenter, facts[i].first);
        for (const QString& text : wrapped.values[static_cast<std::size_t>(i)]) {
            p.drawText(QRect(valueLeft, y, valueWidth, line), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, text);
            y += line;
        }
    }
    return y;
}

int TrayTableHeight(const ReportPageFrame& frame) { return (2 + TrayCount / 2) * LineHeight(frame); }

int DrawTrayTable(const ReportPageFrame& frame, QRect area, const TNewTabSheet& sheet) {
    int top = DrawHeading(frame, area, QStringLiteral("Backar"));
    QPainter& p = frame.Painter();
    const QLocale& locale = frame.Settings().locale;
    const int line = LineHeight(frame);
    const int gap = ReportPageFrame::Mm(6);
    const int blockWidth = (area.width() - gap) / 2;
    constexpr int perBlock = TrayCount / 2;
    const QStringList headers{QStringLiteral("Back"), QStringLiteral("Läge (m)"), QStringLiteral("Mängd")};
    // Right edges of the three columns: the amounts get the most room.
    const int rightEdge[] = {blockWidth * 22 / 100, blockWidth * 58 / 100, blockWidth};
    int bottom = top;
    for (int block = 0; block < 2; ++block) {
        const int left = area.left() + block * (blockWidth + gap);
        int y = top;
        p.setFont(PageFont(true));
        for (int c = 0; c < headers.size(); ++c)
            p.drawText(QRect(left, y, rightEdge[c], line), Qt::AlignRight | Qt::AlignVCenter, headers[c]);
        y += line;
        p.setPen(QPen(Qt::black, ReportPageFrame::Mm(0.15)));
        p.drawLine(left, y, left + blockWidth, y);
        p.setFont(PageFont());
        for (int tray = block * perBlock + 1; tray <= (block + 1) * perBlock; ++tray, y += line) {
            const QStringList cells{QString::number(tray), FormatNumber(sheet.GetTrayPosition(tray), locale),
                                    FormatNumber(sheet.GetTrayAmount(tray), locale)};
            for (int c = 0; c < cells.size(); ++c)
                p.drawText(QRect(left, y, rightEdge[c], line), Qt::AlignRight | Qt::AlignVCenter, cells[c]);
        }
        bottom = std::max(bottom, y);
    }
    return bottom;
}

}  // namespace kaldoventri
