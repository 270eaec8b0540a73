// The main window's file commands: "Spara som" writes the current sheet to a
// .vkf test file, "Öppna" reads one into a new sheet. The file format itself
// lives in the files layer; here are the dialogs, the overwrite question, the
// messages and the error wording.
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSaveFile>

#include <array>
#include <cerrno>

#include "files/SheetFromTestFile.h"
#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"
#include "ui/mainwindow/CommandError.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "ui/mainwindow/TForm1.h"

namespace kaldoventri {

namespace {

// Where the dialogs start when that folder exists; elsewhere the platform's
// dialog picks its own.
const QString InitialFolder = QStringLiteral("c:\\program files\\trevimo\\kaldoventri\\data");

// The dialogs belong to the window and are made once, so that they remember
// the folder the user last worked in.
QFileDialog* FileDialog(TForm1* window, const QString& name, QFileDialog::AcceptMode mode) {
    if (auto* existing = window->findChild<QFileDialog*>(name)) return existing;
    auto* dialog = new QFileDialog(window);
    dialog->setObjectName(name);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(QFileDialog::AnyFile);
    // Qt's own dialog behaves the same on every desktop; the program asks
    // about overwriting itself, and the filter names stand without patterns.
    dialog->setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                       QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters({QStringLiteral("Spridarfiler (*.vkf)"), QStringLiteral("Alla filer (*.*)")});
    dialog->setDefaultSuffix(QStringLiteral("vkf"));
    if (QFileInfo(InitialFolder).isDir()) dialog->setDirectory(InitialFolder);
    return dialog;
}

// The chosen file, or an empty text when the user cancelled.
QString ChooseFile(QFileDialog* dialog) {
    if (dialog->exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog->selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

// The standard wording of a file error. `error` is the system's error number
// from the failing call; when the system gave none, Qt's own error decides.
QString FileErrorText(const QFileDevice& file, int error) {
    switch (error) {
        case ENOENT: return QStringLiteral("File not found");
        case ENOTDIR:
        case ENAMETOOLONG: return QStringLiteral("Invalid filename");
        case EMFILE:
        case ENFILE: return QStringLiteral("Too many open files");
        case EACCES:
        case EPERM:
        case EROFS: return QStringLiteral("File access denied");
        case ENOSPC:
        case EDQUOT:
        case EFBIG: return QStringLiteral("Disk full");
        case 0: break;
        default: return QStringLiteral("I/O error %1").arg(error);
    }
    switch (file.error()) {
        case QFileDevice::ResourceError: return QStringLiteral("Disk full");
        case QFileDevice::PermissionsError: return QStringLiteral("File access denied");
        default: return QStringLiteral("I/O error %1").arg(static_cast<int>(file.error()));
    }
}

// A file's name without folder and extension: the title of its sheet.
QString TitleOf(const QString& fileName) { return QFileInfo(fileName).completeBaseName(); }

std::array<QString, TrayCount> TrayFieldTexts(const TForm1& window) {
    std::array<QString, TrayCount> texts;
    for (int tray = 1; tray <= TrayCount; ++tray) texts[static_cast<std::size_t>(tray - 1)] = window.TrayEdit(tray)->text();
    return texts;
}

// Opens a file for reading or ends the command with the standard file error.
void OpenForReading(QFile& file) {
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) throw CommandError(FileErrorText(file, errno));
}

QString NotATestFileMessage(const QString& fileName) {
    return QFileInfo(fileName).fileName() + QStringLiteral(" är ingen Kaldoventrifil!");
}

}  // namespace

void TForm1::SaveSheetToFile() {
    TNewTabSheet* sheet = currentSheet_;
    if (sheet == nullptr) return;

    QFileDialog* dialog = FileDialog(this, QStringLiteral("SaveDialog1"), QFileDialog::AcceptSave);
    dialog->selectFile(QString::fromStdString(sheet->GetTitle()));
    const QString fileName = ChooseFile(dialog);
    if (fileName.isEmpty()) return;
    if (QFileInfo::exists(fileName) && !AskYesNo(this, QStringLiteral("Ska filen skrivas över?"))) return;

    // The whole file is made first and replaces the old one only once it is
    // completely on disk, so a failure part way leaves the old file as it was.
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(*sheet, TrayFieldTexts(*this)));
    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) throw CommandError(FileErrorText(file, errno));
    // commit() alone does not notice a write that failed while flushing (a full
    // disk), so the bytes are flushed and checked before the file replaces the old one.
    errno = 0;
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (!written || !file.commit()) {
        const int error = errno;
        file.cancelWriting();
        throw CommandError(FileErrorText(file, error));
    }

    SetSheetTitle(sheet, TitleOf(fileName));
}

bool TForm1::IsTestFile(const QString& fileName) {
    QFile file(fileName);
    OpenForReading(file);
    return kaldoventri::IsTestFile(file);
}

void TForm1::OpenSheetFromFile() {
    QFileDialog* dialog = FileDialog(this, QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen);
    const QString fileName = ChooseFile(dialog);
    if (fileName.isEmpty()) return;

    if (!IsTestFile(fileName)) {
        ShowPlainMessage(this, NotATestFileMessage(fileName));
        return;
    }

    // Everything is read and converted before a sheet is made, so a damaged
    // file leaves no half-filled tab behind and uses up no sheet number.
    QFile file(fileName);
    OpenForReading(file);
    const TestFileReadResult read = ReadTestFile(file);
    if (const auto* error = std::get_if<TestFileError>(&read)) {
        if (error->kind == TestFileError::Kind::NotATestFile) {
            ShowPlainMessage(this, NotATestFileMessage(fileName));
            return;
        }
        throw CommandError(error->kind == TestFileError::Kind::ReadFailed ? FileErrorText(file, errno)
                                                                           : error->message);
    }
    const auto& contents = std::get<TestFileContents>(read);
    const auto amounts = CompleteTrayAmounts(contents, TrayFieldTexts(*this));
    if (const auto* error = std::get_if<TestFileError>(&amounts)) throw CommandError(error->message);

    TNewTabSheet* sheet = AddNewSheet(TitleOf(fileName));
    FillSheetFromTestFile(*sheet, contents, std::get<std::array<qint32, TrayCount>>(amounts));
    CalculateSheet();
    ShowActiveSheet();
}

}  // namespace kaldoventri
