// The tray fields of the bottom panel.
#include "ui/mainwindow/TrayStrip.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include "files/WholeNumber.h"
#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/TrayKeyFilter.h"

namespace kaldoventri {

namespace {

// Slot k of the strip (k = 1, 2, ...) lies at x = 180 + 35 k and fits
// while x + 30 < panel width - 10.
constexpr int TrayPitch = 35;
constexpr int StripOrigin = 180;

int SlotX(int slot) { return StripOrigin + TrayPitch * slot; }
bool SlotFits(int slot, int panelWidth) { return SlotX(slot) + 30 < panelWidth - 10; }

QFont TrayFont() { return ProgramPointFont(QStringLiteral("MS Sans Serif"), 12, true); }

}  // namespace

TrayStrip::TrayStrip(QWidget* panel, QScrollBar* scrollBar, QWidget* window)
    : QObject(window), panel_(panel), scrollBar_(scrollBar), window_(window), keyFilter_(new TrayKeyFilter(this)) {
    connect(keyFilter_, &TrayKeyFilter::KeyRefused, this, &TrayStrip::keyRefused);
    const int width = panel_->width();
    QWidget* previous = nullptr;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        auto* field = new QLineEdit(panel_);
        field->setObjectName(QStringLiteral("FBox%1").arg(tray));
        // Three digits must fit the 35-pixel field, which the fallback face is too wide for.
        field->setFont(CondensedToFit(TrayFont(), QStringLiteral("999"), 35 - 8));
        field->hide();
        auto* label = new QLabel(QString::number(tray), panel_);
        label->setObjectName(QStringLiteral("FBoxLabel%1").arg(tray));
        label->setFont(TrayFont());
        const int x = SlotFits(tray, width) ? SlotX(tray) : 40;
        field->setGeometry(x, 5, 35, 23);
        label->setGeometry(x, 36, 35, 23);
        label->setVisible(SlotFits(tray, width));
        field->installEventFilter(keyFilter_);
        field->installEventFilter(this);
        if (previous != nullptr) QWidget::setTabOrder(previous, field);
        previous = field;
        fields_[static_cast<std::size_t>(tray - 1)] = field;
        labels_[static_cast<std::size_t>(tray - 1)] = label;
    }
}

QLineEdit* TrayStrip::Field(int tray) const {
    return tray >= 1 && tray <= TrayCount ? fields_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

QLabel* TrayStrip::Label(int tray) const {
    return tray >= 1 && tray <= TrayCount ? labels_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

int TrayStrip::TrayOf(const QObject* object) const {
    for (int tray = 1; tray <= TrayCount; ++tray)
        if (fields_[static_cast<std::size_t>(tray - 1)] == object) return tray;
    return 0;
}

void TrayStrip::Place(int tray, int slot, bool shown) {
    QLineEdit* field = Field(tray);
    QLabel* label = Label(tray);
    if (shown) {
        field->setGeometry(SlotX(slot), 10, 35, 25);
        label->setGeometry(SlotX(slot) + 5, 35, 35, 25);
    }
    field->setVisible(shown);
    label->setVisible(shown);
}

void TrayStrip::Arrange() {
    const int width = panel_->width();
    scrollBar_->setValue(0);
    int shownCount = 0;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const bool fits = SlotFits(tray, width);
        Place(tray, tray, fits);
        if (fits) {
            scrollBar_->resize(TrayPitch * tray, scrollBar_->height());
            ++shownCount;
        }
    }
    scrolls_ = shownCount < TrayCount;
    scrollBar_->setMaximum(TrayCount - shownCount);
    scrollBar_->setPageStep(TrayCount);
}

void TrayStrip::Scroll() {
    const int width = panel_->width();
    const int first = scrollBar_->value();
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const int slot = tray - first;
        Place(tray, slot, slot >= 1 && SlotFits(slot, width));
    }
    scrollBar_->setPageStep(1);
}

void TrayStrip::Show(const TNewTabSheet& sheet) {
    Scroll();
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const QString text = QString::number(sheet.GetTrayAmount(tray));
        // Rewriting an unchanged text would move the caret of the field being typed in.
        if (Field(tray)->text() != text) Field(tray)->setText(text);
    }
    scrollBar_->setVisible(scrolls_);
}

void TrayStrip::Hide() {
    for (int tray = 1; tray <= TrayCount; ++tray) {
        Field(tray)->hide();
        Field(tray)->clear();
        Label(tray)->hide();
    }
    // The strip's scroll bar belongs to the strip and goes with it.
    scrollBar_->hide();
}

TrayReading TrayStrip::Read() const {
    TrayReading reading;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const QString text = Field(tray)->text();
        if (text.isEmpty()) {
            reading.anyEmpty = true;
            continue;
        }
        if (reading.refused) continue;
        if (const std::optional<qint32> value = ParseWholeNumber(text))
            reading.amounts[static_cast<std::size_t>(tray - 1)] = *value;
        else
            reading.refused = text;
    }
    return reading;
}

TrayEntries TrayStrip::WholeNumbers() const {
    TrayEntries amounts;
    for (int tray = 1; tray <= TrayCount; ++tray)
        amounts[static_cast<std::size_t>(tray - 1)] = ParseWholeNumber(Field(tray)->text());
    return amounts;
}

int TrayStrip::LastEmptyTray() const {
    int last = 0;
    for (int tray = 1; tray <= TrayCount; ++tray)
        if (Field(tray)->text().isEmpty()) last = tray;
    return last;
}

void TrayStrip::ReturnFocus(QLineEdit* field) {
    returningFocus_ = true;
    field->setFocus(Qt::OtherFocusReason);
    returningFocus_ = false;
}

bool TrayStrip::eventFilter(QObject* watched, QEvent* event) {
    const int tray = TrayOf(watched);
    if (tray == 0) return false;
    QLineEdit* field = Field(tray);
    if (event->type() == QEvent::KeyRelease) {
        emit keyReleased();
    } else if (event->type() == QEvent::FocusOut) {
        // Only a move of the focus to another control of this window counts
        // as leaving the field; a deactivated window, a pop-up menu or a
        // message box does not.
        const QWidget* next = QApplication::focusWidget();
        if (next != nullptr && next != field && next->window() == window_ && !returningFocus_) QueueExit(field);
    }
    return false;
}

void TrayStrip::QueueExit(QLineEdit* field) {
    // After the focus change has finished: a message box must not open in
    // the middle of it.
    QTimer::singleShot(0, this, [this, target = QPointer<QLineEdit>(field)] {
        if (!target || !target->isVisible() || exitShowing_ || !target->text().isEmpty()) return;
        exitShowing_ = true;
        emit emptyFieldLeft(target);
        exitShowing_ = false;
    });
}

}  // namespace kaldoventri
