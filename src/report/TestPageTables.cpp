// Text blocks of a test's page.
#include "report/TestPageTables.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

#include "display/LocaleText.h"
#include "drawing/VKCurveStyle.h"
#include "evaluation/SheetFigures.h"
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

}  // namespace

int DrawFacts(const ReportPageFrame& frame, QRect area, const QString& heading, const Facts& facts) {
    int y = DrawHeading(frame, area, heading);
    QPainter& p = frame.Painter();
    p.setFont(PageFont());
    const QFontMetrics metrics(p.font(), &frame.Writer());
    int labelWidth = 0;
    for (const auto& [label, value] : facts) labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    const int valueLeft = area.left() + labelWidth + ReportPageFrame::Mm(2);
    const int valueWidth = std::max(0, area.right() - valueLeft);
    const int line = LineHeight(frame);
    for (const auto& [label, value] : facts) {
        p.drawText(QRect(area.left(), y, labelWidth, line), Qt::AlignLeft | Qt::AlignVCenter, label);
        p.drawText(QRect(valueLeft, y, valueWidth, line), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(value, Qt::ElideRight, valueWidth));
        y += line;
    }
    return y;
}

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

void DrawClassLegend(const ReportPageFrame& frame, QRect area) {
    QPainter& p = frame.Painter();
    p.setFont(PageFont());
    const QFontMetrics metrics(p.font(), &frame.Writer());
    const ToleranceClass classes[] = {ToleranceClass::MycketBra, ToleranceClass::Bra, ToleranceClass::Godtagbar,
                                      ToleranceClass::Otillracklig};
    const int square = metrics.ascent();
    const int y = area.top() + (area.height() - square) / 2;
    int x = area.left();
    for (int i = 0; i < 4; ++i) {
        const Colour c = VKBandColours[i];
        p.setPen(QPen(Qt::gray, ReportPageFrame::Mm(0.1)));
        p.setBrush(QColor(c.red, c.green, c.blue));
        p.drawRect(x, y, square, square);
        x += square + ReportPageFrame::Mm(1.5);
        const QString text = FromUtf8(ToleranceClassName(classes[i])) + QStringLiteral(": ") +
                             FromUtf8(ToleranceClassRange(classes[i], DecimalSeparatorOf(frame.Settings().locale)));
        p.setPen(Qt::black);
        p.drawText(QRect(x, area.top(), metrics.horizontalAdvance(text), area.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   text);
        x += metrics.horizontalAdvance(text) + ReportPageFrame::Mm(6);
    }
    p.setBrush(Qt::NoBrush);
}

}  // namespace kaldoventri
