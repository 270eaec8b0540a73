// The "Jämförelse" window: two to four open sheets side by side as the
// comparison picture draws them (overlaid patterns and VK curves, the table
// of figures and differences to the reference). It follows the workbook: a
// changed amount or width of a compared sheet is drawn anew, a closed sheet
// leaves the comparison, and with fewer than two left the window closes.
// Ctrl+C copies the picture, Ctrl+P prints it on one A4 landscape page of the
// printer chosen under Skrivare, Inställningar, and "Rapport (PDF)..." writes
// the report of the compared sheets with the comparison page first.
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <vector>

class QPrinter;

namespace kaldoventri {

class RecentFolder;
class TNewTabSheet;
class Workbook;

class ComparisonWindow : public QWidget {
    Q_OBJECT

public:
    // `indices` are the compared sheets' places in the workbook, the reference first.
    ComparisonWindow(const Workbook& workbook, const std::vector<int>& indices, QPrinter& chosenPrinter,
                     const RecentFolder& folder, QWidget* parent = nullptr);

    // The compared sheets still open, the reference first.
    const std::vector<const TNewTabSheet*>& Sheets() const { return sheets_; }
    // The comparison as the window draws it, at `size`.
    QImage Picture(QSize size) const;

    void CopyPicture();
    // False when the job could not be started or finished.
    bool Print();
    void WriteReport();

private:
    void WorkbookChanged(int what);
    void PrintOrSay();

    QPointer<const Workbook> workbook_;
    std::vector<const TNewTabSheet*> sheets_;
    QPrinter& chosenPrinter_;
    const RecentFolder& folder_;
    QWidget* canvas_;
};

// The comparison picture drawn on a printer's page, one landscape A4 page.
bool PrintComparison(QPrinter& chosen, const std::vector<const TNewTabSheet*>& sheets);

// A comparison window of the sheets at `indices`, the reference first, shown.
ComparisonWindow* ShowComparison(QWidget* window, const Workbook& workbook, const std::vector<int>& indices,
                                 QPrinter& chosenPrinter, const RecentFolder& folder);

// "Jämför blad...": the chooser, then a comparison window of the chosen
// sheets (none when the chooser was cancelled).
ComparisonWindow* StartComparison(QWidget* window, const Workbook& workbook, QPrinter& chosenPrinter,
                                  const RecentFolder& folder);

}  // namespace kaldoventri
