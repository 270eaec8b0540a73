// The report's page frame.
#include "report/ReportPageFrame.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cmath>

namespace kaldoventri {

namespace {

constexpr double MarginMm = 12.0;
constexpr int TitlePoints = 11;
constexpr int FooterPoints = 7;

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
    const QString shown = metrics.elidedText(title, Qt::ElideRight, page_.width() - dateWidth - Mm(10));
    p.drawText(page_, Qt::AlignLeft | Qt::AlignTop, shown);
    p.drawText(page_, Qt::AlignRight | Qt::AlignTop, date);
    const int ruleY = content_.top() - Mm(1.5);
    p.setPen(QPen(Qt::black, Mm(0.2)));
    p.drawLine(page_.left(), ruleY, page_.right(), ruleY);
}

}  // namespace kaldoventri
