// Reading a test file into an evaluated sheet.
#include "files/TestSheetReading.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <functional>

#include "evaluation/CalculateSheet.h"
#include "files/FileAccess.h"
#include "files/TestFileReader.h"
#include "files/WholeNumber.h"

namespace kaldoventri {

namespace {

// Reads an opened test file (or its bytes) into an evaluated sheet;
// `fileError` words a failure of the device itself.
std::variant<TNewTabSheet, OpenFailure> ReadTestSheetFrom(QIODevice& file, const QString& path, int yScaleMode,
                                                          const std::function<OpenFailure(int)>& fileError) {
    const auto valueError = [&path](const TestFileError& failure) {
        // No text: the tray line holds fewer values than there are trays. The
        // window says so as the command line does, naming the file; Qt's
        // "'' is not a valid integer value" would point at no value at all.
        if (failure.text.isEmpty()) {
            const QString shortLine = QStringLiteral("raden Normal har för få värden");
            return OpenFailure{OpenFailure::Kind::Error, QFileInfo(path).fileName() + QStringLiteral(": ") + shortLine,
                               shortLine};
        }
        return OpenFailure{OpenFailure::Kind::Error, failure.message, NotAWholeNumberInSwedish(failure.text)};
    };
    // The shape check reads at most twelve lines, so a large file that is no
    // test file is refused before the reader takes it all in.
    const QString notATest = NotATestFileMessage(path);
    const OpenFailure notATestFile{OpenFailure::Kind::NotATestFile, notATest, notATest};
    if (!IsTestFile(file)) return notATestFile;
    if (!file.seek(0)) return fileError(0);

    errno = 0;
    const TestFileReadResult read = ReadTestFile(file);
    if (const auto* failure = std::get_if<TestFileError>(&read)) {
        if (failure->kind == TestFileError::Kind::NotATestFile) return notATestFile;
        if (failure->kind == TestFileError::Kind::ReadFailed) return fileError(errno);
        if (failure->kind == TestFileError::Kind::BadKit || failure->kind == TestFileError::Kind::BadUnit)
            return OpenFailure{OpenFailure::Kind::Error, QFileInfo(path).fileName() + QStringLiteral(": ") + failure->message,
                               failure->message};
        return valueError(*failure);
    }
    const auto& contents = std::get<TestFileContents>(read);
    const auto amounts = CompleteTrayAmounts(contents);
    if (const auto* failure = std::get_if<TestFileError>(&amounts)) return valueError(*failure);

    TNewTabSheet sheet;
    FillSheetFromTestFile(sheet, contents, std::get<TrayAmounts>(amounts));
    sheet.SetTitle(SheetTitleOf(path).toStdString());
    CalculateSheet(sheet, yScaleMode);
    return sheet;
}

}  // namespace

QString RefusalText(const QString& path, const OpenFailure& failure) {
    if (failure.kind == OpenFailure::Kind::NotATestFile) return path + QStringLiteral(" är ingen Kaldoventrifil!");
    return path + QStringLiteral(": ") + failure.swedish;
}

std::variant<TNewTabSheet, OpenFailure> ReadTestSheet(const QString& path, int yScaleMode) {
    QFile file(path);
    const auto fileError = [&file](int number) {
        const FileError error = FileErrorOf(file, number);
        return OpenFailure{OpenFailure::Kind::Error, StandardWording(error), SwedishWording(error)};
    };
    // A folder opens on some systems and reads as nothing: it is no test file's place.
    if (QFileInfo(path).isDir()) return fileError(EISDIR);
    if (auto failed = OpenForReading(file))
        return OpenFailure{OpenFailure::Kind::Error, StandardWording(*failed), SwedishWording(*failed)};
    return ReadTestSheetFrom(file, path, yScaleMode, fileError);
}

std::variant<TNewTabSheet, OpenFailure> ReadTestSheetBytes(const QByteArray& bytes, const QString& path, int yScaleMode) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    // Bytes in memory cannot fail to be read.
    const auto readError = [](int) { return OpenFailure{OpenFailure::Kind::Error, QStringLiteral("I/O error 0"), QStringLiteral("läsfel")}; };
    return ReadTestSheetFrom(buffer, path, yScaleMode, readError);
}

}  // namespace kaldoventri
