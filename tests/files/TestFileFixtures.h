// Files, devices and printers shared by the test file tests.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <variant>

#include "files/TestFileReader.h"

QT_BEGIN_NAMESPACE
// Readable failure messages: bytes with their control characters escaped.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '"';
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b == '\r') *os << "\\r";
        else if (b == '\n') *os << "\\n";
        else if (b < 0x20 || b >= 0x7F) *os << "\\x" << "0123456789ABCDEF"[b >> 4] << "0123456789ABCDEF"[b & 15];
        else *os << c;
    }
    *os << '"';
}
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace kaldoventri::testing {

// A test file as the program writes it: a sheet with texts of several words,
// commas and Swedish letters, working width 12,5 m (25 half-metres), layout "12 m".
inline const QByteArray KnownFile =
    "Kaldoventri\r\n"
    "Normal,6,13,21,29,37,44,52,60,67,75,83,87,98,98,87,83,75,67,60,52,44,37,29,21,13,0\r\n"
    "SpridarFabrikat,Amazone\r\n"
    "SpridarModell,ZA-M 1500 Profis\r\n"
    "SpridarInst\xE4llning,18, v\xE4nster skiva\r\n"
    "Arbetsbredd,12,5 m\r\n"
    "G\xF6" "dselFabrikat,Yara\r\n"
    "G\xF6" "dselMedel,NS 27-4\r\n"
    "Produktionsplats,K\xF6ping \r\n"
    "----------------------------------------------------------\r\n"
    "ABredd,25\r\n"
    "Backuppst\xE4llning,0\r\n";

inline TestFileReadResult ReadBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadTestFile(buffer);
}

inline bool IsTestFileBytes(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return IsTestFile(buffer);
}

// The contents of a read that must succeed; fails the test otherwise.
inline TestFileContents ContentsOf(const TestFileReadResult& result) {
    if (const auto* error = std::get_if<TestFileError>(&result)) {
        ADD_FAILURE() << "read failed: kind " << static_cast<int>(error->kind) << ", "
                      << error->message.toStdString();
        return {};
    }
    return std::get<TestFileContents>(result);
}

// A read-only device of `size` bytes made on demand from a repeated pattern,
// so a huge file costs no memory; it counts the bytes it hands out.
class GeneratedDevice : public QIODevice {
public:
    GeneratedDevice(QByteArray head, QByteArray pattern, qint64 size)
        : head(std::move(head)), pattern(std::move(pattern)), total(size) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    qint64 BytesHandedOut() const { return handedOut; }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 n = std::min(maxSize, total - handedOut);
        for (qint64 i = 0; i < n; ++i) {
            const qint64 at = handedOut + i;
            data[i] = at < head.size() ? head[at] : pattern[(at - head.size()) % pattern.size()];
        }
        handedOut += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray head;
    QByteArray pattern;
    qint64 total;
    qint64 handedOut = 0;
};

// Hands out `bytes` up to `failAt`, then reports an error.
class FailingDevice : public QIODevice {
public:
    FailingDevice(QByteArray bytes, qint64 failAt) : bytes(std::move(bytes)), failAt(failAt) {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        if (pos >= failAt) {
            setErrorString(QStringLiteral("Disk read error"));
            return -1;
        }
        const qint64 n = std::min({maxSize, failAt - pos, qint64{bytes.size()} - pos});
        std::memcpy(data, bytes.constData() + pos, static_cast<std::size_t>(n));
        pos += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes;
    qint64 failAt;
    qint64 pos = 0;
};

}  // namespace kaldoventri::testing
