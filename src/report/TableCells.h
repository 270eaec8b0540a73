// The table of many tests as a spreadsheet reads it: one row per test of
// typed cells, texts as texts and every figure a plain number with its unit
// in the column's header ("VK %", "Optimal bredd m"), a figure that does not
// exist an empty cell. The CSV table and the xlsx workbook write these same
// cells, each in its own form.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "report/ReportTest.h"

namespace kaldoventri {

struct TableCell {
    enum class Kind { Empty, Text, Number, Date };  // a date's text is its ISO form
    Kind kind = Kind::Empty;
    QString text;
    double number = 0.0;
    int decimals = 0;  // how many a number is shown with; AsGiven: as many as it has

    static constexpr int AsGiven = -1;  // a value the tester typed: a tray area, a target
    static TableCell Of(QString t) { return {Kind::Text, std::move(t), 0.0, 0}; }
    static TableCell Of(double v, int decimals) { return {Kind::Number, {}, v, decimals}; }
    static TableCell Date(QString iso) { return {Kind::Date, std::move(iso), 0.0, 0}; }
};

// "Fil" ... "Sidobalans vänster %", "Backyta m²", "Enhet", "Giva kg/ha",
// "Målgiva kg/ha", "Avvikelse %", "Korrigering", "VK osäkerhet %",
// "Varningar", then "VK 5 m" ... "VK 50 m" and "VK osäkerhet 5 m" ... "VK
// osäkerhet 50 m" in the locale's number form, and last the test record:
// "Provdatum", "Kund", "Provare", "Körhastighet", "Varvtal", "Vind", "Anteckning",
// and the pattern's verdict, "Mönster" and "Mönster spår/mitt" (T / M).
QStringList TableHeaders(const QLocale& locale);

// The cells of one test, as many as there are headers; the unit ("0,1 g")
// and the warnings are texts in the locale's number form.
std::vector<TableCell> TableRow(const ReportTest& test, const QLocale& locale);

// The first column of the VKs per width: the summary's columns come before it.
inline constexpr int FirstWidthColumn = 25;

}  // namespace kaldoventri
