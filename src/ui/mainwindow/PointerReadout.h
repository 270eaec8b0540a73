// A small tooltip-like window that shows a text in a given screen rectangle,
// used for the pointer read-out over the diagram. Unlike QToolTip it stays
// exactly where it is put and only goes away when told to.
#pragma once

#include <QLabel>

namespace kaldoventri {

class PointerReadout : public QLabel {
    Q_OBJECT

public:
    PointerReadout();

    // Shows text in rect (screen coordinates).
    void ActivateHint(const QRect& rect, const QString& text);
    void ReleaseHint();
};

}  // namespace kaldoventri
