// The serial port through the Windows communications functions, for a build
// without QSerialPort. A thread reads with a short timeout and hands what
// came to the link's own thread; an unplugged USB port makes the read or the
// line status fail.
#include "scale/SerialLink.h"

#include <QMetaObject>
#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <thread>

#include <windows.h>

namespace kaldoventri {

namespace {
QString LastError() { return qt_error_string(static_cast<int>(GetLastError())); }

// "COM12" is opened as \\.\COM12: the short form reaches only COM1 to COM9.
std::wstring DevicePath(const QString& portName) {
    const QString path = portName.startsWith(QStringLiteral("\\\\.\\")) ? portName : QStringLiteral("\\\\.\\") + portName;
    return path.toStdWString();
}

int PortNumber(const QString& name) {
    const auto match = QRegularExpression(QStringLiteral("(\\d+)$")).match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}
}  // namespace

struct SerialLink::Port {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::thread reader;
    std::atomic<bool> stop{false};
    int opening = 0;  // which opening the bytes on their way belong to
};

SerialLink::SerialLink(QObject* parent) : QObject(parent), port_(std::make_unique<Port>()) {}

SerialLink::~SerialLink() { Close(); }

// The ports Windows knows now, COM1 before COM10.
std::vector<SerialPortEntry> SerialLink::AvailablePorts() {
    std::vector<SerialPortEntry> ports;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS) return ports;
    for (DWORD index = 0;; ++index) {
        wchar_t device[256];
        wchar_t name[64];
        DWORD deviceLength = 256, nameBytes = sizeof name, type = 0;
        const LONG result = RegEnumValueW(key, index, device, &deviceLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(name), &nameBytes);
        if (result == ERROR_NO_MORE_ITEMS) break;
        if (result != ERROR_SUCCESS || type != REG_SZ) continue;
        const QString port = QString::fromWCharArray(name, static_cast<int>(nameBytes / sizeof(wchar_t))).remove(QChar(0));
        ports.push_back({port, QString::fromWCharArray(device, static_cast<int>(deviceLength))});
    }
    RegCloseKey(key);
    std::sort(ports.begin(), ports.end(), [](const SerialPortEntry& a, const SerialPortEntry& b) {
        return PortNumber(a.name) != PortNumber(b.name) ? PortNumber(a.name) < PortNumber(b.name) : a.name < b.name;
    });
    return ports;
}

std::optional<QString> SerialLink::Open(const QString& portName, qint32 baudRate) {
    Close();
    portName_ = portName;
    HANDLE handle = CreateFileW(DevicePath(portName).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError();

    DCB settings{};
    settings.DCBlength = sizeof settings;
    COMMTIMEOUTS timeouts{};
    // A read returns what has come at once, or waits up to 100 ms for a first byte.
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = 100;
    bool ready = GetCommState(handle, &settings);
    if (ready) {
        settings.BaudRate = static_cast<DWORD>(baudRate);
        settings.ByteSize = 8;
        settings.Parity = NOPARITY;
        settings.StopBits = ONESTOPBIT;
        settings.fBinary = TRUE;
        settings.fParity = FALSE;
        settings.fOutxCtsFlow = FALSE;
        settings.fOutxDsrFlow = FALSE;
        settings.fDsrSensitivity = FALSE;
        settings.fOutX = FALSE;
        settings.fInX = FALSE;
        settings.fNull = FALSE;
        settings.fAbortOnError = FALSE;
        // Some USB adapters and scales send only while DTR and RTS are on.
        settings.fDtrControl = DTR_CONTROL_ENABLE;
        settings.fRtsControl = RTS_CONTROL_ENABLE;
        ready = SetCommState(handle, &settings) && SetCommTimeouts(handle, &timeouts);
    }
    if (!ready) {
        const QString reason = LastError();
        CloseHandle(handle);
        return reason;
    }
    PurgeComm(handle, PURGE_RXCLEAR);  // what was sent before is no reading for these trays

    Port& port = *port_;
    port.handle = handle;
    port.stop = false;
    const int opening = ++port.opening;
    port.reader = std::thread([this, handle, opening, &stop = port.stop] {
        char buffer[512];
        while (!stop) {
            DWORD got = 0, errors = 0;
            COMSTAT status{};
            // A port gone away fails the read, or, where the read only times
            // out (some drivers), the line status asked after it.
            const bool there = ReadFile(handle, buffer, sizeof buffer, &got, nullptr) &&
                               (got > 0 || ClearCommError(handle, &errors, &status));
            if (!there) {
                const QString reason = LastError();
                QMetaObject::invokeMethod(this, [this, opening, reason] {
                    if (!IsOpen() || opening != port_->opening) return;
                    Close();
                    emit lost(reason);
                }, Qt::QueuedConnection);
                return;
            }
            if (got == 0) continue;
            QByteArray bytes(buffer, static_cast<qsizetype>(got));
            QMetaObject::invokeMethod(this, [this, opening, bytes] {
                if (IsOpen() && opening == port_->opening) emit bytesArrived(bytes);
            }, Qt::QueuedConnection);
        }
    });
    return std::nullopt;
}

void SerialLink::Close() {
    Port& port = *port_;
    if (port.handle == INVALID_HANDLE_VALUE) return;
    port.stop = true;
    if (port.reader.joinable()) port.reader.join();
    CloseHandle(port.handle);
    port.handle = INVALID_HANDLE_VALUE;
}

bool SerialLink::IsOpen() const { return port_->handle != INVALID_HANDLE_VALUE; }

}  // namespace kaldoventri
