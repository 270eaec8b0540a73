// Line splitting of test files: CR (plus one LF) ends a line, 1A ends the text.
#include "TextLineReader.h"

#include "TestFileFormat.h"

#include <cstring>

namespace kaldoventri {

namespace {

// The first CR or 1A in [start, stop), or stop.
const char* FindLineEnd(const char* start, const char* stop) {
    const auto length = static_cast<std::size_t>(stop - start);
    const auto* cr = static_cast<const char*>(std::memchr(start, '\r', length));
    const char* end = cr ? cr : stop;
    const auto* textEnd = static_cast<const char*>(std::memchr(start, testfile::TextEnd, static_cast<std::size_t>(end - start)));
    return textEnd ? textEnd : end;
}

}  // namespace

TextLineReader::TextLineReader(QIODevice& device) : device(device) {}

bool TextLineReader::Fill() {
    if (textEnded || failed) return false;
    if (buffer.isEmpty()) {
        // A small file needs no buffer of full size; one byte more than it
        // holds lets the first read find its end as well.
        const qint64 available = device.bytesAvailable();
        buffer.resize(available > 0 && available < ChunkBytes ? static_cast<qsizetype>(available) + 1 : ChunkBytes);
    }
    const qint64 n = device.read(buffer.data(), buffer.size());
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
        const char* end = FindLineEnd(start, stop);

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
