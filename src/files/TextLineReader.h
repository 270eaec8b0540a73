// Reads the lines of a test file from any QIODevice without holding more than
// one line and one read buffer in memory.
//
// A line ends at CR, and one LF directly after that CR belongs to the line end;
// an LF anywhere else is an ordinary character. A byte 1A ends the readable
// text: what stands before it on its line is the last line, nothing after it
// is read. A last line without a line end is still a line.
#pragma once

#include <QByteArray>
#include <QIODevice>

namespace kaldoventri {

class TextLineReader {
public:
    enum class Status {
        Line,        // `line` holds the next line, without its line end
        End,         // no more lines
        TooLong,     // the next line is longer than allowed; it has not been read to its end
        ReadFailed,  // the device reported an error
    };

    explicit TextLineReader(QIODevice& device);

    // Reads the next line into `line`, refusing one longer than `maxBytes`.
    // The device must deliver all its data on request (a file or a buffer).
    Status Next(QByteArray& line, qsizetype maxBytes);

private:
    bool Fill();

    static constexpr qsizetype ChunkBytes = 64 * 1024;

    QIODevice& device;
    QByteArray buffer;
    qsizetype pos = 0;
    qsizetype size = 0;
    bool textEnded = false;
    bool failed = false;
    bool skipLineFeed = false;
};

}  // namespace kaldoventri
