// The tray fields of the bottom panel.
#include "ui/views/TrayStrip.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include "ui/controls/ProgramFont.h"
#include "ui/controls/TrayKeyFilter.h"

namespace kaldoventri {

namespace {

// Slot k of the strip (k = 1, 2, ...) lies at x = 180 + 52 k and fits
// while its field ends 5 pixels short of 10 pixels from the panel's edge.
// A field is wide enough for five digits, and all 26 fit a 1600-pixel window.
constexpr int TrayPitch = 52;
constexpr int FieldWidth = 50;
constexpr int StripOrigin = 180;

int SlotX(int slot) { return StripOrigin + TrayPitch * slot; }
bool SlotFits(int slot, int panelWidth) { return SlotX(slot) + FieldWidth - 5 < panelWidth - 10; }

QFont TrayFont() { return ProgramPointFont(QStringLiteral("MS Sans Serif"), 12, true); }

}  // namespace

TrayStrip::TrayStrip(QWidget* panel, QScrollBar* scrollBar, QWidget* window)
    : QObject(window), panel_(panel), scrollBar_(scrollBar), window_(window), keyFilter_(new TrayKeyFilter(this)) {
    connect(keyFilter_, &TrayKeyFilter::KeyRefused, this, &TrayStrip::keyRefused);
    // A pasted list goes to the sheet in one go, as a typed amount does.
    connect(keyFilter_, &TrayKeyFilter::ListPasted, this, &TrayStrip::keyReleased);
    keyFilter_->SetTrayCount([this] { return count_; });
    for (int tray = 1; tray <= TrayCount; ++tray) Make(tray);
}

void TrayStrip::Make(int tray) {
    const int width = panel_->width();
    {
        auto* field = new QLineEdit(panel_);
        field->setObjectName(QStringLiteral("FBox%1").arg(tray));
        // The largest amount a field takes must fit it, frame and margins aside.
        field->setFont(CondensedToFit(TrayFont(), QString::number(LargestTypedAmount), FieldWidth - 8));
        field->setAlignment(Qt::AlignCenter);
        field->hide();
        auto* label = new QLabel(QString::number(tray), panel_);
        label->setObjectName(QStringLiteral("FBoxLabel%1").arg(tray));
        label->setFont(TrayFont());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        const int x = SlotFits(tray, width) ? SlotX(tray) : 40;
        field->setGeometry(x, 5, FieldWidth, 23);
        label->setGeometry(x, 36, FieldWidth, 23);
        label->setVisible(SlotFits(tray, width));
        keyFilter_->Guard(field, tray);
        field->installEventFilter(this);
        if (!fields_.empty()) QWidget::setTabOrder(fields_.back(), field);
        fields_.push_back(field);
        labels_.push_back(label);
    }
}

void TrayStrip::SetCount(int count) {
    while (static_cast<int>(fields_.size()) < count) Make(static_cast<int>(fields_.size()) + 1);
    for (std::size_t i = static_cast<std::size_t>(count); i < fields_.size(); ++i) {
        fields_[i]->hide();
        fields_[i]->clear();
        labels_[i]->hide();
    }
    count_ = count;
    Arrange();
}

QLineEdit* TrayStrip::Field(int tray) const {
    return tray >= 1 && tray <= count_ ? fields_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

QLabel* TrayStrip::Label(int tray) const {
    return tray >= 1 && tray <= count_ ? labels_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

int TrayStrip::TrayOf(const QObject* object) const {
    for (int tray = 1; tray <= count_; ++tray)
        if (fields_[static_cast<std::size_t>(tray - 1)] == object) return tray;
    return 0;
}

void TrayStrip::Place(int tray, int slot, bool shown) {
    QLineEdit* field = Field(tray);
    QLabel* label = Label(tray);
    if (shown) {
        field->setGeometry(SlotX(slot), 10, FieldWidth, 25);
        label->setGeometry(SlotX(slot), 35, FieldWidth, 25);
    }
    field->setVisible(shown);
    label->setVisible(shown);
}

void TrayStrip::Arrange() {
    const int width = panel_->width();
    scrollBar_->setValue(0);
    int shownCount = 0;
    for (int tray = 1; tray <= count_; ++tray) {
        const bool fits = SlotFits(tray, width);
        Place(tray, tray, fits);
        if (fits) {
            scrollBar_->resize(TrayPitch * tray, scrollBar_->height());
            ++shownCount;
        }
    }
    scrolls_ = shownCount < count_;
    scrollBar_->setMaximum(count_ - shownCount);
    scrollBar_->setPageStep(count_);
}

void TrayStrip::Scroll() {
    const int width = panel_->width();
    const int first = scrollBar_->value();
    for (int tray = 1; tray <= count_; ++tray) {
        const int slot = tray - first;
        Place(tray, slot, slot >= 1 && SlotFits(slot, width));
    }
    scrollBar_->setPageStep(1);
}

void TrayStrip::Show(const TNewTabSheet& sheet) {
    if (sheet.GetTrayCount() != count_) SetCount(sheet.GetTrayCount());
    Scroll();
    for (int tray = 1; tray <= count_; ++tray) {
        const QString text = QString::number(sheet.GetTrayAmount(tray));
        // Rewriting an unchanged text would move the caret of the field being typed in.
        if (Field(tray)->text() != text) Field(tray)->setText(text);
    }
    scrollBar_->setVisible(scrolls_);
}

void TrayStrip::Hide() {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        fields_[i]->hide();
        fields_[i]->clear();
        labels_[i]->hide();
    }
    // The strip's scroll bar belongs to the strip and goes with it.
    scrollBar_->hide();
}

TrayReading TrayStrip::Read() const {
    QStringList texts;
    for (int tray = 1; tray <= count_; ++tray) texts << Field(tray)->text();
    return ReadTrayTexts(texts);
}

TrayEntries TrayStrip::WholeNumbers() const {
    TrayEntries amounts;
    for (int tray = 1; tray <= count_; ++tray) amounts.push_back(TrayAmountOf(Field(tray)->text()));
    return amounts;
}

int TrayStrip::LastEmptyTray() const {
    int last = 0;
    for (int tray = 1; tray <= count_; ++tray)
        if (Field(tray)->text().isEmpty()) last = tray;
    return last;
}

bool TrayStrip::NewRefusal(const TrayReading& reading) {
    if (!reading.refused) {
        reportedRefusal_.reset();
        return false;
    }
    const std::pair<int, QString> refusal{reading.refusedTray, *reading.refused};
    if (reportedRefusal_ == refusal) return false;
    reportedRefusal_ = refusal;
    return true;
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
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            KeyReleaseCounts(key, QEvent::KeyPress);
            if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) break;
            if (key.key() == Qt::Key_Tab) return MoveFocus(tray, 1);
            if (key.key() == Qt::Key_Backtab) return MoveFocus(tray, -1);
            break;
        }
        case QEvent::KeyRelease:
            if (KeyReleaseCounts(static_cast<const QKeyEvent&>(*event), QEvent::KeyRelease)) emit keyReleased();
            break;
        case QEvent::FocusIn:
            ScrollIntoView(tray);
            break;
        case QEvent::FocusOut: {
            // Only a move of the focus to another control of this window counts
            // as leaving the field; a deactivated window, a pop-up menu or a
            // message box does not.
            const QWidget* next = QApplication::focusWidget();
            const bool withinWindow = next != nullptr && next->window() == window_;
            if (withinWindow && next != field && !returningFocus_) QueueExit(field);
            // Keys held while another window takes the keyboard are released there.
            if (!withinWindow) pressedKeys_.clear();
            break;
        }
        default:
            break;
    }
    return false;
}

