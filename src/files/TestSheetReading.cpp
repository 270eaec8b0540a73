// Reading a test file into an evaluated sheet.
#include "files/TestSheetReading.h"

#include <QFile>

#include <cerrno>

#include "evaluation/CalculateSheet.h"
#include "files/FileAccess.h"
#include "files/TestFileReader.h"

namespace kaldoventri {

std::variant<TNewTabSheet, OpenFailure> ReadTestSheet(const QString& path, int yScaleMode,
                                                      const std::optional<TrayAmounts>& shownAmounts) {
    const auto error = [](QString message) { return OpenFailure{OpenFailure::Kind::Error, std::move(message)}; };
    QFile file(path);
    if (auto failed = OpenForReading(file)) return error(*failed);
    // The shape check reads at most twelve lines, so a large file that is no
    // test file is refused before the reader takes it all in.
    const OpenFailure notATestFile{OpenFailure::Kind::NotATestFile, NotATestFileMessage(path)};
    if (!IsTestFile(file)) return notATestFile;
    if (!file.seek(0)) return error(FileErrorText(file, 0));

    errno = 0;
    const TestFileReadResult read = ReadTestFile(file);
    if (const auto* failure = std::get_if<TestFileError>(&read)) {
        if (failure->kind == TestFileError::Kind::NotATestFile) return notATestFile;
        return error(failure->kind == TestFileError::Kind::ReadFailed ? FileErrorText(file, errno) : failure->message);
    }
    const auto& contents = std::get<TestFileContents>(read);
    const auto amounts = CompleteTrayAmounts(contents, shownAmounts);
    if (const auto* failure = std::get_if<TestFileError>(&amounts)) return error(failure->message);

    TNewTabSheet sheet;
    FillSheetFromTestFile(sheet, contents, std::get<TrayAmounts>(amounts));
    sheet.SetTitle(SheetTitleOf(path).toStdString());
    CalculateSheet(sheet, yScaleMode);
    return sheet;
}

}  // namespace kaldoventri
