// The serial port through QSerialPort.
#include "scale/SerialLink.h"

#include <QSerialPort>
#include <QSerialPortInfo>

#include <utility>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace kaldoventri {

namespace {
// Whether the other end of the port is gone (a USB scale unplugged, a
// terminal closed). Windows reports that as a resource error instead.
bool HungUp([[maybe_unused]] decltype(std::declval<QSerialPort>().handle()) handle) {
#ifdef Q_OS_UNIX
    pollfd watched{handle, 0, 0};
    return ::poll(&watched, 1, 0) > 0 && (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    return true;
#endif
}
}  // namespace

struct SerialLink::Port {
    QSerialPort serial;
};

SerialLink::SerialLink(QObject* parent) : QObject(parent), port_(std::make_unique<Port>()) {
    QSerialPort& serial = port_->serial;
    connect(&serial, &QSerialPort::readyRead, this, [this] { emit bytesArrived(port_->serial.readAll()); });
    // A vanished port reports its error again and again until it is closed:
    // the first one closes it. A read that finds nothing to read also reports
    // a read error, on a port still there: that one is passed over.
    connect(&serial, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        QSerialPort& serial = port_->serial;
        if (error == QSerialPort::NoError || !serial.isOpen()) return;
        if (error == QSerialPort::ReadError && !HungUp(serial.handle())) {
            serial.clearError();
            return;
        }
        const QString reason = serial.errorString();
        Close();
        emit lost(reason);
    });
}

SerialLink::~SerialLink() = default;

std::vector<SerialPortEntry> SerialLink::AvailablePorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) ports.push_back({info.portName(), info.description()});
    return ports;
}

std::optional<QString> SerialLink::Open(const QString& portName, qint32 baudRate) {
    Close();
    portName_ = portName;
    QSerialPort& serial = port_->serial;
    serial.setPortName(portName);
    serial.setBaudRate(baudRate);
    serial.setDataBits(QSerialPort::Data8);
    serial.setParity(QSerialPort::NoParity);
    serial.setStopBits(QSerialPort::OneStop);
    serial.setFlowControl(QSerialPort::NoFlowControl);
    if (serial.open(QIODevice::ReadOnly)) {
        serial.clear(QSerialPort::Input);  // what was sent before is no reading for these trays
        return std::nullopt;
    }
    QString reason = serial.errorString();
    serial.clearError();
    return reason;
}

void SerialLink::Close() {
    if (port_->serial.isOpen()) port_->serial.close();
}

bool SerialLink::IsOpen() const { return port_->serial.isOpen(); }

}  // namespace kaldoventri
