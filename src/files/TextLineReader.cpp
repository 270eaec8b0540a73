// Line splitting of test files: CR (plus one LF) ends a line, 1A ends the text.
#include "TextLineReader.h"

#include "TestFileFormat.h"

namespace kaldoventri {

TextLineReader::TextLineReader(QIODevice& device) : device(device), buffer(ChunkBytes, Qt::Uninitialized) {}

bool TextLineReader::Fill() {
    if (textEnded || failed) return false;
    const qint64 n = device.read(buffer.data(), ChunkBytes);
    if (n < 0) {
        failed = true;
        return false;
    }
    pos = 0;
    size = static_cast<qsizetype>(n);
    if (n == 0) textEnded = true;
    return n > 0;
}

TextLineReader::Status TextLineReader::Next(QByteArray& line, qsizetype maxBytes) {
    line.clear();
    if (skipLineFeed) {
        if (pos == size) Fill();
        if (pos < size && buffer[pos] == '\n') ++pos;
        skipLineFeed = false;
    }
    for (;;) {
        if (pos == size && !Fill()) {
            if (failed) return Status::ReadFailed;
            return line.isEmpty() ? Status::End : Status::Line;
        }
        const char* const start = buffer.constData() + pos;
        const char* const stop = buffer.constData() + size;
        const char* end = start;
        while (end != stop && *end != '\r' && *end != testfile::TextEnd) ++end;

        const qsizetype taken = end - start;
        if (line.size() + taken > maxBytes) return Status::TooLong;
        line.append(start, taken);
        pos += taken;
        if (end == stop) continue;

        ++pos;
        if (*end == '\r') {
            skipLineFeed = true;
            return Status::Line;
        }
        textEnded = true;
        pos = size;
        return line.isEmpty() ? Status::End : Status::Line;
    }
}

}  // namespace kaldoventri
