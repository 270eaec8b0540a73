// The CSV table of compared tests: the CSV table's columns for each test, in
// the order given, the first the reference, and after them each test's
// difference to the reference: "Δ VK %-enheter", "Δ optimal bredd m" and
// "Δ giva %", empty for the reference and where a figure does not exist.
#pragma once

#include <QByteArray>
#include <QLocale>

#include <vector>

#include "report/ReportTest.h"

namespace kaldoventri {

QByteArray ComparisonCsvTable(const std::vector<ReportTest>& tests, const QLocale& locale);

}  // namespace kaldoventri
