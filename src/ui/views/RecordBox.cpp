#include "ui/views/RecordBox.h"

#include <QDate>
#include <QLabel>
#include <QLocale>

#include <algorithm>

namespace kaldoventri {

namespace {
constexpr int WidestValue = 240;  // a customer's name beyond it is shortened with "…"
constexpr int NarrowestBox = 160;
}  // namespace

RecordBox::RecordBox(QWidget* panel, const QFont& font) : QGroupBox(panel), font_(font) {
    setObjectName(QStringLiteral("Prov_GroupBox"));
    const char* captions[] = {"Provdatum:", "Kund:", "Provare:"};
    const char* names[] = {"Provdatum_Label", "Kund_Label", "Provare_Label"};
    for (int i = 0; i < 3; ++i) {
        captions_[i] = new QLabel(QString::fromUtf8(captions[i]), this);
        captions_[i]->setFont(font);
        values_[i] = new QLabel(this);
        values_[i]->setObjectName(QLatin1String(names[i]));
        values_[i]->setFont(font);
    }
    hide();
}

int RecordBox::Show(const TNewTabSheet* sheet, const QGroupBox& beside) {
    const TestRecord record = sheet != nullptr ? sheet->GetRecord() : TestRecord{};
    const QDate date = QDate::fromString(QString::fromStdString(record.date), Qt::ISODate);
    const QString texts[] = {date.isValid() ? QLocale().toString(date, QLocale::ShortFormat) : QString(),
                             QString::fromStdString(record.customer), QString::fromStdString(record.tester)};
    const QWidget* panel = parentWidget();
    const int left = beside.geometry().right() + 16;
    const QFontMetrics metrics(font_);
    int captionWidth = 0, valueWidth = 0;
    for (int i = 0; i < 3; ++i) {
        captionWidth = std::max(captionWidth, metrics.horizontalAdvance(captions_[i]->text()));
        valueWidth = std::max(valueWidth, std::min(metrics.horizontalAdvance(texts[i]), WidestValue));
    }
    const int width = std::min(16 + captionWidth + 5 + valueWidth + 10, panel->width() - left - 8);
    const bool shown = (!texts[0].isEmpty() || !texts[1].isEmpty() || !texts[2].isEmpty()) && width >= NarrowestBox;
    setVisible(shown);
    if (!shown) return beside.geometry().right();
    setGeometry(left, beside.y(), width, beside.height());
    // Three rows as the description boxes beside it have them.
    const int rowHeight = metrics.height() + 2;
    const int top = (beside.height() - 3 * rowHeight) / 2;
    for (int i = 0; i < 3; ++i) {
        captions_[i]->setGeometry(16 + captionWidth - metrics.horizontalAdvance(captions_[i]->text()), top + i * rowHeight,
                                  metrics.horizontalAdvance(captions_[i]->text()), rowHeight);
        const int room = std::max(width - (16 + captionWidth + 5) - 6, 0);
        values_[i]->setGeometry(16 + captionWidth + 5, top + i * rowHeight, room, rowHeight);
        values_[i]->setText(metrics.elidedText(texts[i], Qt::ElideRight, room));
        values_[i]->setToolTip(texts[i]);
    }
    return geometry().right();
}

}  // namespace kaldoventri
