// Message boxes with the application's name as caption and no icon.
#include "ui/support/MessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

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

SaveAnswer AskSaveChanges(QWidget* parent, const QStringList& titles) {
    const bool one = titles.size() == 1;
    const QString text = one ? QStringLiteral("Spara ändringarna i %1?").arg(titles.front())
                             : QStringLiteral("Spara ändringarna i dessa blad?\n\n") + titles.join(QLatin1Char('\n'));
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton* save = box.addButton(one ? QStringLiteral("&Spara") : QStringLiteral("&Spara alla"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Spara &inte"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveAnswer::Save;
    if (box.clickedButton() == discard) return SaveAnswer::Discard;
    return SaveAnswer::Cancel;
}

bool AskChoice(QWidget* parent, const QString& text, const QString& first, const QString& second) {
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* no = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString MissingTrayMessage(int tray) { return QStringLiteral("Saknas värde i back %1!").arg(tray); }

}  // namespace kaldoventri
