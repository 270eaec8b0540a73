// The file commands' dialogs and messages.
#include "ui/mainwindow/FileCommands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "ui/mainwindow/MessageBoxes.h"
#include "workbook/CommandError.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const QString TestFileFilterName = QStringLiteral("Spridarfiler");
const QString TestFileSuffix = QStringLiteral(".vkf");

}  // namespace

FileCommands::FileCommands(QWidget* window, Workbook& workbook) : window_(window), workbook_(workbook) {}

QString FileCommands::StartFolder() const {
    if (!lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir()) return lastFolder_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// A new dialog each time, gone when this returns: a dialog kept between uses
// kept its completion list too, which could stay on screen over the window
// and take the next click and keystrokes.
QString FileCommands::ChooseFile(Purpose purpose, const QString& offeredName) {
    const bool save = purpose == Purpose::Save;
    QFileDialog dialog(window_, save ? QStringLiteral("Spara som") : QStringLiteral("Öppna"), StartFolder());
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Opening must not insist that the file exists; the program reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog behaves the same on every desktop; the program asks
    // about overwriting itself, and the filter names stand without patterns.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters({TestFileFilterName + QStringLiteral(" (*.vkf)"), QStringLiteral("Alla filer (*)")});
    dialog.setDefaultSuffix(QStringLiteral("vkf"));
    if (!offeredName.isEmpty()) dialog.selectFile(offeredName);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty()) return {};
    QString path = chosen.first();
    // The dialog adds the suffix only to a name without any dot, so that
    // "mätning 1.2" would be saved without it and vanish from the list of
    // test files. Without the filters' details the dialog names the chosen
    // filter without its pattern.
    if (save && dialog.selectedNameFilter().startsWith(TestFileFilterName) &&
        !path.endsWith(TestFileSuffix, Qt::CaseInsensitive))
        path += TestFileSuffix;
    return path;
}

void FileCommands::Save() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr) return;
    const QString path = ChooseFile(Purpose::Save, QString::fromStdString(sheet->GetTitle()));
    if (path.isEmpty()) return;
    if (QFileInfo::exists(path) && !AskYesNo(window_, QStringLiteral("Ska filen skrivas över?"))) return;
    if (const std::optional<QString> failed = workbook_.SaveCurrentSheet(path)) throw CommandError(*failed);
    lastFolder_ = QFileInfo(path).absolutePath();
}

void FileCommands::Open() {
    const QString path = ChooseFile(Purpose::Open, {});
    if (!path.isEmpty()) OpenFile(path);
}

void FileCommands::OpenFile(const QString& path) {
    const std::optional<OpenFailure> failed = workbook_.OpenSheet(path);
    if (!failed) {
        lastFolder_ = QFileInfo(path).absolutePath();
        return;
    }
    if (failed->kind == OpenFailure::Kind::NotATestFile) {
        ShowPlainMessage(window_, failed->message);
        return;
    }
    throw CommandError(failed->message);
}

}  // namespace kaldoventri
