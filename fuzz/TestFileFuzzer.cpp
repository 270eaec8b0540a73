// libFuzzer target over the test file shape check and reader: any bytes must
// give either a refusal or values inside the ranges the program relies on,
// and values once read must survive writing and reading again.
#include <QBuffer>
#include <QByteArray>
#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <variant>

#include "evaluation/CalculateSheet.h"
#include "evaluation/TrayKit.h"
#include "files/Cp1252.h"
#include "files/SheetFromTestFile.h"
#include "files/SplitFields.h"
#include "files/TestFileFormat.h"
#include "files/TestFileReader.h"
#include "files/TestFileWriter.h"
#include "files/WholeNumber.h"

namespace {

using namespace kaldoventri;

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

TestFileReadResult Read(const QByteArray& bytes, bool* isTestFile = nullptr) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (isTestFile) {
        *isTestFile = IsTestFile(buffer);
        buffer.seek(0);
    }
    return ReadTestFile(buffer);
}

bool TextFitsALine(const QString& text) { return !text.contains(u'\r') && !text.contains(QChar(0x1A)); }

// What the code page cannot hold (a line feed in a value, a character beyond
// the code page from a UTF-8 file) is written as "?".
QString AsWritten(const QString& text) { return DecodeCp1252(EncodeCp1252(text)); }

int TraysOf(const TestFileContents& c) { return c.Kit ? static_cast<int>(c.Kit->positions.size()) : TrayCount; }

void CheckContents(const TestFileContents& c) {
    Require(c.TrayValues.size() <= TraysOf(c));
    Require(c.ABredd >= 10 && c.ABredd <= 100);
    // An own kit read is one the program can use, with a value for every tray.
    if (c.Kit) Require(c.Backuppstallning == LayoutOwn && !KitProblem(*c.Kit) && c.TrayValues.size() == TraysOf(c));
    else Require(c.Backuppstallning == Layout12m || c.Backuppstallning == Layout24m);
    // Unit values are positive numbers; a density comes only with ml.
    for (const auto& v : {c.Units.trayArea, c.Units.density, c.Units.target})
        Require(!v || (std::isfinite(*v) && *v > 0));
    if (c.Units.unit) Require(std::isfinite(c.Units.unit->size) && c.Units.unit->size > 0);
    if (c.Units.density) Require(c.Units.unit && c.Units.unit->kind == AmountKind::Volume);
    for (const QString* text : {&c.SpridarFabrikat, &c.SpridarModell, &c.SpridarInstallning, &c.GodselFabrikat,
                                &c.GodselMedel, &c.Produktionsplats})
        Require(TextFitsALine(*text) && !text->startsWith(u' ') && !text->startsWith(u','));
}