bool TrayStrip::KeyReleaseCounts(const QKeyEvent& event, QEvent::Type type) {
    // On X11 a held key sends a release with every repeat; only the last one counts.
    if (event.isAutoRepeat()) return false;
    if (type == QEvent::KeyPress) {
        pressedKeys_.insert(event.key());
        return false;
    }
    return pressedKeys_.erase(event.key()) > 0;
}

bool TrayStrip::MoveFocus(int tray, int step) {
    // Fields scrolled out of the strip are hidden, and Qt's focus chain
    // passes hidden widgets by: Tab would wrap back to the first shown field.
    QLineEdit* next = Field(tray + step);
    if (next == nullptr || next->isVisible()) return false;
    ScrollIntoView(tray + step);
    next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

int TrayStrip::ShownSlots() const {
    int slotCount = 0;
    while (slotCount < count_ && SlotFits(slotCount + 1, panel_->width())) ++slotCount;
    return slotCount;
}

void TrayStrip::ScrollIntoView(int tray) {
    const int slotCount = ShownSlots();
    const int first = scrollBar_->value();
    if (slotCount == 0 || (tray > first && tray <= first + slotCount)) return;
    scrollBar_->setValue(tray <= first ? tray - 1 : tray - slotCount);
    Scroll();  // also when the scroll bar is hidden and sends no change
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
