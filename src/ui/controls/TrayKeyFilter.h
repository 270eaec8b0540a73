// The character filter of the tray fields: only the digits 0 to 9 and
// backspace may be typed, so a typed amount is always a whole number of zero
// or more. Installed on the test entry dialog's and the main window's tray
// fields alike.
#pragma once

#include <QObject>

class QKeyEvent;

namespace kaldoventri {

class TrayKeyFilter : public QObject {
    Q_OBJECT

public:
    explicit TrayKeyFilter(QObject* parent = nullptr);

    // True when the key press would put a character other than a digit or
    // backspace into the field. Keys that produce no character (arrows,
    // Delete, Home, Tab, function keys) are never refused.
    static bool RefusesKey(const QKeyEvent& event);

    // True for the characters a tray field accepts: '0'..'9' and backspace (8).
    static bool AcceptsCharacter(QChar c);

signals:
    // A key press was discarded; the main window commits its tray fields then.
    void KeyRefused(QObject* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kaldoventri
