// Recovery copies of the unsaved sheets, so that a crash, a kill or a power
// cut loses nothing. Each running program keeps its copies in a folder of
// its own under the recovery folder, held by a lock file while it runs: a
// folder whose lock no living program holds was left by a program that did
// not end normally, and only such folders are offered back at the next
// start, so two programs never take each other's copies.
//
// A copy is the test file the sheet would write (written whole or not at
// all, as "Spara som" writes) and a small file with its title and the file
// it belongs to. A copy follows a change within a second; saving or closing
// a sheet removes its copy, and the normal end of the program removes them all.
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

class Workbook;

// One sheet found in a recovery folder.
struct RecoveredSheet {
    TNewTabSheet sheet;
    QString title;
    QString filePath;
};

// The unsaved sheets a program that ended abnormally left under `root`, in
// their tab order, and the folders they lie in. Copies that cannot be read
// are passed over; folders of running programs are not looked at.
struct LeftBehind {
    std::vector<RecoveredSheet> sheets;
    QStringList folders;
};
LeftBehind FindLeftBehind(const QString& root);

// Removes the folders FindLeftBehind named, once their sheets are restored or thrown away.
void RemoveLeftBehind(const QStringList& folders);

class SheetRecovery : public QObject {
    Q_OBJECT

public:
    // Keeps copies of the workbook's unsaved sheets under `root` (the
    // program's data folder + "/recovery" in the program).
    SheetRecovery(Workbook& workbook, const QString& root, QObject* parent = nullptr);
    ~SheetRecovery() override;

    // Writes every copy that is behind now, and removes those of saved and closed sheets.
    void Sync();
    // The normal end of the program: every copy and the folder go.
    void EndNormally();
    // This program's own folder.
    QString Folder() const { return folder_; }

signals:
    // The copies cannot be written (a read-only or full disk); sent once per run.
    void writeFailed(const QString& reason);

private:
    bool Prepare();
    void Fail(const QString& reason);

    Workbook& workbook_;
    QString root_;
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QTimer timer_;
    // What each copy holds, by sheet name ("Blad7").
    std::map<std::string, QByteArray> written_;
    bool failed_ = false;
    bool ended_ = false;
};

}  // namespace kaldoventri
