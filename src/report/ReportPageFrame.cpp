// The report's page frame.
#include "report/ReportPageFrame.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

#include "drawing/PainterSurface.h"

namespace kaldoventri {

namespace {

constexpr double MarginMm = 12.0;
constexpr int TitlePoints = 11;
constexpr int FooterPoints = 7;
constexpr int MostTitleLines = 3;

QStringList LinesOf(const QString& text, const QFont& font, const QPaintDevice* device, int width) {
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    if (lines.isEmpty()) lines.append(QString());
    return lines;
}

}  // namespace

int ReportPageFrame::Mm(double mm) { return static_cast<int>(std::lround(mm * Resolution / 25.4)); }

QFont ReportPageFrame::Font(int points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(points);
    font.setBold(bold);
    return font;
}

void ReportPageFrame::SetUpWriter(QPdfWriter& writer) {
    writer.setResolution(Resolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
}

ReportPageFrame::ReportPageFrame(QPdfWriter& writer, QPainter& painter, const ReportSettings& settings, int pageCount)
    : writer_(writer), painter_(painter), settings_(settings), pageCount_(pageCount) {
    const int margin = Mm(MarginMm);
    page_ = QRect(margin, margin, writer.width() - 2 * margin, writer.height() - 2 * margin);
    const int titleHeight = QFontMetrics(Font(TitlePoints, true), &writer).height() + Mm(3);
    const int footerHeight = QFontMetrics(Font(FooterPoints), &writer).height() + Mm(2);
    content_ = page_.adjusted(0, titleHeight, 0, -footerHeight);
}

QStringList ReportPageFrame::WrapText(const QFont& font, const QString& text, int width, int maxLines) const {
    const QFontMetrics metrics(font, &writer_);
    if (metrics.horizontalAdvance(text) <= width) return {text};
    QStringList lines = LinesOf(text, font, &writer_, width);
    if (lines.size() <= maxLines) return lines;
    // Wrapping wastes the ends of lines, so the first guess at the room may
    // still take a line too many.
    for (qint64 room = qint64{width} * std::max(1, maxLines); lines.size() > maxLines && room > 0;
         room -= std::max<qint64>(width / 4 + 1, qint64{width} * (lines.size() - maxLines))) {
        const QString shortened = metrics.elidedText(text, Qt::ElideMiddle, static_cast<int>(std::min<qint64>(room, 1 << 30)));
        lines = LinesOf(shortened, font, &writer_, width);
    }
    while (lines.size() > std::max(1, maxLines)) lines.removeLast();  // only for a page narrower than "…"
    return lines;
}

void ReportPageFrame::StartPage(int number, const QString& title) {
    if (number > 1) writer_.newPage();
    QPainter& p = painter_;
    p.setPen(Qt::black);

    p.setFont(Font(FooterPoints));
    p.drawText(page_, Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("Sida %1 av %2").arg(number).arg(pageCount_));

    p.setFont(Font(TitlePoints, true));
    const QFontMetrics metrics(p.font(), &writer_);
    const QString date = QStringLiteral("Rapportdatum ") + settings_.date;
    const int dateWidth = metrics.horizontalAdvance(date);
    const QStringList lines = WrapText(p.font(), title, page_.width() - dateWidth - Mm(10), MostTitleLines);
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(page_.adjusted(0, i * metrics.height(), 0, 0), Qt::AlignLeft | Qt::AlignTop, lines[i]);
    p.drawText(page_, Qt::AlignRight | Qt::AlignTop, date);
    content_.setTop(page_.top() + static_cast<int>(lines.size()) * metrics.height() + Mm(3));
    const int ruleY = content_.top() - Mm(1.5);
    p.setPen(QPen(Qt::black, Mm(0.2)));
    p.drawLine(page_.left(), ruleY, page_.right(), ruleY);
}

void ReportPageFrame::DrawInBox(QRect box, int points, const std::function<void(DrawingSurface&)>& draw) const {
    painter_.save();
    painter_.translate(box.topLeft());
    painter_.setClipRect(QRect(0, 0, box.width(), box.height()));
    painter_.setFont(Font(points));
    {
        PainterSurface surface(painter_, box.width(), box.height());
        draw(surface);
    }
    painter_.restore();
}

}  // namespace kaldoventri
