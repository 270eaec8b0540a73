// "Spara som" and "Öppna": the file dialogs, the overwrite question and the
// messages around writing and reading a test file. The workbook does the
// reading and writing; failures come back from it as values and end the
// command here with the program's own message or the standard error report.
#pragma once

#include <QString>

class QWidget;

namespace kaldoventri {

class RecentFolder;
class Workbook;

class FileCommands {
public:
    FileCommands(QWidget* window, Workbook& workbook, RecentFolder& folder);

    // Saves the current sheet under a chosen name (SaveSheetToFile).
    void Save();
    // Opens the chosen test files as further sheets (OpenSheetFromFile).
    void Open();
    // Opens the file as a further sheet, as "Öppna" does once a file is chosen.
    void OpenFile(const QString& path);
    // Opens a file given to the program at start: as OpenFile, but a refusal
    // names the file and is worded in Swedish, since nothing else on the
    // screen says which of the files it came from.
    void OpenGivenFile(const QString& path);

private:
    QWidget* window_;
    Workbook& workbook_;
    RecentFolder& folder_;
};

}  // namespace kaldoventri
