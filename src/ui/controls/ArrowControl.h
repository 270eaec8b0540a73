// The arrow control: two small arrow buttons that step a whole-number position
// by one between a minimum and a maximum, without wrapping around. Used for
// both working-width controls (the main window's and the test entry dialog's).
#pragma once

#include <QPointer>
#include <QWidget>

#include <algorithm>

class QToolButton;

namespace kaldoventri {

class ArrowControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Qt::Orientation orientation READ Orientation WRITE SetOrientation)

public:
    // Horizontal: arrows left (down) and right (up); vertical: up and down.
    explicit ArrowControl(Qt::Orientation orientation, QWidget* parent = nullptr);
    // Vertical, the usual arrows beside a number field; lets a stored layout create it.
    explicit ArrowControl(QWidget* parent = nullptr);

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }

    // Setting a limit pulls the other limit and the position along so that
    // min <= position <= max always holds. None of the setters emits Click.
    void SetMin(int value);
    void SetMax(int value);
    void SetPosition(int value);

    Qt::Orientation Orientation() const { return orientation_; }
    void SetOrientation(Qt::Orientation orientation);

    // Up, Down, PageUp, PageDown, Home and End pressed in the buddy
    // (typically the read-only field showing the value) step the control as
    // if it had the focus itself.
    void SetBuddy(QWidget* buddy);

    // How far PageUp and PageDown move the position; 1 unless set.
    void SetPageStep(int steps) { pageStep_ = std::max(steps, 1); }

    // One step taken by the user; +1 or -1. Emits Click even when a limit
    // keeps the position where it was, so a handler always sees the attempt.
    void Step(int direction);
    // A move of several steps at once (PageUp, Home ...), brought within the
    // limits; emits Click once, like Step.
    void MoveTo(qint64 position);

    QSize sizeHint() const override;

signals:
    // After every step the user takes with an arrow (mouse or keyboard), with
    // the position the step asks for; the control already shows it. A view
    // that shows what another object holds passes it on and lets that
    // object's answer set the position.
    void Click(int position);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    // A control the Tab key reaches shows a ring while it has the focus.
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ArrangeButtons();
    void ShowFocusRing(bool shown);
    bool HandleStepKey(const QKeyEvent& event);

    Qt::Orientation orientation_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageStep_ = 1;
    QToolButton* down_ = nullptr;
    QToolButton* up_ = nullptr;
    QPointer<QWidget> buddy_;
};

}  // namespace kaldoventri
