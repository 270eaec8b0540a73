// The arrow control. The two buttons repeat while held down, like the arrows
// of a scroll bar, and every repetition is one step.
#include "ui/controls/ArrowControl.h"

#include <QBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace kaldoventri {

ArrowControl::ArrowControl(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), orientation_(orientation) {
    // Like a native up-down control it is no tab stop of its own; the keyboard
    // reaches it through its buddy field or when a caller gives it the focus.
    setFocusPolicy(Qt::NoFocus);
    down_ = new QToolButton(this);
    up_ = new QToolButton(this);
    for (QToolButton* button : {down_, up_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setIconSize(QSize(8, 8));
    }
    down_->setObjectName(QStringLiteral("DownButton"));
    up_->setObjectName(QStringLiteral("UpButton"));
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    ArrangeButtons();
}

ArrowControl::ArrowControl(QWidget* parent) : ArrowControl(Qt::Vertical, parent) {}

void ArrowControl::ArrangeButtons() {
    delete layout();
    auto* box = new QBoxLayout(orientation_ == Qt::Horizontal ? QBoxLayout::LeftToRight
                                                              : QBoxLayout::TopToBottom,
                               this);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    if (orientation_ == Qt::Horizontal) {
        down_->setArrowType(Qt::LeftArrow);
        up_->setArrowType(Qt::RightArrow);
        box->addWidget(down_);
        box->addWidget(up_);
    } else {
        down_->setArrowType(Qt::DownArrow);
        up_->setArrowType(Qt::UpArrow);
        box->addWidget(up_);
        box->addWidget(down_);
    }
    updateGeometry();
}

void ArrowControl::SetOrientation(Qt::Orientation orientation) {
    if (orientation == orientation_) return;
    orientation_ = orientation;
    ArrangeButtons();
}

void ArrowControl::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(position_, min_, max_);
}

void ArrowControl::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(position_, min_, max_);
}

void ArrowControl::SetPosition(int value) { position_ = std::clamp(value, min_, max_); }

void ArrowControl::Step(int direction) {
    // Compared rather than added, so a limit at the edge of int cannot overflow.
    if (direction > 0 && position_ < max_)
        ++position_;
    else if (direction < 0 && position_ > min_)
        --position_;
    emit Click(position_);
}

void ArrowControl::MoveTo(qint64 position) {
    position_ = static_cast<int>(std::clamp<qint64>(position, min_, max_));
    emit Click(position_);
}

void ArrowControl::SetBuddy(QWidget* buddy) {
    if (buddy_) buddy_->removeEventFilter(this);
    buddy_ = buddy;
    if (buddy_) buddy_->installEventFilter(this);
}

bool ArrowControl::HandleStepKey(const QKeyEvent& event) {
    const int key = event.key();
    if (key == Qt::Key_Up) {
        Step(+1);
        return true;
    }
    if (key == Qt::Key_Down) {
        Step(-1);
        return true;
    }
    // With Ctrl these keys belong to the window (Ctrl+PgDn: the next sheet).
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    switch (key) {
        case Qt::Key_PageUp:
            MoveTo(qint64{position_} + pageStep_);
            return true;
        case Qt::Key_PageDown:
            MoveTo(qint64{position_} - pageStep_);
            return true;
        case Qt::Key_Home:
            MoveTo(min_);
            return true;
        case Qt::Key_End:
            MoveTo(max_);
            return true;
        default:
            return false;
    }
}

void ArrowControl::keyPressEvent(QKeyEvent* event) {
    if (HandleStepKey(*event)) return;
    const int key = event->key();
    if (key == Qt::Key_Right) {
        Step(+1);
        return;
    }
    if (key == Qt::Key_Left) {
        Step(-1);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ArrowControl::eventFilter(QObject* watched, QEvent* event) {
    // Left and Right stay with the buddy, where they move the text cursor.
    if (watched == buddy_ && event->type() == QEvent::KeyPress && isEnabled())
        return HandleStepKey(*static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

void ArrowControl::ShowFocusRing(bool shown) {
    constexpr int Ring = 2;
    if (layout() != nullptr) layout()->setContentsMargins(shown ? QMargins(Ring, Ring, Ring, Ring) : QMargins());
    update();
}

void ArrowControl::focusInEvent(QFocusEvent* event) {
    ShowFocusRing(true);
    QWidget::focusInEvent(event);
}

void ArrowControl::focusOutEvent(QFocusEvent* event) {
    ShowFocusRing(false);
    QWidget::focusOutEvent(event);
}

void ArrowControl::paintEvent(QPaintEvent*) {
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Highlight));
}

QSize ArrowControl::sizeHint() const {
    return orientation_ == Qt::Horizontal ? QSize(41, 25) : QSize(17, 25);
}

}  // namespace kaldoventri
