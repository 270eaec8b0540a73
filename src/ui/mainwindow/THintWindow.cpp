// The read-out's hint window.
#include "ui/mainwindow/THintWindow.h"

#include <QToolTip>

namespace kaldoventri {

THintWindow::THintWindow() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setObjectName(QStringLiteral("ReadoutWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setMargin(2);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void THintWindow::ActivateHint(const QRect& rect, const QString& text) {
    setText(text);
    setGeometry(rect);
    show();
    raise();
}

void THintWindow::ReleaseHint() { hide(); }

}  // namespace kaldoventri
