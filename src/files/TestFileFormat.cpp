// The shape check of the first twelve lines and the decoding of a file's texts.
#include "TestFileFormat.h"

#include <QStringDecoder>

#include <algorithm>

#include "Cp1252.h"
#include "FieldCursor.h"

namespace kaldoventri::testfile {

namespace {

// A byte-order mark inside a text is a character like any other.
QStringDecoder Utf8Decoder() {
    return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
}

bool IsAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsValidUtf8(QByteArrayView bytes) {
    if (IsAscii(bytes)) return true;
    QStringDecoder decoder = Utf8Decoder();
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

}  // namespace

bool TestFileShape::Take(int lineNumber, QByteArrayView line) {
    if (lineNumber == 1) {
        if (line.startsWith(ByteOrderMark)) {
            decided = TextEncoding::Utf8;
            line = line.sliced(ByteOrderMark.size());
        }
        ownKit = line == MagicLineOwnKit;
        return line == MagicLine || ownKit;
    }
    if (lineNumber < 2 || lineNumber > LineCount) return false;
    if (decided != TextEncoding::Cp1252) {
        validUtf8SoFar = validUtf8SoFar && IsValidUtf8(line);
        if (decided == TextEncoding::Utf8 && !validUtf8SoFar) return false;
    }
    FieldCursor cursor(line, IsFieldSeparator);
    const auto key = cursor.Next();
    if (!key) return false;
    const QByteArrayView expected = LineKeys[static_cast<std::size_t>(lineNumber - 2)];
    if (IsAscii(expected)) return *key == expected;
    if (decided != TextEncoding::Utf8 && *key == expected) {
        decided = TextEncoding::Cp1252;
        return true;
    }
    if (decided != TextEncoding::Cp1252 && validUtf8SoFar && *key == DecodeCp1252(expected).toUtf8()) {
        decided = TextEncoding::Utf8;
        return true;
    }
    return false;
}

QString DecodeText(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Cp1252) return DecodeCp1252(bytes);
    QStringDecoder decoder = Utf8Decoder();
    return decoder.decode(bytes);
}

bool StartsLikeTestFile(QByteArrayView bytes) {
    if (bytes.startsWith(ByteOrderMark)) bytes = bytes.sliced(ByteOrderMark.size());
    if (!bytes.startsWith(MagicLine)) return false;
    const QByteArrayView rest = bytes.sliced(MagicLine.size());
    return rest.isEmpty() || rest.front() == '\r' || rest.front() == '\n' || rest.front() == ',';
}

}  // namespace kaldoventri::testfile
