// One test as a row of the report's first table and of the CSV table: the
// description, the settings and the analysis figures as people read them,
// "–" where a figure does not exist, numbers with the locale's decimal
// separator.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "evaluation/TNewTabSheet.h"
#include "report/ReportTest.h"

namespace kaldoventri {

inline constexpr int SummaryColumnCount = 16;
// Where the analysis figures begin: VK, class, optimal width and VK, driving
// error, usable range, side balance.
inline constexpr int FirstFigureColumn = 9;

// "Fil", "Spridare", ... "Sidobalans V/H".
QStringList SummaryHeaders();

QStringList SummaryCells(const ReportTest& test, const QLocale& locale);

// The cells of every test, in order; a test that cannot be had gives a row
// with its reason in the first cell.
std::vector<QStringList> SummaryRowsOf(ReportSheets& tests, const QLocale& locale);

// "12 m" or "24 m".
QString LayoutText(const TNewTabSheet& sheet);
// A width in half-metres in metres: "12,5 m".
QString MetresText(int halfMetres, const QLocale& locale);
// "Fram och tillbaka" or "Varvkörning".
QString DrivingPatternText(const TNewTabSheet& sheet);

// The optimal width (half-metres) and its VK, when the evaluation found one
// whose VK was computed: a VK not computed reads 0 and is no optimum.
struct Optimum {
    int halfMetres;
    double vk;
};
std::optional<Optimum> OptimumOf(const TNewTabSheet& evaluated);

}  // namespace kaldoventri
