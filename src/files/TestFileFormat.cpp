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

}  // namespace kaldoventri::testfile
