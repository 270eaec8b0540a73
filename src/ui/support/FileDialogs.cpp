// File dialogs.
#include "ui/support/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

// A new dialog each time, gone when this returns: a dialog kept between uses
// kept its completion list too, which could stay on screen over the window
// and take the next click and keystrokes.
QString ChooseFile(QWidget* parent, FileDialogPurpose purpose, const FileKind& kind, const QString& startFolder,
                   const QString& offeredName) {
    const bool save = purpose == FileDialogPurpose::Save;
    QFileDialog dialog(parent, save ? QStringLiteral("Spara som") : QStringLiteral("Öppna"), startFolder);
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening must not insist that the file exists; the program reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog behaves the same on every desktop; the program asks
    // about overwriting itself, and the filter names stand without patterns.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(
        {kind.filterName + QStringLiteral(" (*.") + kind.suffix + QLatin1Char(')'), QStringLiteral("Alla filer (*)")});
    dialog.setDefaultSuffix(kind.suffix);
    if (!offeredName.isEmpty()) dialog.selectFile(offeredName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    QString path = chosen.first();
    // The dialog adds the suffix only to a name without any dot, so that
    // "mätning 1.2" would be saved without it and vanish from the list of
    // test files. Without the filters' details the dialog names the chosen
    // filter without its pattern.
    const QString suffix = QLatin1Char('.') + kind.suffix;
    if (save && dialog.selectedNameFilter().startsWith(kind.filterName) && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

QString ChooseFileToSave(QWidget* parent, const FileKind& kind, const QString& startFolder, const QString& offeredName) {
    const QString path = ChooseFile(parent, FileDialogPurpose::Save, kind, startFolder, offeredName);
    if (path.isEmpty()) return {};
    if (QFileInfo::exists(path) && !AskYesNo(parent, QStringLiteral("Ska filen skrivas över?"))) return {};
    return path;
}

}  // namespace kaldoventri
