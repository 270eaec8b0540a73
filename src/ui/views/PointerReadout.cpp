// The read-out's hint window.
#include "ui/views/PointerReadout.h"

#include <QApplication>
#include <QCursor>
#include <QToolTip>
#include <QWindow>

namespace kaldoventri {

const QSize PointerReadout::Size(150, 30);

// The window appears with its corner at the pointer; it must let the pointer
// through, or the diagram under it would see the pointer leave and hide it.
PointerReadout::PointerReadout()
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                          Qt::WindowTransparentForInput) {
    setObjectName(QStringLiteral("ReadoutWindow"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
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

void PointerReadout::ActivateHint(const QRect& rect, const QString& text) {
    setText(text);
    setGeometry(rect);
    show();
    raise();
    // On X11 the flag only takes effect when it changes on a shown native
    // window (Qt then gives it an empty input shape), and every new showing
    // resets the shape: set it anew each time.
    if (QWindow* window = windowHandle()) {
        const Qt::WindowFlags flags = window->flags() | Qt::WindowTransparentForInput;
        window->setFlags(flags & ~Qt::WindowTransparentForInput);
        window->setFlags(flags);
    }
}

void PointerReadout::ShowAt(const QPoint& corner, const QString& text) { ActivateHint(QRect(corner, Size), text); }

void PointerReadout::ReleaseHint() { hide(); }

bool PointerReadout::PointerStillOver(const QWidget* view) const {
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    return under != nullptr && (under == view || under == this);
}

}  // namespace kaldoventri
