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
    const QCommandLineOption archive(QStringLiteral("archive"), QString(), QStringLiteral("ARKIV"));
    const QCommandLineOption compare(QStringLiteral("compare"));
    const QCommandLineOption import(QStringLiteral("import"));
    const QCommandLineOption list(QStringLiteral("list"));
    const QCommandLineOption from(QStringLiteral("from"), QString(), QStringLiteral("DATUM"));
    const QCommandLineOption to(QStringLiteral("to"), QString(), QStringLiteral("DATUM"));
    const QCommandLineOption help(QStringLiteral("help"));
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({report, csv, xlsx, fieldMap, compare, archive, import, list, from, to, help, version});
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
    line.archive = parser.value(archive);
    line.compare = parser.isSet(compare);
    if (line.compare && (parser.isSet(import) || parser.isSet(list)))
        return UsageError(QStringLiteral("--compare jämför provfiler, inte arkivet."));
    if (parser.isSet(archive) && line.archive.isEmpty()) return UsageError(QStringLiteral("Inget arkiv angivet efter --archive."));
    if (parser.isSet(import) && parser.isSet(list)) return UsageError(QStringLiteral("--import och --list går inte att ge samtidigt."));
    if (parser.isSet(import)) {
        if (parser.isSet(report) || parser.isSet(csv) || parser.isSet(xlsx) || parser.isSet(fieldMap))
            return UsageError(QStringLiteral("--import skriver inga utfiler."));
        if (line.files.isEmpty()) return UsageError(QStringLiteral("Inga provfiler eller mappar angivna."));
        line.mode = CommandLine::Mode::ArchiveImport;
        return line;
    }
    if (parser.isSet(list)) {
        for (const auto& [option, date] : {std::pair{&from, &line.from}, std::pair{&to, &line.to}}) {
            if (!parser.isSet(*option)) continue;
            *date = QDate::fromString(parser.value(*option), Qt::ISODate);
            if (!date->isValid())
                return UsageError(QStringLiteral("Felaktigt datum efter --%1: %2 (skriv ÅÅÅÅ-MM-DD).")
                                      .arg(option->names().first(), parser.value(*option)));
        }
        if (line.files.size() > 1) return UsageError(QStringLiteral("--list tar högst ett sökord."));
        line.listWord = line.files.value(0);
        line.files.clear();
        if (line.reportPath.isEmpty() && line.csvPath.isEmpty() && line.xlsxPath.isEmpty())
            return UsageError(QStringLiteral("--list behöver --csv, --xlsx eller --report."));
        if (parser.isSet(fieldMap)) return UsageError(QStringLiteral("--field-map ritar en provfil, inte arkivet."));
        line.mode = CommandLine::Mode::ArchiveList;
        return line;
    }
    if (parser.isSet(archive) || parser.isSet(from) || parser.isSet(to))
        return UsageError(QStringLiteral("--archive, --from och --to hör till --import och --list."));
    if (parser.isSet(report) || parser.isSet(csv) || parser.isSet(xlsx) || parser.isSet(fieldMap)) {
        if ((parser.isSet(report) && line.reportPath.isEmpty()) || (parser.isSet(csv) && line.csvPath.isEmpty()) ||
            (parser.isSet(xlsx) && line.xlsxPath.isEmpty()) || (parser.isSet(fieldMap) && line.fieldMapPath.isEmpty()))
            return UsageError(QStringLiteral("Ingen utfil angiven."));
        if (line.files.isEmpty()) return UsageError(QStringLiteral("Inga provfiler angivna."));
        if (parser.isSet(fieldMap) && line.files.size() != 1)
            return UsageError(QStringLiteral("--field-map ritar fältbilden av en provfil, inte %1.").arg(line.files.size()));
        line.mode = CommandLine::Mode::Batch;
    }
    if (line.compare) {
        if (line.mode != CommandLine::Mode::Batch || parser.isSet(xlsx) || parser.isSet(fieldMap))
            return UsageError(QStringLiteral("--compare skriver --csv eller --report."));
        if (line.files.size() < 2 || line.files.size() > 4)
            return UsageError(QStringLiteral("--compare jämför 2 till 4 prov, inte %1.").arg(line.files.size()));
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
        "            Kaldoventri --compare --csv UT.csv|- A.vkf B.vkf [C.vkf D.vkf]\n"
        "            Kaldoventri --compare --report UT.pdf A.vkf B.vkf [C.vkf D.vkf]\n"
        "            Kaldoventri [--archive ARKIV] --import FIL.vkf|MAPP ...\n"
        "            Kaldoventri [--archive ARKIV] --list [SÖKORD] [--from ÅÅÅÅ-MM-DD] [--to ÅÅÅÅ-MM-DD]\n"
        "                        --csv UT.csv|- | --xlsx UT.xlsx | --report UT.pdf\n"
        "\n"
        "Utan flaggor startar programmet som vanligt och öppnar filerna som blad.\n"
        "\n"
        "  --report UT.pdf  skriver en rapport (PDF, A4) över proven i filerna\n"
        "  --csv UT.csv     skriver en tabell (CSV) över proven; - skriver till standard ut\n"
        "  --xlsx UT.xlsx   skriver samma tabell som Excel-arbetsbok (xlsx)\n"
        "  --field-map UT.png\n"
        "                   ritar provets fältbild vid dess arbetsbredd (PNG, 1600 x 700)\n"
        "  --compare        jämför 2 till 4 prov med det första: tabellen får kolumnerna\n"
        "                   för skillnaden i VK (%-enheter), optimal bredd (m) och giva\n"
        "                   (%), rapporten börjar med en jämförelsesida\n"
        "  --import         lägger provfilerna, och alla .vkf i mapparna, i provarkivet\n"
        "  --list [SÖKORD]  tar ut arkivets prov som tabell eller rapport, nyaste först;\n"
        "                   SÖKORD söks i provets texter och filnamn\n"
        "  --archive ARKIV  en SQLite-fil eller postgresql://användare@värd:port/databas;\n"
        "                   utan den används ditt eget provarkiv\n"
        "  --help           visar den här texten\n"
        "  --version        visar programmets version\n"
        "\n"
        "Med --report, --csv, --xlsx, --field-map eller --compare visas inget fönster. En utfil skrivs\n"
        "hel eller inte alls, aldrig över en provfil och inte när inget prov kunde läsas.\n"
        "Slutstatus: 0 när alla filer lästes, 1 när någon fil inte kunde läsas eller\n"
        "en utfil inte kunde skrivas, 2 vid felaktigt anrop eller en utfil som är en\n"
        "provfil, eller när --compare inte får 2 till 4 läsbara prov.\n");
}

QString VersionText() { return QStringLiteral("Kaldoventri " KALDOVENTRI_VERSION); }

}  // namespace kaldoventri
