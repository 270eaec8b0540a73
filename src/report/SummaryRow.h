// One test as a row of the report's first table and of the CSV table: the
// description, the settings and the analysis figures as people read them,
// "–" where a figure does not exist, numbers with the locale's decimal
// separator.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

inline constexpr int SummaryColumnCount = 16;
// Where the analysis figures begin: VK, class, optimal width and VK, driving
// error, usable range, side balance.
inline constexpr int FirstFigureColumn = 9;

// "Fil", "Spridare", ... "Sidobalans V/H".
QStringList SummaryHeaders();

// The row of the test `name` whose sheet is evaluated.
QStringList SummaryCells(const QString& name, const TNewTabSheet& evaluated, const QLocale& locale);

// The optimal width (half-metres) and its VK, when the evaluation found one
// whose VK was computed: a VK not computed reads 0 and is no optimum.
struct Optimum {
    int halfMetres;
    double vk;
};
std::optional<Optimum> OptimumOf(const TNewTabSheet& evaluated);

}  // namespace kaldoventri
