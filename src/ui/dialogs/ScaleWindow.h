// "Läs från våg": a small window beside the test entry dialog or the main
// window that connects a scale on a serial port and lets each of its readings
// fill the tray whose field has (or last had) the focus, then moves on to the
// next tray with a short sound and a flash of the filled field. Clicking a
// tray's field makes it the next to fill, so a tray can be weighed again.
// The port, speed, the unit of readings without one and the kind of output
// are remembered for the next time. A port that fails closes with a Swedish
// message; every amount filled so far stays.
#pragma once

#include <QDialog>

#include <functional>

#include "evaluation/SheetUnits.h"
#include "scale/ScalePort.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kaldoventri {

// The tray fields a scale fills, and what the owner does after each.
struct ScaleTarget {
    std::function<int()> trayCount;
    std::function<QLineEdit*(int tray)> field;  // tray 1..trayCount()
    std::function<void(int tray)> filled;       // after the field's text was set
    std::function<SheetUnits()> units;          // the amounts' unit
};

class ScaleWindow : public QDialog {
    Q_OBJECT

public:
    ScaleWindow(ScaleTarget target, QWidget* owner);
    ~ScaleWindow() override;

    // The tray the next reading fills; 0 when every tray is filled.
    int NextTray() const { return next_; }
    ScalePort& Port() { return port_; }
    // Connects with the chosen settings (as the "Anslut" button does).
    bool Connect();
    // Below the owner where the screen has room, else above it, else over
    // its upper right corner: the trays it fills stay in sight.
    void PlaceBeside(const QWidget& owner);

private:
    void FollowFocus(QWidget* now);
    void TakeReading(const ScaleReading& reading);
    void Flash(QLineEdit* field);
    void ShowNext();
    void ShowConnected(bool connected);
    void ListPorts();
    void Remember() const;

    ScaleTarget target_;
    ScalePort port_;
    int next_ = 1;
    QComboBox* portBox_;
    QComboBox* speedBox_;
    QComboBox* unitBox_;
    QComboBox* outputBox_;
    QPushButton* connectButton_;
    QLabel* status_;
};

}  // namespace kaldoventri
