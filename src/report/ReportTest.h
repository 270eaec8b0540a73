// The tests a report or a table is made of: each an evaluated sheet with the
// name it goes by and its row of the report's table, made once when the test
// is read. The report's table and its test pages take a test's figures from
// that one row; the CSV and xlsx tables take theirs as numbers (TableCells.h).
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>
#include <variant>

#include "evaluation/TNewTabSheet.h"
#include "files/TestSheetReading.h"

namespace kaldoventri {

struct ReportTest {
    QString name;        // the file's name, or the title of a sheet open in the window
    TNewTabSheet sheet;  // evaluated on the value Y scale
    QStringList row;     // SummaryCells of the two, in the report's locale
};

// The test of an evaluated sheet, with its row.
ReportTest MakeReportTest(QString name, TNewTabSheet evaluated, const QLocale& locale);

// The test file at `path` read as "Öppna" reads it into a window with no
// sheet open, evaluated on the value Y scale and named by the file's name.
std::variant<ReportTest, OpenFailure> ReadReportTest(const QString& path, const QLocale& locale);

// Told how far a long run has come; answers false to cancel it.
using ReportProgress = std::function<bool(int done, int total)>;

}  // namespace kaldoventri
