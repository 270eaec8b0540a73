#include "ScalePort.h"

#include <algorithm>

namespace kaldoventri {

namespace {
constexpr int kUnfinishedLineMs = 2000;

bool IsZero(const ScaleReading& reading) { return reading.digits == 0; }
}  // namespace

ScalePort::ScalePort(QObject* parent) : QObject(parent) {
    unfinishedLine_.setSingleShot(true);
    unfinishedLine_.setInterval(kUnfinishedLineMs);
    connect(&port_, &SerialLink::bytesArrived, this, &ScalePort::ReadBytes);
    connect(&unfinishedLine_, &QTimer::timeout, this,
            [this] { Fail(QStringLiteral("Vågen på %1 slutade svara mitt i en avläsning.").arg(port_.PortName())); });
    connect(&port_, &SerialLink::lost, this, [this](const QString& reason) {
        Fail(QStringLiteral("Vågen på %1 svarar inte längre (%2). Kontrollera kabeln och anslut igen.")
                 .arg(port_.PortName(), reason));
    });
}

bool ScalePort::Open(const QString& portName, qint32 baudRate, Output output) {
    Close();
    output_ = output;
    lastSettled_.reset();
    pending_.clear();
    const std::optional<QString> refused = port_.Open(portName, baudRate);
    if (!refused) return true;
    emit failed(QStringLiteral("Porten %1 gick inte att öppna (%2).").arg(portName, *refused));
    return false;
}

void ScalePort::Close() {
    unfinishedLine_.stop();
    pending_.clear();
    port_.Close();
}

void ScalePort::Fail(const QString& message) {
    Close();
    emit failed(message);
}

void ScalePort::ReadBytes(const QByteArray& bytes) {
    pending_ += bytes;
    for (;;) {
        qsizetype lf = pending_.indexOf('\n'), cr = pending_.indexOf('\r');
        qsizetype end = lf < 0 ? cr : cr < 0 ? lf : std::min(lf, cr);
        if (end < 0) break;
        QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        if (!line.trimmed().isEmpty()) TakeLine(line);
        if (!port_.IsOpen()) return;  // a slot closed the port
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
