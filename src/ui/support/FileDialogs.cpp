// File dialogs.
#include "ui/support/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

namespace {

// The open dialog chooses one file or several, and it must not insist that a
// typed name exists: the program reports a missing file itself. A folder
// typed or chosen is opened in the dialog, as the dialog does.
class OpenDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // Remembers what the user types into the name field: once the dialog
    // has found some of the typed names among its files it may write just
    // those back, and a quoted name that does not exist would be passed over
    // without a word.
    void FollowTyping() {
        if (auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            connect(field, &QLineEdit::textEdited, this, [this](const QString& text) { typed_ = text; });
    }

    // Several names stand quoted in the name field, as the dialog writes them
    // when several files are selected.
    QStringList Chosen() const {
        const auto* field = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        const QString shown = field != nullptr ? field->text() : QString();
        const QStringList names = Quoted(shown);
        if (names.isEmpty()) return selectedFiles();
        const QStringList typed = Quoted(typed_);
        const bool foundAmongTyped =
            std::all_of(names.begin(), names.end(), [&typed](const QString& name) { return typed.contains(name); });
        QStringList chosen;
        for (const QString& name : foundAmongTyped ? typed : names)
            chosen << (QFileInfo(name).isAbsolute() ? name : directory().absoluteFilePath(name));
        return chosen;
    }

    static QStringList Quoted(const QString& text) {
        static const QRegularExpression quoted(QStringLiteral("\"([^\"]+)\""));
        QStringList names;
        for (auto found = quoted.globalMatch(text); found.hasNext();) names << found.next().captured(1);
        return names;
    }

    void accept() override {
        const QStringList chosen = Chosen();
        const bool folder = std::any_of(chosen.begin(), chosen.end(), [](const QString& p) { return QFileInfo(p).isDir(); });
        if (!chosen.isEmpty() && !folder)
            QDialog::accept();
        else
            QFileDialog::accept();
    }

private:
    QString typed_;
};

// A new dialog each time, gone when its command ends: a dialog kept between
// uses kept its completion list too, which could stay on screen over the
// window and take the next click and keystrokes.
void SetUp(QFileDialog& dialog, bool save, const FileKind& kind) {
    dialog.setObjectName(save ? QStringLiteral("SaveDialog1") : QStringLiteral("OpenDialog1"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Qt's own dialog behaves the same on every desktop; the program asks
    // about overwriting itself, and the filter names stand without patterns.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite |
                      QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(
        {kind.filterName + QStringLiteral(" (*.") + kind.suffix + QLatin1Char(')'), QStringLiteral("Alla filer (*)")});
    dialog.setDefaultSuffix(kind.suffix);
}

}  // namespace

QString ChooseFile(QWidget* parent, FileDialogPurpose purpose, const FileKind& kind, const QString& startFolder,
                   const QString& offeredName) {
    if (purpose == FileDialogPurpose::Open) return ChooseFilesToOpen(parent, kind, startFolder).value(0);
    QFileDialog dialog(parent, QStringLiteral("Spara som"), startFolder);
    SetUp(dialog, true, kind);
    dialog.setFileMode(QFileDialog::AnyFile);
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
    if (dialog.selectedNameFilter().startsWith(kind.filterName) && !path.endsWith(suffix, Qt::CaseInsensitive))
        path += suffix;
    return path;
}

QStringList ChooseFilesToOpen(QWidget* parent, const FileKind& kind, const QString& startFolder) {
    OpenDialog dialog(parent, QStringLiteral("Öppna"), startFolder);
    SetUp(dialog, false, kind);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.FollowTyping();
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.Chosen();
}

QString ChooseFileToSave(QWidget* parent, const FileKind& kind, const QString& startFolder, const QString& offeredName) {
    const QString path = ChooseFile(parent, FileDialogPurpose::Save, kind, startFolder, offeredName);
    if (path.isEmpty()) return {};
    if (QFileInfo::exists(path) && !AskYesNo(parent, QStringLiteral("Ska filen skrivas över?"))) return {};
    return path;
}

}  // namespace kaldoventri
