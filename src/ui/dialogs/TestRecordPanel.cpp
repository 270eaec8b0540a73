#include "ui/dialogs/TestRecordPanel.h"

#include <QDate>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <cmath>
#include <optional>

#include "display/LocaleText.h"

namespace kaldoventri {

namespace {

QLineEdit* Field(const QString& name, int width, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    if (width > 0) field->setFixedWidth(width);
    return field;
}

QLineEdit* NumberField(const QString& name, QWidget* parent, bool decimals) {
    QLineEdit* field = Field(name, 56, parent);
    const QString pattern = decimals ? QStringLiteral("\\d{0,4}([.,]\\d{0,3})?") : QStringLiteral("\\d{0,5}");
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), field));
    field->setAlignment(Qt::AlignRight);
    return field;
}

// "10,5" or "10.5"; nothing for an empty field.
std::optional<double> TypedNumber(const QString& typed, bool& ok) {
    QString text = typed.trimmed();
    ok = true;
    if (text.isEmpty()) return std::nullopt;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const double value = QLocale::c().toDouble(text, &ok);
    ok = ok && std::isfinite(value);
    return value;
}

QString Shown(double value) { return FormatNumber(value); }

}  // namespace

std::string TodayIso() { return QDate::currentDate().toString(Qt::ISODate).toStdString(); }

TestRecordPanel::TestRecordPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Provuppgifter"), parent), date_(Field(QStringLiteral("Provdatum_Edit"), 96, this)),
      customer_(Field(QStringLiteral("Kund_Edit"), 0, this)), tester_(Field(QStringLiteral("Provare_Edit"), 0, this)),
      speed_(NumberField(QStringLiteral("Korhastighet_Edit"), this, true)),
      rpm_(NumberField(QStringLiteral("Varvtal_Edit"), this, false)),
      wind_(NumberField(QStringLiteral("Vind_Edit"), this, true)), note_(Field(QStringLiteral("Anteckning_Edit"), 0, this)) {
    date_->setPlaceholderText(QLocale().dateFormat(QLocale::ShortFormat).toLower());
    // Room for a whole date and five digits in the dialog's bold font.
    const QFontMetrics metrics(font());
    date_->setFixedWidth(metrics.horizontalAdvance(QLocale().toString(QDate(2026, 12, 30), QLocale::ShortFormat)) + 16);
    for (QLineEdit* number : {speed_, rpm_, wind_}) number->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("00000")) + 14);
    note_->setMaxLength(TestRecord::NoteLength);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setVerticalSpacing(4);
    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    const auto unit = [this](const QString& text) { return new QLabel(text, this); };
    grid->addWidget(caption(QStringLiteral("Provdatum:"), date_), 0, 0);
    grid->addWidget(date_, 0, 1);
    grid->addWidget(caption(QStringLiteral("Kund:"), customer_), 0, 3);
    grid->addWidget(customer_, 0, 4, 1, 4);
    grid->addWidget(caption(QStringLiteral("Provare:"), tester_), 0, 8);
    grid->addWidget(tester_, 0, 9, 1, 3);
    grid->addWidget(caption(QStringLiteral("Körhastighet:"), speed_), 1, 0);
    grid->addWidget(speed_, 1, 1);
    grid->addWidget(unit(QStringLiteral("km/h")), 1, 2);
    grid->addWidget(caption(QStringLiteral("Varvtal:"), rpm_), 1, 3);
    grid->addWidget(rpm_, 1, 4);
    grid->addWidget(unit(QStringLiteral("r/min")), 1, 5);
    grid->addWidget(caption(QStringLiteral("Vind:"), wind_), 1, 6);
    grid->addWidget(wind_, 1, 7);
    grid->addWidget(unit(QStringLiteral("m/s")), 1, 8);
    grid->addWidget(caption(QStringLiteral("Anteckning:"), note_), 1, 9);
    grid->addWidget(note_, 1, 10, 1, 2);
    grid->setColumnStretch(4, 2);
    grid->setColumnStretch(10, 3);
    Clear();
}

void TestRecordPanel::ShowRecord(const TestRecord& record) {
    const QDate date = QDate::fromString(QString::fromStdString(record.date), Qt::ISODate);
    date_->setText(date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString());
    customer_->setText(QString::fromStdString(record.customer));
    tester_->setText(QString::fromStdString(record.tester));
    speed_->setText(record.speedKmh ? Shown(*record.speedKmh) : QString());
    rpm_->setText(record.rpm ? QString::number(*record.rpm) : QString());
    wind_->setText(record.windMs ? Shown(*record.windMs) : QString());
    note_->setText(QString::fromStdString(record.note));
}

void TestRecordPanel::Clear() {
    TestRecord fresh;
    fresh.date = TodayIso();
    ShowRecord(fresh);
}

std::variant<TestRecord, UnitsRefusal> TestRecordPanel::ReadRecord() const {
    TestRecord record;
    const QString dateText = date_->text().trimmed();
    if (!dateText.isEmpty()) {
        QDate date = QLocale().toDate(dateText, QLocale::ShortFormat);
        if (!date.isValid()) date = QDate::fromString(dateText, Qt::ISODate);
        // Two-digit years read as this century's.
        if (date.isValid() && date.year() < 100) date = date.addYears(2000);
        if (!date.isValid())
            return UnitsRefusal{QStringLiteral("Provdatum: '%1' är inget datum (som %2).")
                                    .arg(dateText, QLocale().toString(QDate::currentDate(), QLocale::ShortFormat)),
                                date_};
        record.date = date.toString(Qt::ISODate).toStdString();
    }
    record.customer = customer_->text().trimmed().toStdString();
    record.tester = tester_->text().trimmed().toStdString();
    record.note = note_->text().trimmed().toStdString();
    bool ok = true;
    record.speedKmh = TypedNumber(speed_->text(), ok);
    if (!ok || (record.speedKmh && !(*record.speedKmh > 0)))
        return UnitsRefusal{QStringLiteral("Körhastighet: ange ett positivt tal i km/h, som 10,5."), speed_};
    record.windMs = TypedNumber(wind_->text(), ok);
    if (!ok) return UnitsRefusal{QStringLiteral("Vind: ange ett tal i m/s, som 3,5."), wind_};
    if (!rpm_->text().trimmed().isEmpty()) record.rpm = rpm_->text().trimmed().toInt();
    return record;
}

QList<QWidget*> TestRecordPanel::TabOrder() const { return {date_, customer_, tester_, speed_, rpm_, wind_, note_}; }

}  // namespace kaldoventri
