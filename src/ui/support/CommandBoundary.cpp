// The command boundary and the error report behind it.
#include "ui/support/CommandBoundary.h"

#include <new>

#include "ui/support/CommandError.h"
#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

QString ErrorReportText(const std::exception& error) {
    if (const auto* commandError = dynamic_cast<const CommandError*>(&error)) return commandError->Message();
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) return QStringLiteral("Out of memory");
    return QString::fromLocal8Bit(error.what());
}

void ShowErrorReport(QWidget* parent, const QString& text) { ShowPlainMessage(parent, text); }

bool RunCommand(QWidget* parent, const std::function<void()>& work) {
    try {
        work();
        return true;
    } catch (const std::exception& error) {
        ShowErrorReport(parent, ErrorReportText(error));
    } catch (...) {
        ShowErrorReport(parent, QStringLiteral("Unknown error"));
    }
    return false;
}

}  // namespace kaldoventri
