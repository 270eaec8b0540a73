// One test as a row of the report's first table and of the CSV table: the
// description, the settings and the analysis figures as people read them,
// "–" where a figure does not exist, numbers with the locale's decimal
// separator.
#pragma once

#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

inline constexpr int SummaryColumnCount = 16;
// After them "Giva" and "Avvikelse", which the table shows only where some
// test has units, so that a report of older tests looks as it did.
inline constexpr int RateColumnCount = 2;
// Where the analysis figures begin: VK, class, optimal width and VK, driving
// error, usable range, side balance.
inline constexpr int FirstFigureColumn = 9;

// "Fil", "Spridare", ... "Sidobalans V/H", "Giva", "Avvikelse".
QStringList SummaryHeaders();

// The row of the test `name` whose sheet is evaluated. With units, the VK
// carries its uncertainty ("13,2 % ± 0,8") and an uncertain class says so,
// and the rate and deviation read "212 kg/ha" and "+6 % !" ("–" without).
QStringList SummaryCells(const QString& name, const TNewTabSheet& evaluated, const QLocale& locale);

// What a test with tray area and unit adds to its page, label and text:
// "Giva" "212 kg/ha", and with a target "Målgiva", "Avvikelse" "+6 % !" and
// "Korrigering" "Doseringen × 0,94". None for a test without them.
QList<QPair<QString, QString>> RateCells(const TNewTabSheet& evaluated, const QLocale& locale);

// "Provdatum", "Kund", "Provare", "Körhastighet", "Varvtal", "Vind", "Anteckning".
QStringList RecordHeaders();
// The test record as people read it, one text under each of RecordHeaders:
// the date in the locale's short form, numbers with their units, empty where
// nothing was given.
QStringList RecordTexts(const TestRecord& record, const QLocale& locale);

// The data warnings of a test with units, one line each; none without units.
QStringList WarningLines(const TNewTabSheet& evaluated, const QLocale& locale);

// The optimal width (half-metres) and its VK, when the evaluation found one
// whose VK was computed: a VK not computed reads 0 and is no optimum.
struct Optimum {
    int halfMetres;
    double vk;
};
std::optional<Optimum> OptimumOf(const TNewTabSheet& evaluated);

}  // namespace kaldoventri
