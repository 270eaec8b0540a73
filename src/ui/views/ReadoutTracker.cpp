// The pointer read-out's timing and placement.
#include "ui/views/ReadoutTracker.h"

#include <QApplication>
#include <QTimer>

#include "ui/views/DiagramView.h"
#include "ui/views/PointerReadout.h"
#include "ui/views/ReadoutText.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {
constexpr int TickInterval = 50;  // ms
}  // namespace

ReadoutTracker::ReadoutTracker(DiagramView& diagram, Workbook& workbook, QObject* parent)
    : QObject(parent), diagram_(diagram), workbook_(workbook), timer_(new QTimer(this)),
      window_(std::make_unique<PointerReadout>()), readoutRect_(QPoint(100, 100), PointerReadout::Size) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(TickInterval);
    // A modal window (a dialog, a message) takes the read-out down with it.
    diagram_.window()->installEventFilter(this);
}

bool ReadoutTracker::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowBlocked) Hide();
    return QObject::eventFilter(watched, event);
}

ReadoutTracker::~ReadoutTracker() = default;

void ReadoutTracker::PointerMoved(int x, int y) {
    diagram_.SetShowHint(false);
    pointerOverDiagram_ = true;
    if (workbook_.CurrentSheet() == nullptr) return;
    workbook_.SetPointer(x, y);
    timer_->start();
}

void ReadoutTracker::PointerLeft() {
    // A tooltip window stacked over the diagram can report a leave while the
    // pointer is still above it; the sheet's close button, which lies on the
    // diagram area too, is a real leave.
    if (window_ && window_->PointerStillOver(&diagram_)) return;
    pointerOverDiagram_ = false;
    Hide();
}

void ReadoutTracker::Tick() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    // Only while the pointer is over the diagram: a sheet that was just
    // created or switched to would otherwise pop up a read-out for a pointer
    // position the user never chose.
    if (sheet == nullptr || !pointerOverDiagram_ || !window_) return;
    // No read-out over an open menu or beside a modal window.
    if (QApplication::activePopupWidget() != nullptr) return;
    if (QApplication::activeModalWidget() != nullptr) {
        Hide();
        return;
    }
    const int x = sheet->GetMouseX();
    const int y = sheet->GetMouseY();
    if (x != lastX_ || y != lastY_) {
        Hide();
        lastX_ = x;
        lastY_ = y;
        diagram_.SetShowHint(false);
        return;
    }
    const std::optional<QString> text = ReadoutText(diagram_.ValueAtPointer());
    if (!text) return;
    diagram_.setToolTip(*text);
    diagram_.SetShowHint(true);
    readoutRect_ = QRect(diagram_.mapToGlobal(QPoint(x, y)), PointerReadout::Size);
    window_->ActivateHint(readoutRect_, *text);
    timer_->stop();
}

void ReadoutTracker::Hide() {
    if (window_) window_->ReleaseHint();
}

void ReadoutTracker::Close() {
    timer_->stop();
    Hide();
    window_.reset();
}

}  // namespace kaldoventri
