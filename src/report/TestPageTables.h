// The text blocks of a test's page: labelled facts under a heading and the 26
// tray amounts with their positions.
// Each draws from the top of its area and gives the y where it ended.
#pragma once

#include <QList>
#include <QPair>
#include <QRect>
#include <QString>

class QPainter;
class QPaintDevice;

namespace kaldoventri {

class TNewTabSheet;
class ReportPageFrame;

using Facts = QList<QPair<QString, QString>>;

// Each value wraps onto as many lines as it needs, at most `maxLines`
// (beyond them it is shortened in the middle).
int DrawFacts(const ReportPageFrame& frame, QRect area, const QString& heading, const Facts& facts, int maxLines);
// The height DrawFacts takes in an area of this width.
int FactsHeight(const ReportPageFrame& frame, int width, const Facts& facts, int maxLines);

// Two blocks of 13 trays side by side: "Back", "Läge (m)", "Mängd", under
// a heading that names the tray's area and the amount unit where the test
// has them ("Backar, backyta 0,25 m², mängd i 0,1 g").
int DrawTrayTable(const ReportPageFrame& frame, QRect area, const TNewTabSheet& sheet);
int TrayTableHeight(const ReportPageFrame& frame);

// The text size of a test's page.
inline constexpr int PagePoints = 8;

}  // namespace kaldoventri
