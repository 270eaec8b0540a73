// Message boxes with the application's name as caption and no icon.
#include "ui/support/MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kaldoventri {

void ShowPlainMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

bool AskYesNo(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

QString MissingTrayMessage(int tray) { return QStringLiteral("Saknas värde i back %1!").arg(tray); }

}  // namespace kaldoventri
