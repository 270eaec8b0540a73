// The command line, read with QCommandLineParser; the texts are the program's own Swedish.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace kaldoventri {

namespace {

// QCommandLineParser words its errors in English; the program speaks Swedish.
QString SwedishParseError(const QString& error) {
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto found = missing.match(error); found.hasMatch())
        return QStringLiteral("värdet saknas efter %1.").arg(found.captured(1));
    if (const auto found = unexpected.match(error); found.hasMatch())
        return QStringLiteral("oväntat värde efter %1.").arg(found.captured(1));
    return error;
}

CommandLine UsageError(QString error) {
    CommandLine line;
    line.mode = CommandLine::Mode::UsageError;
    line.error = std::move(error);
    return line;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption report(QStringLiteral("report"), QString(), QStringLiteral("UT.pdf"));
    const QCommandLineOption csv(QStringLiteral("csv"), QString(), QStringLiteral("UT.csv"));
    const QCommandLineOption xlsx(QStringLiteral("xlsx"), QString(), QStringLiteral("UT.xlsx"));
    const QCommandLineOption fieldMap(QStringLiteral("field-map"), QString(), QStringLiteral("UT.png"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({report, csv, xlsx, fieldMap, help, version});
    // "-" names standard output for --csv; it must not be taken for an option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) return UsageError(QStringLiteral("Okänd flagga: %1").arg(unknown.first()));
        return UsageError(QStringLiteral("Felaktigt anrop: ") + SwedishParseError(parser.errorText()));
    }

    CommandLine line;
    if (parser.isSet(help)) {
        line.mode = CommandLine::Mode::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.mode = CommandLine::Mode::Version;
        return line;
    }
    line.files = parser.positionalArguments();
    line.reportPath = parser.value(report);
    line.csvPath = parser.value(csv);
    line.xlsxPath = parser.value(xlsx);
    line.fieldMapPath = parser.value(fieldMap);
    if (parser.isSet(report) || parser.isSet(csv) || parser.isSet(xlsx) || parser.isSet(fieldMap)) {
        if ((parser.isSet(report) && line.reportPath.isEmpty()) || (parser.isSet(csv) && line.csvPath.isEmpty()) ||
            (parser.isSet(xlsx) && line.xlsxPath.isEmpty()) || (parser.isSet(fieldMap) && line.fieldMapPath.isEmpty()))
            return UsageError(QStringLiteral("Ingen utfil angiven."));
        if (line.files.isEmpty()) return UsageError(QStringLiteral("Inga provfiler angivna."));
        if (parser.isSet(fieldMap) && line.files.size() != 1)
            return UsageError(QStringLiteral("--field-map ritar fältbilden av en provfil, inte %1.").arg(line.files.size()));
        line.mode = CommandLine::Mode::Batch;
    }
    return line;
}

QString UsageText() {
    return QStringLiteral(
        "Användning: Kaldoventri [FIL.vkf ...]\n"
        "            Kaldoventri --report UT.pdf [--csv UT.csv] [--xlsx UT.xlsx] FIL.vkf ...\n"
        "            Kaldoventri --csv UT.csv FIL.vkf ...\n"
        "            Kaldoventri --xlsx UT.xlsx FIL.vkf ...\n"
        "            Kaldoventri --field-map UT.png FIL.vkf\n"
        "\n"
        "Utan flaggor startar programmet som vanligt och öppnar filerna som blad.\n"
        "\n"
        "  --report UT.pdf  skriver en rapport (PDF, A4) över proven i filerna\n"
        "  --csv UT.csv     skriver en tabell (CSV) över proven; - skriver till standard ut\n"
        "  --xlsx UT.xlsx   skriver samma tabell som Excel-arbetsbok (xlsx)\n"
        "  --field-map UT.png\n"
        "                   ritar provets fältbild vid dess arbetsbredd (PNG, 1600 x 700)\n"
        "  --help           visar den här texten\n"
        "  --version        visar programmets version\n"
        "\n"
        "Med --report, --csv, --xlsx eller --field-map visas inget fönster. En utfil skrivs\n"
        "hel eller inte alls, aldrig över en provfil och inte när inget prov kunde läsas.\n"
        "Slutstatus: 0 när alla filer lästes, 1 när någon fil inte kunde läsas eller\n"
        "en utfil inte kunde skrivas, 2 vid felaktigt anrop eller en utfil som är en\n"
        "provfil.\n");
}

QString VersionText() { return QStringLiteral("Kaldoventri " KALDOVENTRI_VERSION); }

}  // namespace kaldoventri
