// Open sheets as report tests.
#include "report/WorkbookSheets.h"

#include "evaluation/CalculateSheet.h"

namespace kaldoventri {

std::variant<const ReportTest*, QString> WorkbookSheets::At(int index) {
    const TNewTabSheet* sheet = workbook_.Sheet(index);
    if (sheet == nullptr) return QString();
    current_.name = QString::fromStdString(sheet->GetTitle());
    current_.sheet = *sheet;
    CalculateSheet(current_.sheet, YScaleValue);
    return &current_;
}

}  // namespace kaldoventri
