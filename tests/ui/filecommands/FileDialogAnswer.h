// Answers for the file dialogs of the main window's tests.
#pragma once

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include "../mainwindow/MainWindowFixture.h"

namespace kaldoventri::testing {

// What a file dialog showed: the offered name, the title, the folder, then
// the buttons' texts without their ampersands.
using DialogSeen = QStringList;

// Chooses a path in the file dialog and accepts it. selectFile() clears the
// list's selection but leaves a name field that has the focus as it was, so
// the path is typed there too.
inline ModalAnswerer::Answer ChooseFile(const QString& path, DialogSeen* seen = nullptr) {
    return [path, seen](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        QVERIFY(dialog != nullptr);
        auto* nameField = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (seen != nullptr) {
            *seen = {nameField->text(), dialog->windowTitle(), dialog->directory().path()};
            for (const QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
                *seen << button->text().remove(QLatin1Char('&'));
        }
        dialog->selectFile(path);
        nameField->setText(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own accept() reads the name field
    };
}

}  // namespace kaldoventri::testing
