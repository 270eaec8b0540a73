// Test files read for a report.
#include "report/TestFileSheets.h"

#include <QFileInfo>

namespace kaldoventri {

std::variant<ReportTest, OpenFailure> ReadReportTest(const QString& path) {
    // A workbook of its own, with no sheet open: trays the file gives no
    // value for are then refused, as the window refuses them with no sheet shown.
    Workbook workbook;
    if (std::optional<OpenFailure> failure = workbook.OpenSheet(path)) return *failure;
    return ReportTest{QFileInfo(path).fileName(), *workbook.Sheet(0)};
}

QString RefusalText(const QString& path, const OpenFailure& failure) {
    if (failure.kind == OpenFailure::Kind::NotATestFile) return path + QStringLiteral(" är ingen Kaldoventrifil!");
    return path + QStringLiteral(": ") + failure.message;
}

std::variant<const ReportTest*, QString> TestFileSheets::At(int index) {
    const QString& path = paths_.at(index);
    auto read = ReadReportTest(path);
    if (const auto* failure = std::get_if<OpenFailure>(&read)) {
        lateRefusals_ << RefusalText(path, *failure);
        return lateRefusals_.back();
    }
    current_ = std::move(std::get<ReportTest>(read));
    return &current_;
}

}  // namespace kaldoventri
