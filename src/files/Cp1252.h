// Windows code page 1252, the single-byte character set of test files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace kaldoventri {

// Every byte decodes to one character. The five bytes the code page leaves
// undefined (81, 8D, 8F, 90, 9D) decode to the control characters of the same
// number, as Windows does, so no byte of a file is ever lost.
QString DecodeCp1252(QByteArrayView bytes);

// One byte per character. A character the code page cannot hold (a surrogate
// pair counts as one character) becomes "?", and so do CR, LF and 1A, which
// would end a line or the readable text of a file.
QByteArray EncodeCp1252(QStringView text);

// The characters of `text` that a test file cannot hold (those EncodeCp1252
// would turn into "?"), each once, in the order they first occur; a
// character beyond 16 bits is one entry.
QStringList Unrepresentable(QStringView text);

// `text` without those characters.
QString Representable(QStringView text);

}  // namespace kaldoventri
