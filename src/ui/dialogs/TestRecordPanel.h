// The test entry dialog's "Provuppgifter": the test's date (the locale's
// short form on screen), customer, tester, forward speed, disc or PTO speed,
// wind and a note. All optional; a new test starts with today's date, which
// the user can change or clear.
#pragma once

#include <QGroupBox>

#include <variant>

#include "evaluation/TestRecord.h"
#include "ui/dialogs/SheetUnitsPanel.h"

class QLineEdit;

namespace kaldoventri {

class TestRecordPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TestRecordPanel(QWidget* parent);

    void ShowRecord(const TestRecord& record);
    // Every field empty but the date, which is today's.
    void Clear();
    // The record as typed; the refusal names the field to correct.
    std::variant<TestRecord, UnitsRefusal> ReadRecord() const;

    QList<QWidget*> TabOrder() const;

private:
    QLineEdit* date_;
    QLineEdit* customer_;
    QLineEdit* tester_;
    QLineEdit* speed_;
    QLineEdit* rpm_;
    QLineEdit* wind_;
    QLineEdit* note_;
};

// Today in ISO form, for a new test's date.
std::string TodayIso();

}  // namespace kaldoventri
