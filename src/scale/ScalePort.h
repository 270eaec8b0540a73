// A scale on a serial port (USB virtual COM or RS-232): opens the port, puts
// the bytes it sends together into lines (CR, LF or CR LF; a line may come in
// pieces), and reports each reading that should fill a tray. Printed readings
// (the scale's print key) count one by one; continuous output counts a
// reading once the weight has settled on a new value that is not zero, so
// that a tray lifted off and the next put on give one reading each.
// A port that cannot be opened, an error (an unplugged scale) or a line left
// unfinished for two seconds closes the port and says why, in Swedish.
#pragma once

#include <QObject>
#include <QTimer>

#include <optional>

#include "scale/ScaleReading.h"
#include "scale/SerialLink.h"

namespace kaldoventri {

class ScalePort : public QObject {
    Q_OBJECT

public:
    enum class Output { PrintKey, Continuous };

    explicit ScalePort(QObject* parent = nullptr);

    // 8 data bits, no parity, 1 stop bit, no flow control. False (and
    // failed() with the reason) when the port cannot be opened.
    bool Open(const QString& portName, qint32 baudRate, Output output);
    void Close();
    bool IsOpen() const { return port_.IsOpen(); }
    QString PortName() const { return port_.PortName(); }

signals:
    void readingTaken(const kaldoventri::ScaleReading& reading);
    // A line that is no reading to take (unstable, no number, a repeat).
    void linePassedOver(const QString& line);
    void failed(const QString& message);

private:
    void ReadBytes(const QByteArray& bytes);
    void TakeLine(const QByteArray& line);
    void Fail(const QString& message);

    SerialLink port_;
    QTimer unfinishedLine_;
    QByteArray pending_;
    Output output_ = Output::PrintKey;
    std::optional<ScaleReading> lastSettled_;
};

}  // namespace kaldoventri
