// "Jämför blad...": the open sheets with a check box each, for choosing two
// to four tests to compare, of any layout or kit. The first sheet ticked is
// the reference (the current sheet starts ticked); OK with fewer than two or
// more than four ticked says so and keeps the dialog open. Space ticks the
// sheet under the cursor, Enter is OK.
#pragma once

#include <QDialog>

#include <vector>

class QListWidget;
class QListWidgetItem;

namespace kaldoventri {

class Workbook;

class CompareSheetsDialog : public QDialog {
    Q_OBJECT

public:
    CompareSheetsDialog(const Workbook& workbook, QWidget* parent = nullptr);

    // Indices of the chosen sheets in the workbook, the reference first.
    std::vector<int> ChosenSheets() const { return chosen_; }
    QListWidget* SheetList() const { return list_; }

    void accept() override;

private:
    void ItemChanged(QListWidgetItem* item);

    QListWidget* list_;
    std::vector<int> chosen_;
};

// "Välj två till fyra blad att jämföra." with the count ticked.
QString CompareCountMessage(int ticked);

}  // namespace kaldoventri
