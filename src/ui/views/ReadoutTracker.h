// The pointer read-out over the diagram: it follows the pointer and, once the
// pointer has rested over the diagram for one tick of the 50 ms timer
// `Timer1`, shows the diagram's Y value there ("Y = 42") in the read-out
// window with its corner at the pointer. The pointer's last position is kept
// with the current sheet (Workbook::SetPointer), as the renderer's read-back
// takes it from there.
#pragma once

#include <QObject>
#include <QRect>

#include <memory>

class QTimer;

namespace kaldoventri {

class DiagramView;
class PointerReadout;
class Workbook;

class ReadoutTracker : public QObject {
    Q_OBJECT

public:
    ReadoutTracker(DiagramView& diagram, Workbook& workbook, QObject* parent);
    ~ReadoutTracker() override;

    QTimer& Timer() const { return *timer_; }
    PointerReadout* Window() const { return window_.get(); }
    // Where the read-out was last shown, in screen pixels; (100, 100, 150 x 30) at start.
    QRect ReadoutRect() const { return readoutRect_; }

    // The pointer moved to (x, y) over the diagram of the current sheet.
    void PointerMoved(int x, int y);
    // The pointer left the diagram.
    void PointerLeft();
    // One timer tick.
    void Tick();
    // Takes the read-out off the screen (a menu opens over it, the sheet goes).
    void Hide();
    // The window is closing: the read-out goes for good.
    void Close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DiagramView& diagram_;
    Workbook& workbook_;
    QTimer* timer_;
    std::unique_ptr<PointerReadout> window_;
    QRect readoutRect_;
    int lastX_ = 0;
    int lastY_ = 0;
    bool pointerOverDiagram_ = false;
};

}  // namespace kaldoventri
