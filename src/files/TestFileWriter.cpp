// The writer of the twelve lines.
#include "TestFileWriter.h"

#include "Cp1252.h"
#include "TestFileFormat.h"
#include "display/LocaleText.h"

namespace kaldoventri {

namespace {

void AppendLine(QByteArray& out, QByteArrayView key, QStringView value) {
    out.append(key);
    out.append(',');
    out.append(EncodeCp1252(value));
    out.append(testfile::LineEnd);
}

}  // namespace

TestFileValues MakeTestFileValues(const TNewTabSheet& sheet, const QLocale& locale) {
    TestFileValues values;
    for (int tray = 1; tray <= TrayCount; ++tray)
        values.TrayTexts[static_cast<std::size_t>(tray - 1)] = QString::number(sheet.GetTrayAmount(tray));
    values.SpridarFabrikat = QString::fromStdString(sheet.GetSpridarFabrikat());
    values.SpridarModell = QString::fromStdString(sheet.GetSpridarModell());
    values.SpridarInstallning = QString::fromStdString(sheet.GetSpridarInstallning());
    values.ArbetsbreddText = WidthText(sheet.GetABredd(), locale);
    values.GodselFabrikat = QString::fromStdString(sheet.GetGodselFabrikat());
    values.GodselMedel = QString::fromStdString(sheet.GetGodselMedel());
    values.Produktionsplats = QString::fromStdString(sheet.GetProduktionsplats());
    values.ABredd = sheet.GetABredd();
    values.Backuppstallning = sheet.GetBackuppstallning();
    values.Pattern = DrivingPatternOf(sheet);
    values.Origin = QString::fromStdString(sheet.GetOrigin());
    return values;
}

QByteArray WriteTestFile(const TestFileValues& values) {
    using namespace testfile;
    QByteArray out;
    out.reserve(1024);
    out.append(MagicLine);
    out.append(LineEnd);

    out.append(KeyNormal);
    for (const QString& text : values.TrayTexts) {
        out.append(',');
        out.append(EncodeCp1252(text));
    }
    out.append(LineEnd);

    AppendLine(out, KeySpridarFabrikat, values.SpridarFabrikat);
    AppendLine(out, KeySpridarModell, values.SpridarModell);
    AppendLine(out, KeySpridarInstallning, values.SpridarInstallning);
    AppendLine(out, KeyArbetsbredd, values.ArbetsbreddText);
    AppendLine(out, KeyGodselFabrikat, values.GodselFabrikat);
    AppendLine(out, KeyGodselMedel, values.GodselMedel);
    AppendLine(out, KeyProduktionsplats, values.Produktionsplats);
    out.append(SeparatorLine);
    out.append(LineEnd);
    AppendLine(out, KeyABredd, QString::number(values.ABredd));
    AppendLine(out, KeyBackuppstallning, QString::number(values.Backuppstallning));
    if (values.Pattern == DrivingPattern::Racetrack) {
        out.append(KeyKormonster);
        out.append(',');
        out.append(RacetrackValue);
        out.append(LineEnd);
    }
    if (!values.Origin.isEmpty()) AppendLine(out, KeyUrsprung, values.Origin);
    return out;
}

}  // namespace kaldoventri
