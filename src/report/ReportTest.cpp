// Report tests and their rows.
#include "report/ReportTest.h"

#include <QFileInfo>

#include "evaluation/CalculateSheet.h"
#include "report/SummaryRow.h"

namespace kaldoventri {

ReportTest MakeReportTest(QString name, TNewTabSheet evaluated, const QLocale& locale) {
    QStringList row = SummaryCells(name, evaluated, locale);
    return ReportTest{std::move(name), std::move(evaluated), std::move(row)};
}

std::variant<ReportTest, OpenFailure> ReadReportTest(const QString& path, const QLocale& locale) {
    auto read = ReadTestSheet(path, YScaleValue);
    if (auto* failure = std::get_if<OpenFailure>(&read)) return std::move(*failure);
    return MakeReportTest(QFileInfo(path).fileName(), std::move(std::get<TNewTabSheet>(read)), locale);
}

}  // namespace kaldoventri
