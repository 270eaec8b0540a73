// The bytes of a serial port (USB virtual COM or RS-232), opened at a speed
// with 8 data bits, no parity, 1 stop bit and no flow control, read only.
// Two ways to the port: Qt's QSerialPort, and on a Windows build without it
// the Windows communications functions themselves.
#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace kaldoventri {

struct SerialPortEntry {
    QString name;         // what Open takes: "COM3", "/dev/ttyUSB0"
    QString description;  // what the system calls the device, if anything
};

class SerialLink : public QObject {
    Q_OBJECT

public:
    explicit SerialLink(QObject* parent = nullptr);
    ~SerialLink() override;

    static std::vector<SerialPortEntry> AvailablePorts();

    // The reason, in the system's words, when the port cannot be opened.
    std::optional<QString> Open(const QString& portName, qint32 baudRate);
    void Close();
    bool IsOpen() const;
    QString PortName() const { return portName_; }

signals:
    void bytesArrived(const QByteArray& bytes);
    // The port went away (a scale unplugged); the link is closed already.
    void lost(const QString& reason);

private:
    struct Port;
    std::unique_ptr<Port> port_;
    QString portName_;
};

}  // namespace kaldoventri
