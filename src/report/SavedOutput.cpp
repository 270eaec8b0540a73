// Whole-or-nothing output files.
#include "report/SavedOutput.h"

#include <QSaveFile>

#include <cerrno>

#include "files/FileAccess.h"

namespace kaldoventri {

namespace {

// Passes everything on to the file and keeps the system's error number of the
// first write that failed: the writer of a long document carries on after a
// failure, and errno would long since tell of something else.
class FirstErrorDevice : public QIODevice {
public:
    explicit FirstErrorDevice(QFileDevice& file) : file_(file) { open(QIODevice::WriteOnly); }

    int FirstError() const { return firstError_; }
    bool Failed() const { return failed_ || file_.error() != QFileDevice::NoError; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        errno = 0;
        const qint64 written = file_.write(data, length);
        if (written != length && !failed_) {
            failed_ = true;
            firstError_ = errno;
        }
        return written;
    }

private:
    QFileDevice& file_;
    bool failed_ = false;
    int firstError_ = 0;
};

}  // namespace

// Unlike a test file, a report is never overwritten in place where its folder
// takes no new files: cancelling must leave an old report as it was.
SaveOutcome SaveThrough(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    errno = 0;
    const auto failed = [&file](int number) {
        const FileError error = FileErrorOf(file, number);
        return SaveOutcome{SaveOutcome::Kind::Failed, StandardWording(error), SwedishWording(error)};
    };
    if (!file.open(QIODevice::WriteOnly)) return failed(errno);
    FirstErrorDevice device(file);
    if (!write(device)) {
        file.cancelWriting();
        return {SaveOutcome::Kind::Cancelled, {}, {}};
    }
    int error = device.FirstError();
    bool written = !device.Failed();
    if (written) {
        errno = 0;
        written = file.flush() && file.error() == QFileDevice::NoError;
        error = errno;
    }
    if (written) {
        errno = 0;
        written = file.commit();
        error = errno;
    }
    if (!written) {
        const SaveOutcome outcome = failed(error);
        file.cancelWriting();
        return outcome;
    }
    return {};
}

}  // namespace kaldoventri
