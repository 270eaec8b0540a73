// Restoring the sheets a crashed program left, and the message when copies fail.
#include "ui/commands/RecoveryOffer.h"

#include "ui/support/MessageBoxes.h"
#include "workbook/SheetRecovery.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

void OfferLeftBehindSheets(QWidget* window, Workbook& workbook, SheetRecovery& recovery, const QString& root) {
    LeftBehind left = FindLeftBehind(root);
    if (!left.sheets.empty()) {
        const QString question = QStringLiteral("Kaldoventri avslutades oväntat. Återställa %1 osparade blad?")
                                     .arg(left.sheets.size());
        if (AskChoice(window, question, QStringLiteral("&Återställ"), QStringLiteral("&Släng"))) {
            for (RecoveredSheet& found : left.sheets)
                workbook.RestoreSheet(std::move(found.sheet), found.title, found.filePath);
            // The restored sheets are safe in this program's copies before the old ones go.
            recovery.Sync();
        }
    }
    RemoveLeftBehind(left.folders);
}

void ShowRecoveryFailure(QWidget* window, const QString& reason) {
    ShowPlainMessage(window, QStringLiteral("Osparade blad kan inte skyddas mot ett avbrott: återställningskopiorna "
                                            "kan inte skrivas (%1). Spara bladen för att inte förlora dem.")
                                 .arg(reason));
}

}  // namespace kaldoventri
