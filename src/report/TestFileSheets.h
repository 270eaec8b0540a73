// The tests of a command-line run: test files read as "Öppna" reads a file
// into a window with no sheet open, evaluated on the value Y scale. Each file
// is read when it is wanted and dropped after, so a run over many files holds
// one sheet at a time.
#pragma once

#include <QString>
#include <QStringList>

#include <variant>

#include "report/ReportTest.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

// The test in `path`, named by the file's name, or why it was refused.
std::variant<ReportTest, OpenFailure> ReadReportTest(const QString& path);

// One line naming the file and why it was refused: "<path> är ingen
// Kaldoventrifil!" or "<path>: File not found".
QString RefusalText(const QString& path, const OpenFailure& failure);

class TestFileSheets : public ReportSheets {
public:
    // Files that have been read once and went in.
    explicit TestFileSheets(QStringList paths) : paths_(std::move(paths)) {}

    int Count() const override { return static_cast<int>(paths_.size()); }
    // Reads the file again; a file changed since into one that is refused
    // gives its RefusalText.
    std::variant<const ReportTest*, QString> At(int index) override;

    // The refusal texts of the files refused on being read again.
    const QStringList& LateRefusals() const { return lateRefusals_; }

private:
    QStringList paths_;
    ReportTest current_;
    QStringList lateRefusals_;
};

}  // namespace kaldoventri
