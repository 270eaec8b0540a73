// "Medelvärde av blad": the open sheets with a check box each, for choosing
// replicate tests to average. Sheets of another tray layout or amount unit
// than the first one chosen cannot be chosen with it and say why; sheets of
// one title are told apart by their spreader. OK needs at least two.
#pragma once

#include <QDialog>
#include <QStringList>

#include <vector>

class QDialogButtonBox;
class QListWidget;
class QListWidgetItem;

namespace kaldoventri {

class Workbook;

class AverageSheetsDialog : public QDialog {
    Q_OBJECT

public:
    AverageSheetsDialog(const Workbook& workbook, QWidget* parent = nullptr);

    // Indices of the chosen sheets in the workbook, in the order they were chosen.
    std::vector<int> ChosenSheets() const { return chosen_; }
    QListWidget* SheetList() const { return list_; }

private:
    void ItemChanged(QListWidgetItem* item);
    void Refresh();

    const Workbook& workbook_;
    QStringList texts_;  // each sheet's line, before any reason it is left out
    QListWidget* list_;
    QDialogButtonBox* buttons_;
    std::vector<int> chosen_;
    bool refreshing_ = false;
};

}  // namespace kaldoventri
