// The CSV table: one row per test of the typed cells of TableCells.h, every
// figure a plain number with its unit in the header, then the VK and its
// uncertainty at every working width from 5 m to 50 m. UTF-8 with a
// byte-order mark, semicolons between fields, CRLF line ends, the locale's
// decimal separator, so that a spreadsheet opens it as it stands.
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

#include "report/ReportTest.h"

namespace kaldoventri {

// The byte-order mark and the header line: "Fil;Spridare;...;VK %;...;VK 5 m;VK 5,5 m;...".
QByteArray CsvStart(const QLocale& locale);

// The line of one test: its cells, numbers in the locale's form. A figure
// that does not exist, a width outside the layout's span or where the VK
// could not be computed, has an empty field.
QByteArray CsvLine(const ReportTest& test, const QLocale& locale);

// The whole table.
QByteArray CsvTableOf(const std::vector<ReportTest>& tests, const QLocale& locale);

// Fields joined by semicolons; a field holding a semicolon, a quote or a line
// break is quoted, its quotes doubled.
QByteArray CsvRecord(const QStringList& fields);

}  // namespace kaldoventri
