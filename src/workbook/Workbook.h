// The open test sheets: the one owner of every sheet, in tab order, with the
// current sheet, the running sheet number and the Y-scale mode. Every change
// of what a sheet's evaluation depends on is followed by exactly one
// evaluation of the current sheet (CalculateSheet) and one `changed`
// notification; the windows are views that draw what the workbook holds.
// Views get the sheets read-only: every write is one of the named calls
// below. It never shows a window: a failure comes back as a value.
#pragma once

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

    // A new sheet "Blad" + number from the dialog's values, both neighbour
    // passes driven the opposite way; it becomes the current sheet.
    const TNewTabSheet& AddSheet(const SheetSettings& settings);
    // A new sheet "Blad" + number whose amounts are the tray-by-tray means of
    // the sheets at `indices` (rounded, halves to even), with the description,
    // working width and driving pattern of the first of them and the titles
    // of all as its origin ("Medelvärde av Blad1, Blad2"). Nothing happens
    // for fewer than two valid indices.
    const TNewTabSheet* AddAveragedSheet(const std::vector<int>& indices);
    // Reads a test file into a new sheet titled after the file, which becomes
    // the current sheet. A file with fewer amounts than trays is refused, as
    // in an empty window. Nothing changes and no number is used on failure.
    std::optional<OpenFailure> OpenSheet(const QString& path);
    // Writes the current sheet to a test file and titles it after the file.
    // Gives the error text when the file could not be written.
    std::optional<QString> SaveCurrentSheet(const QString& path);

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
    // "Blad" + the next sheet number.
    std::string NextSheetName() const;
    // Names the sheet, makes it current and evaluates it unless `evaluated`.
    TNewTabSheet& Append(std::unique_ptr<TNewTabSheet> sheet, bool evaluated = false);
    TNewTabSheet* Editable() { return current_ >= 0 ? sheets_[static_cast<std::size_t>(current_)].get() : nullptr; }
    void Evaluate();
    bool Store(const TrayEntries& amounts);

    std::vector<std::unique_ptr<TNewTabSheet>> sheets_;
    int current_ = -1;
    int nextSheetNumber_ = 1;
    int yScaleMode_ = 0;
    long evaluations_ = 0;
};

}  // namespace kaldoventri

Q_DECLARE_OPERATORS_FOR_FLAGS(kaldoventri::Workbook::Changes)
