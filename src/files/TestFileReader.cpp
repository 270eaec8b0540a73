// The shape check and the reader of test files.
#include "TestFileReader.h"

#include <algorithm>
#include <array>
#include <optional>

#include "Cp1252.h"
#include "FieldCursor.h"
#include "TestFileFormat.h"
#include "TextLineReader.h"
#include "WholeNumber.h"

namespace kaldoventri {

namespace {

using namespace testfile;
using Cursor = FieldCursor<QByteArrayView, bool (*)(char)>;

constexpr qint32 DefaultLayoutWhenMissing = Layout24m;

// The first line is compared whole, so one byte more than the magic text is
// enough to refuse it however long it is.
qsizetype LineLimit(qint64 lineNumber) { return lineNumber == 1 ? MagicLine.size() : MaxLineBytes; }

TestFileError NotATestFile() { return {TestFileError::Kind::NotATestFile, {}, {}}; }

TestFileError NotAnInteger(QByteArrayView field) {
    QString text = DecodeCp1252(field);
    QString message = NotAValidIntegerMessage(text);
    return {TestFileError::Kind::NotAnInteger, std::move(text), std::move(message)};
}

TestFileError ReadFailed(const QIODevice& device) {
    QString message = device.errorString();
    if (message.isEmpty()) message = QStringLiteral("Read error");
    return {TestFileError::Kind::ReadFailed, {}, std::move(message)};
}

// Collects what the lines give, in file order, until the file is done.
class ContentsBuilder {
public:
    // Takes one line; an error ends the reading.
    std::optional<TestFileError> Take(QByteArrayView line) {
        Cursor cursor(line, IsFieldSeparator);
        const auto key = cursor.Next();
        if (!key) return std::nullopt;
        if (*key == KeyNormal) return TakeTrays(cursor);
        if (*key == KeyABredd) return TakeNumber(cursor, DefaultWorkingWidth, contents.ABredd);
        if (*key == KeyBackuppstallning) return TakeNumber(cursor, DefaultLayoutWhenMissing, contents.Backuppstallning);
        if (*key == KeyKormonster) {
            const auto value = cursor.Next();
            contents.Pattern = value && *value == RacetrackValue ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth;
            return std::nullopt;
        }
        if (QString* text = DescriptionFor(*key)) *text = DecodeCp1252(cursor.Rest());
        return std::nullopt;
    }

    TestFileContents Finish() {
        contents.TrayValues = QList<qint32>(trays.begin(), trays.begin() + trayCount);
        contents.ABredd = ClampWorkingWidth(contents.ABredd);
        contents.Backuppstallning = contents.Backuppstallning == Layout12m ? Layout12m : Layout24m;
        return std::move(contents);
    }

private:
    std::optional<TestFileError> TakeTrays(Cursor& cursor) {
        qsizetype tray = 0;
        for (; tray < TrayCount; ++tray) {
            const auto field = cursor.Next();
            if (!field) break;
            const auto value = ParseWholeNumber(DecodeCp1252(*field));
            if (!value) return NotAnInteger(*field);
            trays[static_cast<std::size_t>(tray)] = *value;
        }
        trayCount = std::max(trayCount, tray);
        return std::nullopt;
    }

    static std::optional<TestFileError> TakeNumber(Cursor& cursor, qint32 whenMissing, qint32& target) {
        const auto field = cursor.Next();
        if (!field) {
            target = whenMissing;
            return std::nullopt;
        }
        const auto value = ParseWholeNumber(DecodeCp1252(*field));
        if (!value) return NotAnInteger(*field);
        target = *value;
        return std::nullopt;
    }

    QString* DescriptionFor(QByteArrayView key) {
        if (key == KeySpridarFabrikat) return &contents.SpridarFabrikat;
        if (key == KeySpridarModell) return &contents.SpridarModell;
        if (key == KeySpridarInstallning) return &contents.SpridarInstallning;
        if (key == KeyGodselFabrikat) return &contents.GodselFabrikat;
        if (key == KeyGodselMedel) return &contents.GodselMedel;
        if (key == KeyProduktionsplats) return &contents.Produktionsplats;
        if (key == KeyUrsprung) return &contents.Origin;
        return nullptr;
    }

    TestFileContents contents;
    std::array<qint32, TrayCount> trays{};
    qsizetype trayCount = 0;
};

}  // namespace

bool IsTestFile(QIODevice& device) {
    TextLineReader reader(device);
    QByteArray line;
    for (int lineNumber = 1; lineNumber <= LineCount; ++lineNumber) {
        if (reader.Next(line, LineLimit(lineNumber)) != TextLineReader::Status::Line) return false;
        if (!LineHasShape(lineNumber, line)) return false;
    }
    return true;
}

TestFileReadResult ReadTestFile(QIODevice& device) {
    TextLineReader reader(device);
    ContentsBuilder builder;
    QByteArray line;
    // A file that is no test file is refused as such even when a value before
    // its misfit is broken, so the first twelve lines are always checked.
    std::optional<TestFileError> valueError;
    qint64 lineNumber = 0;
    for (;;) {
        if (valueError && lineNumber >= LineCount) return *valueError;
        const auto status = reader.Next(line, LineLimit(lineNumber + 1));
        if (status == TextLineReader::Status::End) break;
        if (status == TextLineReader::Status::TooLong) return NotATestFile();
        if (status == TextLineReader::Status::ReadFailed) return ReadFailed(device);

        ++lineNumber;
        if (lineNumber <= LineCount && !LineHasShape(static_cast<int>(lineNumber), line)) return NotATestFile();
        if (lineNumber == 1 || valueError) continue;
        valueError = builder.Take(line);
    }
    if (lineNumber < LineCount) return NotATestFile();
    if (valueError) return *valueError;
    return builder.Finish();
}

}  // namespace kaldoventri
