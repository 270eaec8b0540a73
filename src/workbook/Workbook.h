// The open test sheets: the one owner of every sheet, in tab order, with the
// current sheet, the running sheet number and the Y-scale mode. Every change
// of what a sheet's evaluation depends on is followed by exactly one
// evaluation of the current sheet (CalculateSheet) and one `changed`
// notification; the windows are views that draw what the workbook holds.
// Views get the sheets read-only: every write is one of the named calls
// below. It never shows a window: a failure comes back as a value.
//
// Each sheet also knows the file it belongs to and whether it is saved: a
// sheet is saved while the test file it would write holds the same bytes as
// the file it was last opened from or saved to.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "evaluation/DrivingPattern.h"
#include "evaluation/TNewTabSheet.h"
#include "files/TestSheetReading.h"
#include "workbook/SheetSettings.h"

namespace kaldoventri {

// Amounts typed into the window's tray fields, tray 1 first; an empty field has none.
using TrayEntries = std::vector<std::optional<qint32>>;

class Workbook : public QObject {
    Q_OBJECT

public:
    enum Change {
        Sheets = 0x1,     // a sheet came or went, or a title changed
        Current = 0x2,    // another sheet (or none) is the current one
        Evaluated = 0x4,  // the current sheet was evaluated anew
        Stored = 0x8,     // inputs were stored without an evaluation
        YScale = 0x10,    // the Y-scale mode changed
        Saved = 0x20,     // a sheet became saved or unsaved
    };
    Q_DECLARE_FLAGS(Changes, Change)

    explicit Workbook(QObject* parent = nullptr);
    ~Workbook() override;

    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    // nullptr outside 0..SheetCount()-1.
    const TNewTabSheet* Sheet(int index) const;
    int IndexOf(const TNewTabSheet* sheet) const;
    // -1 when no sheet is open.
    int CurrentIndex() const { return current_; }
    const TNewTabSheet* CurrentSheet() const { return Sheet(current_); }
    // Number of the next sheet's name "Blad" + number: 1 at start, never lowered.
    int NextSheetNumber() const { return nextSheetNumber_; }
    // 0 = "Y-Skala värde", 1 = "Y-Skala %", 2 = "Y-Skala kg/ha" (a sheet
    // without tray area and unit is drawn on the value scale then).
    int YScaleMode() const { return yScaleMode_; }
    // How many evaluations have run so far.
    long EvaluationCount() const { return evaluations_; }
    // The file the sheet was last opened from or saved to; empty for a sheet
    // that has none (new, averaged, or restored without a file).
    QString FilePath(int index) const;
    // False for a sheet whose test, as its file would hold it, is the one last
    // opened or saved; true for a new or averaged sheet until it is saved.
    bool IsModified(int index) const;
    // The sheets that are not saved, in tab order.
    std::vector<int> ModifiedSheets() const;
    // The test file's bytes of the sheet as it stands.
    QByteArray FileBytes(int index) const;

    // A new sheet "Blad" + number from the dialog's values, both neighbour
    // passes driven the opposite way; it becomes the current sheet.
    const TNewTabSheet& AddSheet(const SheetSettings& settings);
    // A new sheet "Blad" + number whose amounts are the tray-by-tray means of
    // the sheets at `indices` (rounded, halves to even), with the description,
    // working width and driving pattern of the first of them and the titles
    // of all as its origin ("Medelvärde av Blad1, Blad2"). A sheet of another
    // kit or amount unit than the first is left out; nothing happens for
    // fewer than two sheets that go together.
    const TNewTabSheet* AddAveragedSheet(const std::vector<int>& indices);
    // Reads a test file into a new sheet titled after the file, which becomes
    // the current sheet. A file with fewer amounts than trays is refused, as
    // in an empty window. Nothing changes and no number is used on failure.
    // A file that is open already only makes its sheet the current one.
    std::optional<OpenFailure> OpenSheet(const QString& path);
    // A test kept elsewhere (the archive) as the bytes of the file at `path`,
    // opened as OpenSheet opens that file: a new current sheet belonging to
    // the file, or the file's sheet made current when it is open already. The
    // sheet is saved only while the file on disk holds what it would write.
    std::optional<OpenFailure> OpenArchivedSheet(const QByteArray& bytes, const QString& path);
    // The index of the sheet that belongs to the file, or -1.
    int IndexOfFile(const QString& path) const;
    // Writes the current sheet to a test file and titles it after the file.
    // Gives the error text when the file could not be written.
    std::optional<QString> SaveCurrentSheet(const QString& path);
    // The same for any sheet; it then belongs to that file and is saved.
    std::optional<QString> SaveSheet(int index, const QString& path);
    // A sheet brought back from its recovery copy: unsaved, under its old
    // title, belonging to the file it belonged to; it becomes the current sheet.
    // Later sheet numbers go on after any "Blad" + number it is titled.
    const TNewTabSheet& RestoreSheet(TNewTabSheet sheet, const QString& title, const QString& filePath);

    // The commands below do nothing without a current sheet.
    void ApplySettings(const SheetSettings& settings);
    // Brought into 10..100 half-metres, the range of the arrows and the dialog.
    void SetWorkingWidth(int halfMetres);
    void SetDrivingPattern(DrivingPattern pattern);
    // Stores the given amounts and evaluates.
    void SetTrayAmounts(const TrayEntries& amounts);
    // Stores the given amounts without evaluating: the sheet's results keep
    // describing it as it was at its last evaluation.
    void StoreTrayAmounts(const TrayEntries& amounts);

    void SetCurrentIndex(int index);
    // Closes the current sheet; the next one (or the first, when it was the
    // last) becomes current and is evaluated.
    void CloseCurrentSheet();
    // Closes the sheet at `index`; the current sheet stays current.
    void CloseSheet(int index);
    void CloseAllSheets();

    // "Y-Skala kg/ha" is taken only when the current sheet has the tray area
    // and unit its rate needs; otherwise nothing happens.
    void SetYScaleMode(int mode);

    // Where the pointer rests over the diagram (its pixels), kept with the
    // current sheet for the pointer read-out. No evaluation and no
    // notification: nothing but the read-out depends on it.
    void SetPointer(int x, int y);

signals:
    void changed(kaldoventri::Workbook::Changes what);

private:
    struct OpenTest {
        std::unique_ptr<TNewTabSheet> sheet;
        QString filePath;
        // The file bytes when last opened or saved; none for a sheet never saved.
        std::optional<QByteArray> savedBytes;
        bool modified = true;
    };

    // "Blad" + the next sheet number.
    std::string NextSheetName() const;
    // Names the sheet, makes it current and evaluates it unless `evaluated`.
    TNewTabSheet& Append(OpenTest test, bool evaluated = false);
    TNewTabSheet* Editable() { return current_ >= 0 ? sheets_[static_cast<std::size_t>(current_)].sheet.get() : nullptr; }
    const OpenTest* Entry(int index) const;
    void Evaluate();
    bool Store(const TrayEntries& amounts);
    // Compares the current sheet with its saved bytes after a change of its
    // test; gives Saved when its mark changed.
    Changes CheckSaved();
    // Emits `changed` with `what` and the Saved flag where the mark changed.
    void Changed(Changes what);

    std::vector<OpenTest> sheets_;
    int current_ = -1;
    int nextSheetNumber_ = 1;
    int yScaleMode_ = 0;
    long evaluations_ = 0;
};

}  // namespace kaldoventri

Q_DECLARE_OPERATORS_FOR_FLAGS(kaldoventri::Workbook::Changes)
