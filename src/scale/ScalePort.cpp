#include "ScalePort.h"

#include <algorithm>
#include <utility>

#ifdef Q_OS_UNIX
#include <poll.h>
#endif

namespace kaldoventri {

namespace {
constexpr int kUnfinishedLineMs = 2000;

bool IsZero(const ScaleReading& reading) { return reading.digits == 0; }

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

ScalePort::ScalePort(QObject* parent) : QObject(parent) {
    unfinishedLine_.setSingleShot(true);
    unfinishedLine_.setInterval(kUnfinishedLineMs);
    connect(&port_, &QSerialPort::readyRead, this, &ScalePort::ReadBytes);
    connect(&unfinishedLine_, &QTimer::timeout, this,
            [this] { Fail(QStringLiteral("Vågen på %1 slutade svara mitt i en avläsning.").arg(port_.portName())); });
    // A vanished port reports its error again and again until it is closed:
    // the first one closes it. A read that finds nothing to read also reports
    // a read error, on a port still there: that one is passed over.
    connect(&port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::NoError || !port_.isOpen()) return;
        if (error == QSerialPort::ReadError && !HungUp(port_.handle())) {
            port_.clearError();
            return;
        }
        Fail(QStringLiteral("Vågen på %1 svarar inte längre (%2). Kontrollera kabeln och anslut igen.")
                 .arg(port_.portName(), port_.errorString()));
    });
}

bool ScalePort::Open(const QString& portName, qint32 baudRate, Output output) {
    Close();
    output_ = output;
    lastSettled_.reset();
    pending_.clear();
    port_.setPortName(portName);
    port_.setBaudRate(baudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
    if (port_.open(QIODevice::ReadOnly)) {
        port_.clear(QSerialPort::Input);  // what the scale sent before is no reading for these trays
        return true;
    }
    QString reason = port_.errorString();
    port_.clearError();
    emit failed(QStringLiteral("Porten %1 gick inte att öppna (%2).").arg(portName, reason));
    return false;
}

void ScalePort::Close() {
    unfinishedLine_.stop();
    pending_.clear();
    if (port_.isOpen()) port_.close();
}

void ScalePort::Fail(const QString& message) {
    Close();
    emit failed(message);
}

void ScalePort::ReadBytes() {
    pending_ += port_.readAll();
    for (;;) {
        qsizetype lf = pending_.indexOf('\n'), cr = pending_.indexOf('\r');
        qsizetype end = lf < 0 ? cr : cr < 0 ? lf : std::min(lf, cr);
        if (end < 0) break;
        QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        if (!line.trimmed().isEmpty()) TakeLine(line);
        if (!port_.isOpen()) return;  // a slot closed the port
    }
    if (pending_.trimmed().isEmpty()) {
        pending_.clear();
        unfinishedLine_.stop();
    } else if (!unfinishedLine_.isActive()) {
        unfinishedLine_.start();
    }
}

void ScalePort::TakeLine(const QByteArray& line) {
    unfinishedLine_.stop();
    std::optional<ScaleReading> reading = ParseScaleLine(std::string_view(line.constData(), line.size()));
    bool take = reading.has_value();
    if (reading && output_ == Output::Continuous) {
        take = !IsZero(*reading) && reading != lastSettled_;
        lastSettled_ = reading;
    }
    if (take)
        emit readingTaken(*reading);
    else
        emit linePassedOver(QString::fromLatin1(line).trimmed());
}

}  // namespace kaldoventri
