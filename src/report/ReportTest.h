// The tests a report or a table is made of: each an evaluated sheet with the
// name it goes by, handed out one at a time so that a report over a thousand
// files never holds more than one sheet.
#pragma once

#include <QString>

#include <functional>
#include <variant>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

struct ReportTest {
    QString name;  // the file's name, or the title of a sheet open in the window
    TNewTabSheet sheet;  // evaluated on the value Y scale
};

class ReportSheets {
public:
    virtual ~ReportSheets() = default;

    virtual int Count() const = 0;
    // Test `index` (0 first), valid until the next call; the error text when
    // it can no longer be had (a file changed since it was first read).
    virtual std::variant<const ReportTest*, QString> At(int index) = 0;
};

// Told how far a long run has come; answers false to cancel it.
using ReportProgress = std::function<bool(int done, int total)>;

}  // namespace kaldoventri
