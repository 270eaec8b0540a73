// The shape check of a single line.
#include "TestFileFormat.h"

#include "FieldCursor.h"

namespace kaldoventri::testfile {

bool LineHasShape(int lineNumber, QByteArrayView line) {
    if (lineNumber == 1) return line == MagicLine;
    if (lineNumber < 2 || lineNumber > LineCount) return false;
    FieldCursor cursor(line, IsFieldSeparator);
    const auto key = cursor.Next();
    return key && *key == LineKeys[static_cast<std::size_t>(lineNumber - 2)];
}

bool StartsLikeTestFile(QByteArrayView bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
    if (!bytes.startsWith(MagicLine)) return false;
    const QByteArrayView rest = bytes.sliced(MagicLine.size());
    return rest.isEmpty() || rest.front() == '\r' || rest.front() == '\n' || rest.front() == ',';
}

}  // namespace kaldoventri::testfile