// Writes what was read and reads it again: the same values come back.
void CheckRewrite(const TestFileContents& c) {
    TestFileValues values;
    for (qsizetype i = 0; i < TraysOf(c); ++i)
        values.TrayTexts.push_back(i < c.TrayValues.size() ? QString::number(c.TrayValues[i]) : QStringLiteral("0"));
    values.Kit = c.Kit;
    values.SpridarFabrikat = c.SpridarFabrikat;
    values.SpridarModell = c.SpridarModell;
    values.SpridarInstallning = c.SpridarInstallning;
    values.ArbetsbreddText = QStringLiteral("1 m");
    values.GodselFabrikat = c.GodselFabrikat;
    values.GodselMedel = c.GodselMedel;
    values.Produktionsplats = c.Produktionsplats;
    values.ABredd = c.ABredd;
    values.Backuppstallning = c.Backuppstallning;
    values.Pattern = c.Pattern;
    values.Units = c.Units;
    values.Record = c.Record;
    const QByteArray file = WriteTestFile(values);
    const qsizetype unitLines = (c.Units.trayArea ? 1 : 0) + (c.Units.unit ? 1 : 0) + (c.Units.density ? 1 : 0) + (c.Units.target ? 1 : 0);
    const TestRecord& r = c.Record;
    const qsizetype recordLines = !r.date.empty() + !r.customer.empty() + !r.tester.empty() + r.speedKmh.has_value() +
                                  r.rpm.has_value() + r.windMs.has_value() + !r.note.empty();
    const qsizetype lines = testfile::LineCount + (c.Pattern == DrivingPattern::Racetrack ? 1 : 0) + (c.Kit ? 3 : 0) +
                            unitLines + recordLines;
    Require(file.count("\r\n") == lines && file.count('\r') == lines);
    Require(file.count('\n') == lines && !file.contains('\x1A'));

    bool isTestFile = false;
    const TestFileReadResult again = Read(file, &isTestFile);
    Require(isTestFile);
    const auto* d = std::get_if<TestFileContents>(&again);
    Require(d != nullptr);
    Require(d->TrayValues.size() == TraysOf(c) && d->Kit.has_value() == c.Kit.has_value());
    if (c.Kit) Require(d->Kit->positions == c.Kit->positions && d->Kit->search == c.Kit->search);
    for (qsizetype i = 0; i < c.TrayValues.size(); ++i) Require(d->TrayValues[i] == c.TrayValues[i]);
    Require(d->SpridarFabrikat == AsWritten(c.SpridarFabrikat) && d->SpridarModell == AsWritten(c.SpridarModell));
    Require(d->SpridarInstallning == AsWritten(c.SpridarInstallning));
    Require(d->GodselFabrikat == AsWritten(c.GodselFabrikat) && d->GodselMedel == AsWritten(c.GodselMedel));
    Require(d->Produktionsplats == AsWritten(c.Produktionsplats));
    Require(d->ABredd == c.ABredd && d->Backuppstallning == c.Backuppstallning && d->Pattern == c.Pattern);
    Require(d->Units == c.Units);
    TestRecord written = c.Record;
    for (std::string* text : {&written.customer, &written.tester, &written.note})
        *text = AsWritten(QString::fromStdString(*text)).toStdString();
    Require(d->Record == written);
}

// The sheet the window would make of it can be evaluated whatever the file held.
void CheckEvaluation(const TestFileContents& c) {
    // A file with fewer amounts than trays is refused, and only such a file.
    const auto amounts = CompleteTrayAmounts(c);
    Require(std::holds_alternative<TestFileError>(amounts) == (c.TrayValues.size() < TraysOf(c)));
    if (!std::holds_alternative<TrayAmounts>(amounts)) return;
    TNewTabSheet sheet;
    FillSheetFromTestFile(sheet, c, std::get<TrayAmounts>(amounts));
    Require(sheet.GetTrayCount() == TraysOf(c));
    CalculateSheet(sheet, c.ABredd % 2 ? YScalePercent : YScaleValue);
    Require(sheet.GetCalcWidth() == c.ABredd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    bool isTestFile = false;
    const TestFileReadResult read = Read(bytes, &isTestFile);
    if (const auto* error = std::get_if<TestFileError>(&read)) {
        Require(error->kind != TestFileError::Kind::ReadFailed);
        // Only a line too long to hold, after the twelfth, separates the two answers.
        if (size <= static_cast<std::size_t>(testfile::MaxLineBytes))
            Require((error->kind == TestFileError::Kind::NotATestFile) == !isTestFile);
        if (error->kind == TestFileError::Kind::BadUnit) Require(error->message.startsWith(QStringLiteral("rad ")));
        if (error->kind == TestFileError::Kind::NotAnInteger) {
            Require(!ParseWholeNumber(error->text));
            Require(error->message == NotAValidIntegerMessage(error->text));
        }
    } else {
        const auto& contents = std::get<TestFileContents>(read);
        Require(isTestFile);
        CheckContents(contents);
        CheckRewrite(contents);
        CheckEvaluation(contents);
    }

    // The public splitter on the whole input as one line of text.
    for (const QString& field : SplitFields(DecodeCp1252(bytes.left(256))))
        Require(!field.isEmpty() && !field.contains(u',') && !field.contains(u' '));
    return 0;
}
