// The writer of the twelve lines.
#include "TestFileWriter.h"

#include <charconv>

#include "Cp1252.h"
#include "RecordLines.h"
#include "TestFileFormat.h"
#include "display/LocaleText.h"
#include "evaluation/DisplayText.h"

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
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) values.TrayTexts.push_back(QString::number(sheet.GetTrayAmount(tray)));
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
    if (sheet.GetBackuppstallning() == LayoutOwn) values.Kit = KitOf(sheet);
    values.Units = sheet.GetUnits();
    values.Record = sheet.GetRecord();
    return values;
}

QByteArray WriteTestFile(const TestFileValues& values) {
    using namespace testfile;
    QByteArray out;
    out.reserve(1024);
    out.append(values.Kit ? MagicLineOwnKit : MagicLine);
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
    AppendLine(out, KeyBackuppstallning, QString::number(values.Kit ? LayoutOwn : values.Backuppstallning));
    if (values.Kit) {
        // Positions with a decimal point, whatever the locale: the file is read everywhere.
        QStringList positions;
        for (const double p : values.Kit->positions) positions << QString::fromStdString(FormatGeneral(p, "."));
        AppendLine(out, KeyBackpositioner, positions.join(QLatin1Char(',')));
        AppendLine(out, KeySokomrade,
                   QStringLiteral("%1,%2").arg(values.Kit->search.first).arg(values.Kit->search.last));
        AppendLine(out, KeyUppstallningsnamn, QString::fromStdString(values.Kit->name));
    }
    // With a decimal point, whatever the locale, in the shortest form that
    // reads back as the same number: "0.25", never a rounded neighbour.
    const auto number = [](double v) {
        char buffer[64];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
        return QString::fromLatin1(buffer, end - buffer);
    };
    const SheetUnits& units = values.Units;
    if (units.trayArea) AppendLine(out, KeyBackyta, number(*units.trayArea));
    if (units.unit)
        AppendLine(out, KeyEnhet, number(units.unit->size) + QLatin1Char(',') +
                                      QLatin1String(units.unit->kind == AmountKind::Mass ? UnitGrams : UnitMillilitres));
    if (units.density) AppendLine(out, KeyDensitet, number(*units.density));
    if (units.target) AppendLine(out, KeyMalgiva, number(*units.target));
    if (values.Pattern == DrivingPattern::Racetrack) {
        out.append(KeyKormonster);
        out.append(',');
        out.append(RacetrackValue);
        out.append(LineEnd);
    }
    if (!values.Origin.isEmpty()) AppendLine(out, KeyUrsprung, values.Origin);
    out.append(RecordLinesOf(values.Record));
    return out;
}

}  // namespace kaldoventri
