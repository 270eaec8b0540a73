// The tests of a report made from the window: the sheets open in its
// workbook, in tab order, each named by its title and evaluated anew on the
// value Y scale in a copy, whatever scale the window shows.
#pragma once

#include "report/ReportTest.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

class WorkbookSheets : public ReportSheets {
public:
    explicit WorkbookSheets(const Workbook& workbook) : workbook_(workbook) {}

    int Count() const override { return workbook_.SheetCount(); }
    std::variant<const ReportTest*, QString> At(int index) override;

private:
    const Workbook& workbook_;
    ReportTest current_;
};

}  // namespace kaldoventri
