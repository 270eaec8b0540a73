#include "ui/controls/PastedAmounts.h"

#include <QRegularExpression>

#include "files/WholeNumber.h"
#include "ui/controls/TrayText.h"

namespace kaldoventri {

QStringList PastedValues(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[\\r\\n\\t; ]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

std::variant<std::vector<qint32>, QString> PastedAmounts(const QStringList& values, int first, int trayCount) {
    const int room = trayCount - first + 1;
    if (values.size() > room)
        return QStringLiteral("%1 värden men bara %2 backar från back %3").arg(values.size()).arg(std::max(room, 0)).arg(first);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    std::vector<qint32> amounts;
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int tray = first + static_cast<int>(i);
        const std::optional<qint32> value = digits.match(values[i]).hasMatch() ? ParseWholeNumber(values[i]) : std::nullopt;
        if (!value)
            return QStringLiteral("Back %1: '%2' är inget heltal från 0 och uppåt. Inget har klistrats in.").arg(tray).arg(values[i]);
        if (*value > LargestTypedAmount)
            return TooLargeAmountMessage(tray) + QStringLiteral(" Inget har klistrats in.");
        amounts.push_back(*value);
    }
    return amounts;
}

}  // namespace kaldoventri
