// "Spara", "Spara som" and "Öppna": the file dialogs, the overwrite question
// and the messages around writing and reading a test file. The workbook does the
// reading and writing; failures come back from it as values and end the
// command here with the program's own message or the standard error report.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace kaldoventri {

class RecentFolder;
class Workbook;

class FileCommands {
public:
    FileCommands(QWidget* window, Workbook& workbook, RecentFolder& folder);

    // "Spara": writes the sheet to the file it belongs to; a sheet without a
    // file is saved as "Spara som" does. False when the user cancelled.
    bool Save(int index);
    // "Spara som": saves the sheet under a chosen name; the dialog starts in
    // the sheet's own folder. False when the user cancelled.
    bool SaveAs(int index);
    // Opens the chosen test files as further sheets (OpenSheetFromFile).
    void Open();
    // Opens the file as a further sheet, as "Öppna" does once a file is
    // chosen; a file that is open already shows its sheet. A refusal names
    // the file in the command line's Swedish words, since several files may
    // be opened at once.
    void OpenFile(const QString& path);

    // Told of each sheet written to its file or newly opened from one, after
    // the command has done its part; it must not throw (the archive keeps the
    // test there, and saving never fails because of it).
    enum class FileEvent { Saved, Opened };
    using FileHook = std::function<void(int index, FileEvent event)>;
    void SetFileHook(FileHook hook) { hook_ = std::move(hook); }

private:
    void Tell(int index, FileEvent event) const {
        if (hook_) hook_(index, event);
    }


    QWidget* window_;
    Workbook& workbook_;
    RecentFolder& folder_;
    FileHook hook_;
};

}  // namespace kaldoventri
