// The pointer read-out's timing and placement.
#include "ui/mainwindow/ReadoutTracker.h"

#include <QApplication>
#include <QCursor>
#include <QTimer>

#include "evaluation/TNewTabSheet.h"
#include "ui/mainwindow/DiagramView.h"
#include "ui/mainwindow/PointerReadout.h"
#include "ui/mainwindow/ReadoutText.h"

namespace kaldoventri {

namespace {
constexpr int TickInterval = 50;  // ms
const QSize ReadoutSize(150, 30);
}  // namespace

ReadoutTracker::ReadoutTracker(DiagramView& diagram, QObject* parent)
    : QObject(parent), diagram_(diagram), timer_(new QTimer(this)), window_(std::make_unique<PointerReadout>()) {
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

void ReadoutTracker::PointerMoved(TNewTabSheet* sheet, int x, int y) {
    diagram_.SetShowHint(false);
    pointerOverDiagram_ = true;
    if (sheet == nullptr) return;
    sheet->SetMouse(x, y);
    timer_->start();
}

void ReadoutTracker::PointerLeft() {
    // A tooltip window stacked over the diagram can report a leave while the
    // pointer is still above it; the sheet's close button, which lies on the
    // diagram area too, is a real leave.
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    if (under != nullptr && (under == &diagram_ || under == window_.get())) return;
    pointerOverDiagram_ = false;
    Hide();
}

void ReadoutTracker::Tick(TNewTabSheet* sheet) {
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
    readoutRect_ = QRect(diagram_.mapToGlobal(QPoint(x, y)), ReadoutSize);
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
