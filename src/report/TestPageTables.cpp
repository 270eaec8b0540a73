// Text blocks of a test's page.
#include "report/TestPageTables.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>
#include <vector>

#include "display/LocaleText.h"
#include "evaluation/FigureTexts.h"
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
    const QLocale& locale = frame.Settings().locale;
    // What an amount means, where the test says: the tray's area and the
    // amount unit in the heading, "Backar, backyta 0,25 m², mängd i 0,1 g";
    // in the amounts' header they would crowd two blocks of trays into four.
    const SheetUnits& units = sheet.GetUnits();
    QStringList meaning;
    if (units.trayArea) meaning << QStringLiteral("backyta %1 m²").arg(FormatNumber(*units.trayArea, locale));
    if (units.unit) meaning << QStringLiteral("mängd i ") + FromUtf8(AmountUnitText(*units.unit, DecimalSeparatorOf(locale)));
    const QString heading = (QStringList{QStringLiteral("Backar")} + meaning).join(QStringLiteral(", "));
    const int top = DrawHeading(frame, area, heading);
    QPainter& p = frame.Painter();
    const int trays = sheet.GetTrayCount();
    // Two blocks side by side hold the 26 trays of a built-in layout; a larger
    // kit takes up to four, and a smaller text where even they cannot hold it
    // in the room left.
    int blocks = 2;
    int points = PagePoints;
    const auto lineAt = [&frame](int pt) {
        return QFontMetrics(ReportPageFrame::Font(pt), &frame.Writer()).height() + ReportPageFrame::Mm(0.6);
    };
    const QStringList headers{QStringLiteral("Back"), QStringLiteral("Läge (m)"), QStringLiteral("Mängd")};
    const int gapFor[] = {0, 0, ReportPageFrame::Mm(6), ReportPageFrame::Mm(3), ReportPageFrame::Mm(3)};
    // The tray and position columns take what their widest texts need, the amounts the rest.
    const auto columns = [&](int pt) {
        const QFontMetrics bold(ReportPageFrame::Font(pt, true), &frame.Writer());
        const QFontMetrics plain(ReportPageFrame::Font(pt), &frame.Writer());
        const int space = plain.horizontalAdvance(QStringLiteral("  "));
        const int number = std::max(bold.horizontalAdvance(headers[0]), plain.horizontalAdvance(QString::number(trays)));
        int position = bold.horizontalAdvance(headers[1]);
        for (int tray = 1; tray <= trays; ++tray)
            position = std::max(position, plain.horizontalAdvance(FormatNumber(sheet.GetTrayPosition(tray), locale)));
        return std::array<int, 3>{number, number + space + position, number + space + position + space +
                                                                         bold.horizontalAdvance(headers[2])};
    };
    const auto fits = [&](int b, int pt) {
        const int blockWidth = (area.width() - (b - 1) * gapFor[b]) / b;
        return (1 + (trays + b - 1) / b) * lineAt(pt) <= area.bottom() - top && columns(pt)[2] <= blockWidth;
    };
    while (blocks < 4 && !fits(blocks, points)) ++blocks;
    while (points > 5 && !fits(blocks, points)) --points;
    const int perBlock = (trays + blocks - 1) / blocks;
    const int line = lineAt(points);
    const int gap = gapFor[blocks];
    const int blockWidth = (area.width() - (blocks - 1) * gap) / blocks;
    // A block of the 26 trays keeps its proportions; the amounts get the most room.
    const std::array<int, 3> needed = columns(points);
    const int rightEdge[] = {std::max(blockWidth * 22 / 100, needed[0]), std::max(blockWidth * 58 / 100, needed[1]),
                             blockWidth};
    int bottom = top;
    for (int block = 0; block < blocks; ++block) {
        const int left = area.left() + block * (blockWidth + gap);
        int y = top;
        p.setFont(ReportPageFrame::Font(points, true));
        for (int c = 0; c < headers.size(); ++c)
            p.drawText(QRect(left, y, rightEdge[c], line), Qt::AlignRight | Qt::AlignVCenter, headers[c]);
        y += line;
        p.setPen(QPen(Qt::black, ReportPageFrame::Mm(0.15)));
        p.drawLine(left, y, left + blockWidth, y);
        p.setFont(ReportPageFrame::Font(points));
        for (int tray = block * perBlock + 1; tray <= std::min(trays, (block + 1) * perBlock); ++tray, y += line) {
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
