// The result panel's box of the test record: its date (the locale's short
// form), customer and tester, beside the description boxes. Hidden for a
// test without any of the three, so an older test looks as it always did.
#pragma once

#include <QFont>
#include <QGroupBox>

#include "evaluation/TNewTabSheet.h"

class QLabel;

namespace kaldoventri {

class RecordBox : public QGroupBox {
    Q_OBJECT

public:
    RecordBox(QWidget* panel, const QFont& font);

    // Shows the sheet's record right of `beside`, as high as it and at most
    // as wide as the panel leaves; hidden when there is nothing to show or
    // no room. The right edge it takes (or beside's, when hidden).
    int Show(const TNewTabSheet* sheet, const QGroupBox& beside);

private:
    QLabel* captions_[3];
    QLabel* values_[3];
    QFont font_;
};

}  // namespace kaldoventri
