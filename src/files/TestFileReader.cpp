// The shape check and the reader of test files.
#include "TestFileReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "Cp1252.h"
#include "FieldCursor.h"
#include "TestFileFormat.h"
#include "TextLineReader.h"
#include "RecordLines.h"
#include "UnitLines.h"
#include "WholeNumber.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

namespace {

using namespace testfile;
using Cursor = FieldCursor<QByteArrayView, bool (*)(char)>;

constexpr qint32 DefaultLayoutWhenMissing = Layout24m;

// The first line is compared whole, so one byte more than the magic text
// (after a byte-order mark) is enough to refuse it however long it is.
qsizetype LineLimit(qint64 lineNumber) {
    return lineNumber == 1 ? ByteOrderMark.size() + MagicLineOwnKit.size() : MaxLineBytes;
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
    bool Take(QByteArrayView line, TextEncoding encoding, qint64 lineNumber, bool ownKit) {
        Cursor cursor(line, IsFieldSeparator);
        const auto field = cursor.Next();
        if (!field) return true;
        // Keys are compared in the bytes the program writes.
        const QByteArray transcoded = encoding == TextEncoding::Utf8 ? EncodeCp1252(DecodeText(*field, encoding)) : QByteArray();
        const QByteArrayView key = encoding == TextEncoding::Utf8 ? QByteArrayView(transcoded) : *field;
        if (key == KeyNormal) return TakeTrays(cursor, ownKit ? MostTrays : TrayCount);
        if (key == KeyABredd) return TakeNumber(cursor, DefaultWorkingWidth, contents.ABredd);
        if (key == KeyBackuppstallning) return TakeNumber(cursor, DefaultLayoutWhenMissing, contents.Backuppstallning);
        // The kit's lines count only in an own kit's test; older readers pass them by too.
        if (ownKit && key == KeyBackpositioner) return TakePositions(cursor, lineNumber);
        if (ownKit && key == KeySokomrade) return TakeSearchRange(cursor, lineNumber);
        if (ownKit && key == KeyUppstallningsnamn) {
            kitName = cursor.Rest().toByteArray();
            return true;
        }
        if (const auto taken = units.Take(key, cursor, lineNumber)) return *taken;
        if (const auto taken = record.Take(key, cursor, lineNumber)) return *taken;
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
    // Set when a kit line could not be read: the reason, naming the line.
    const QString& BadKit() const { return badKit; }
    // Set when a unit line could not be read: the reason, naming the line.
    const QString& BadUnit() const { return units.Refusal().isEmpty() ? record.Refusal() : units.Refusal(); }

    // The contents, or why the kit of an own kit's test does not fit.
    TestFileReadResult Finish(TextEncoding encoding, bool ownKit) {
        for (std::size_t i = 0; i < DescriptionKeys.size(); ++i)
            contents.*DescriptionKeys[i].second = DecodeText(texts[i], encoding);
        contents.TrayValues = QList<qint32>(trays.begin(), trays.begin() + trayCount);
        contents.ABredd = ClampWorkingWidth(contents.ABredd);
        if (auto problem = units.Finish()) return TestFileError{TestFileError::Kind::BadUnit, {}, *problem};
        contents.Units = units.Units();
        if (auto problem = record.Finish(encoding)) return TestFileError{TestFileError::Kind::BadUnit, {}, *problem};
        contents.Record = record.Record();
        if (ownKit) {
            if (auto problem = MakeKit(encoding)) return TestFileError{TestFileError::Kind::BadKit, {}, *problem};
        } else {
            contents.Backuppstallning = contents.Backuppstallning == Layout12m ? Layout12m : Layout24m;
        }
        return std::move(contents);
    }

private:
    // Values after the kit's last possible tray are not looked at.
    bool TakeTrays(Cursor& cursor, qsizetype most) {
        qsizetype tray = 0;
        for (; tray < most; ++tray) {
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

    bool TakePositions(Cursor& cursor, qint64 lineNumber) {
        positions.clear();
        positionsLine = lineNumber;
        while (const auto field = cursor.Next()) {
            bool ok = false;
            const double p = field->toByteArray().toDouble(&ok);
            if (!ok || !std::isfinite(p)) return RefuseKit(lineNumber, "Backpositioner", "'" + field->toByteArray().toStdString() + "' är inget backläge i meter");
            positions.push_back(KeptPlace(p));
            if (positions.size() > static_cast<std::size_t>(MostTrays)) return RefuseKit(lineNumber, "Backpositioner", "fler än 100 backar");
        }
        return true;
    }

    bool TakeSearchRange(Cursor& cursor, qint64 lineNumber) {
        searchLine = lineNumber;
        const auto first = cursor.Next();
        const auto last = cursor.Next();
        const auto firstValue = first ? ParseWholeNumber(DecodeCp1252(*first)) : std::nullopt;
        const auto lastValue = last ? ParseWholeNumber(DecodeCp1252(*last)) : std::nullopt;
        if (!firstValue || !lastValue)
            return RefuseKit(lineNumber, "Sökområde", "två hela halvmetrar väntas, som 10,96");
        search = WidthRange{*firstValue, *lastValue};
        return true;
    }

    // A kit problem as the file's refusal: "rad 14 (Backpositioner): ...".
    bool RefuseKit(qint64 lineNumber, const char* key, const std::string& reason) {
        if (badKit.isEmpty())
            badKit = QStringLiteral("rad %1 (%2): %3").arg(lineNumber).arg(QString::fromUtf8(key), QString::fromStdString(reason));
        return false;
    }

    std::optional<QString> MakeKit(TextEncoding encoding) {
        if (!positionsLine) return QStringLiteral("raden Backpositioner saknas");
        const auto line = *positionsLine;
        if (positions.size() != static_cast<std::size_t>(trayCount))
            return QStringLiteral("rad %1 (Backpositioner): %2 backlägen, men raden Normal har %3 mängder")
                .arg(line).arg(positions.size()).arg(trayCount);
        TrayKit kit;
        kit.layout = LayoutOwn;
        kit.positions = positions;
        kit.name = DecodeText(kitName, encoding).trimmed().toStdString();
        if (kit.name.empty()) kit.name = "Egen uppställning";
        kit.search = search.value_or(DefaultSearchRange(LastCurveWidthOf(positions)));
        // Tray count and places first, then the search range, which depends on them.
        TrayKit placesOnly = kit;
        placesOnly.search = DefaultSearchRange(LastCurveWidthOf(positions));
        if (auto problem = KitProblem(placesOnly))
            return QStringLiteral("rad %1 (Backpositioner): %2").arg(line).arg(QString::fromStdString(*problem));
        if (auto problem = KitProblem(kit))
            return QStringLiteral("rad %1 (Sökområde): %2").arg(searchLine.value_or(line)).arg(QString::fromStdString(*problem));
        contents.Backuppstallning = LayoutOwn;
        contents.Kit = std::move(kit);
        return std::nullopt;
    }

    bool Refuse(QByteArrayView field) {
        badNumber = field.toByteArray();
        return false;
    }

    TestFileContents contents;
    std::array<QByteArray, DescriptionKeys.size()> texts;
    QByteArray badNumber;
    std::array<qint32, MostTrays> trays{};
    qsizetype trayCount = 0;
    std::vector<double> positions;
    std::optional<qint64> positionsLine;
    std::optional<WidthRange> search;
    std::optional<qint64> searchLine;
    QByteArray kitName;
    QString badKit;
    UnitLines units;
    RecordLines record;
};

TestFileError RefusalOf(const ContentsBuilder& builder, TextEncoding encoding) {
    if (!builder.BadKit().isEmpty()) return {TestFileError::Kind::BadKit, {}, builder.BadKit()};
    if (!builder.BadUnit().isEmpty()) return {TestFileError::Kind::BadUnit, {}, builder.BadUnit()};
    return NotAnInteger(builder.BadNumber(), encoding);
}

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
        if (valueError && lineNumber >= LineCount) return RefusalOf(builder, shape.Encoding());
        const auto status = reader.Next(line, LineLimit(lineNumber + 1));
        if (status == TextLineReader::Status::End) break;
        if (status == TextLineReader::Status::TooLong) return NotATestFile();
        if (status == TextLineReader::Status::ReadFailed) return ReadFailed(device);

        ++lineNumber;
        if (lineNumber <= LineCount && !shape.Take(static_cast<int>(lineNumber), line)) return NotATestFile();
        if (lineNumber == 1 || valueError) continue;
        valueError = !builder.Take(line, shape.Encoding(), lineNumber, shape.OwnKit());
    }
    if (lineNumber < LineCount) return NotATestFile();
    if (valueError) return RefusalOf(builder, shape.Encoding());
    return builder.Finish(shape.Encoding(), shape.OwnKit());
}

}  // namespace kaldoventri
