// The test entry dialog's optional units: the catching area of one tray
// (width × length in cm, or the area in m²), what one amount unit is (a mass,
// or a volume with the fertiliser's bulk density) and the rate aimed at. All
// fields empty means a test without units, which is evaluated as always.
#pragma once

#include <QGroupBox>

#include <variant>

#include "evaluation/SheetUnits.h"

class QComboBox;
class QLineEdit;

namespace kaldoventri {

// Why the units as typed cannot be used, and the field to correct.
struct UnitsRefusal {
    QString message;  // Swedish
    QWidget* field;
};

class SheetUnitsPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit SheetUnitsPanel(QWidget* parent);

    void ShowUnits(const SheetUnits& units);
    void Clear();
    // The units as typed: numbers with a decimal comma or point.
    std::variant<SheetUnits, UnitsRefusal> ReadUnits() const;

    // The panel's fields in the order Tab visits them.
    QList<QWidget*> TabOrder() const;

private:
    // The area in m² follows a width and a length both typed in cm; an area
    // typed in m² clears them, so the two never disagree.
    void AreaFromCentimetres();
    void UnitChosen();
    int UnitIndex(const AmountUnit& unit);

    QLineEdit* width_;
    QLineEdit* length_;
    QLineEdit* area_;
    QComboBox* unit_;
    QLineEdit* density_;
    QLineEdit* target_;
};

}  // namespace kaldoventri
