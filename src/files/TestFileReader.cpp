// The shape check and the reader of test files.
#include "TestFileReader.h"

#include <algorithm>
#include <array>
#include <utility>

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

// The first line is compared whole, so one byte more than the magic text
// (after a byte-order mark) is enough to refuse it however long it is.
qsizetype LineLimit(qint64 lineNumber) {
    return lineNumber == 1 ? ByteOrderMark.size() + MagicLine.size() : MaxLineBytes;
}

TestFileError NotATestFile() { return {TestFileError::Kind::NotATestFile, {}, {}}; }

TestFileError NotAnInteger(QByteArrayView field, TextEncoding encoding) {
    QString text = DecodeText(field, encoding);
    QString message = NotAValidIntegerMessage(text);
    return {TestFileError::Kind::NotAnInteger, std::move(text), std::move(message)};
}

TestFileError ReadFailed(const QIODevice& device) {
    QString message = device.errorString();
    if (message.isEmpty()) message = QStringLiteral("Read error");
    return {TestFileError::Kind::ReadFailed, {}, std::move(message)};
}

// The keys of texts and where their texts go.
constexpr std::array<std::pair<QByteArrayView, QString TestFileContents::*>, 7> DescriptionKeys = {{
    {KeySpridarFabrikat, &TestFileContents::SpridarFabrikat},
    {KeySpridarModell, &TestFileContents::SpridarModell},
    {KeySpridarInstallning, &TestFileContents::SpridarInstallning},
    {KeyGodselFabrikat, &TestFileContents::GodselFabrikat},
    {KeyGodselMedel, &TestFileContents::GodselMedel},
    {KeyProduktionsplats, &TestFileContents::Produktionsplats},
    {KeyUrsprung, &TestFileContents::Origin},
}};

// Collects what the lines give, in file order, until the file is done. The
// encoding is known only from the fifth line on, so texts are kept as bytes
// and decoded at the end.
class ContentsBuilder {
public:
    // Takes one line in the encoding learnt so far (the keys before it are
    // plain ASCII); false for a value that is no whole number, which ends the
    // reading and is kept as BadNumber().
    bool Take(QByteArrayView line, TextEncoding encoding) {
        Cursor cursor(line, IsFieldSeparator);
        const auto field = cursor.Next();
        if (!field) return true;
        // Keys are compared in the bytes the program writes.
        const QByteArray transcoded = encoding == TextEncoding::Utf8 ? EncodeCp1252(DecodeText(*field, encoding)) : QByteArray();
        const QByteArrayView key = encoding == TextEncoding::Utf8 ? QByteArrayView(transcoded) : *field;
        if (key == KeyNormal) return TakeTrays(cursor);
        if (key == KeyABredd) return TakeNumber(cursor, DefaultWorkingWidth, contents.ABredd);
        if (key == KeyBackuppstallning) return TakeNumber(cursor, DefaultLayoutWhenMissing, contents.Backuppstallning);
        if (key == KeyKormonster) {
            const auto value = cursor.Next();
            contents.Pattern = value && *value == RacetrackValue ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth;
            return true;
        }
        for (std::size_t i = 0; i < DescriptionKeys.size(); ++i)
            if (key == DescriptionKeys[i].first) texts[i] = cursor.Rest().toByteArray();
        return true;
    }

    QByteArrayView BadNumber() const { return badNumber; }

    TestFileContents Finish(TextEncoding encoding) {
        for (std::size_t i = 0; i < DescriptionKeys.size(); ++i)
            contents.*DescriptionKeys[i].second = DecodeText(texts[i], encoding);
        contents.TrayValues = QList<qint32>(trays.begin(), trays.begin() + trayCount);
        contents.ABredd = ClampWorkingWidth(contents.ABredd);
        contents.Backuppstallning = contents.Backuppstallning == Layout12m ? Layout12m : Layout24m;
        return std::move(contents);
    }

private:
    bool TakeTrays(Cursor& cursor) {
        qsizetype tray = 0;
        for (; tray < TrayCount; ++tray) {
            const auto field = cursor.Next();
            if (!field) break;
            const auto value = ParseWholeNumber(DecodeCp1252(*field));
            if (!value) return Refuse(*field);
            trays[static_cast<std::size_t>(tray)] = *value;
        }
        trayCount = std::max(trayCount, tray);
        return true;
    }

    bool TakeNumber(Cursor& cursor, qint32 whenMissing, qint32& target) {
        const auto field = cursor.Next();
        if (!field) {
            target = whenMissing;
            return true;
        }
        const auto value = ParseWholeNumber(DecodeCp1252(*field));
        if (!value) return Refuse(*field);
        target = *value;
        return true;
    }

    bool Refuse(QByteArrayView field) {
        badNumber = field.toByteArray();
        return false;
    }

    TestFileContents contents;
    std::array<QByteArray, DescriptionKeys.size()> texts;
    QByteArray badNumber;
    std::array<qint32, TrayCount> trays{};
    qsizetype trayCount = 0;
};

}  // namespace

bool IsTestFile(QIODevice& device) {
    TextLineReader reader(device);
    TestFileShape shape;
    QByteArray line;
    for (int lineNumber = 1; lineNumber <= LineCount; ++lineNumber) {
        if (reader.Next(line, LineLimit(lineNumber)) != TextLineReader::Status::Line) return false;
        if (!shape.Take(lineNumber, line)) return false;
    }
    return true;
}

TestFileReadResult ReadTestFile(QIODevice& device) {
    TextLineReader reader(device);
    TestFileShape shape;
    ContentsBuilder builder;
    QByteArray line;
    // A file that is no test file is refused as such even when a value before
    // its misfit is broken, so the first twelve lines are always checked.
    bool valueError = false;
    qint64 lineNumber = 0;
    for (;;) {
        if (valueError && lineNumber >= LineCount) return NotAnInteger(builder.BadNumber(), shape.Encoding());
        const auto status = reader.Next(line, LineLimit(lineNumber + 1));
        if (status == TextLineReader::Status::End) break;
        if (status == TextLineReader::Status::TooLong) return NotATestFile();
        if (status == TextLineReader::Status::ReadFailed) return ReadFailed(device);

        ++lineNumber;
        if (lineNumber <= LineCount && !shape.Take(static_cast<int>(lineNumber), line)) return NotATestFile();
        if (lineNumber == 1 || valueError) continue;
        valueError = !builder.Take(line, shape.Encoding());
    }
    if (lineNumber < LineCount) return NotATestFile();
    if (valueError) return NotAnInteger(builder.BadNumber(), shape.Encoding());
    return builder.Finish(shape.Encoding());
}

}  // namespace kaldoventri
