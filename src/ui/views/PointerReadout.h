// A small tooltip-like window that shows a text with its corner at the
// pointer: the read-out of the spread diagram ("Y = 42") and of the VK curve
// ("12,5 m: VK 3,1 %"). Unlike QToolTip it stays exactly where it is put and
// only goes away when told to.
#pragma once

#include <QLabel>

namespace kaldoventri {

class PointerReadout : public QLabel {
    Q_OBJECT

public:
    PointerReadout();

    // Every read-out is this big (150 x 30 pixels).
    static const QSize Size;

    // Shows text in rect (screen coordinates).
    void ActivateHint(const QRect& rect, const QString& text);
    // Shows text with the read-out's top left corner at `corner` (screen coordinates).
    void ShowAt(const QPoint& corner, const QString& text);
    void ReleaseHint();

    // Whether the pointer is still over `view` or over this read-out, which
    // lies under the pointer and may make the view report a leave before it
    // lets the pointer through.
    bool PointerStillOver(const QWidget* view) const;
};

}  // namespace kaldoventri
