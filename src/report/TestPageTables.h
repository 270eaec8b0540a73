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

int DrawFacts(const ReportPageFrame& frame, QRect area, const QString& heading, const Facts& facts);

// Two blocks of 13 trays side by side: "Back", "Läge (m)", "Mängd".
int DrawTrayTable(const ReportPageFrame& frame, QRect area, const TNewTabSheet& sheet);

// The text size of a test's page.
inline constexpr int PagePoints = 8;

}  // namespace kaldoventri
