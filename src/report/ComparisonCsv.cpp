// The comparison's CSV table.
#include "report/ComparisonCsv.h"

#include <optional>

#include "display/LocaleText.h"
#include "evaluation/Comparison.h"
#include "evaluation/Rounding.h"
#include "report/CsvTable.h"
#include "report/TableCells.h"

namespace kaldoventri {

namespace {

// As the comparison table shows them, one decimal, so a difference of two
// one-decimal VKs reads 2,5 and not 2,4999999999999996.
QString DifferenceField(const std::optional<double>& value, const QLocale& locale) {
    return value ? FormatNumber(RoundHalfEven(*value * 10) / 10 + 0.0, locale) : QString();
}

}  // namespace

QByteArray ComparisonCsvTable(const std::vector<ReportTest>& tests, const QLocale& locale) {
    std::vector<const TNewTabSheet*> sheets;
    for (const ReportTest& test : tests) sheets.push_back(&test.sheet);
    const std::vector<ComparisonRow> rows = CompareSheets(sheets);

    const QStringList differences{QStringLiteral("Δ VK %-enheter"), QStringLiteral("Δ optimal bredd m"),
                                  QStringLiteral("Δ giva %")};
    QByteArray table = "\xEF\xBB\xBF" + CsvRecord(TableHeaders(locale) + differences);
    for (std::size_t i = 0; i < tests.size(); ++i) {
        // A line of the plain table, its line end making way for the differences.
        QByteArray line = CsvLine(tests[i], locale);
        line.chop(2);
        const ComparisonRow& row = rows[i];
        line += ';' + CsvRecord({DifferenceField(row.deltaVK, locale), DifferenceField(row.deltaOptimalWidth, locale),
                                 DifferenceField(row.deltaRate, locale)});
        table += line;
    }
    return table;
}

}  // namespace kaldoventri
