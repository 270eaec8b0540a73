// The part of the test entry dialog that is shown for "Egen uppställning":
// the kit's name, the kits kept from earlier runs, the number of trays with
// a quick fill of evenly spaced places, and the range searched for the
// optimal working width. The places themselves are typed in the dialog's
// tray row, under each tray's amount.
#pragma once

#include <QGroupBox>

#include <variant>

#include "evaluation/TrayKit.h"
#include "evaluation/WorkingWidth.h"
#include "ui/support/KitStore.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace kaldoventri {

class TrayEntryRow;

class KitPanel : public QGroupBox {
    Q_OBJECT

public:
    KitPanel(TrayEntryRow& row, QWidget* parent);

    // Fills the panel and the tray row's places from a kit.
    void ShowKit(const TrayKit& kit);
    // The kit as typed, or why it cannot be used (in Swedish).
    std::variant<TrayKit, QString> ReadKit() const;
    // The number of trays chosen.
    int Count() const;
    // Keeps the kit under its name for later runs.
    void Keep(const TrayKit& kit);

    // The panel's controls in the order Tab visits them.
    QList<QWidget*> TabOrder() const;

signals:
    // The number of trays changed: the dialog lays its row out again.
    void countChanged(int count);

private:
    void FillEvenly();
    void ChooseSaved(int index);
    void DeleteSaved();
    void RefreshSaved(const QString& current);

    TrayEntryRow& row_;
    KitStore store_;
    QLineEdit* name_;
    QComboBox* saved_;
    QPushButton* delete_;
    QSpinBox* count_;
    QLineEdit* spacing_;
    QPushButton* fill_;
    QDoubleSpinBox* searchFirst_;
    QDoubleSpinBox* searchLast_;
};

}  // namespace kaldoventri
