// The real executable's batch run, started without a display (no DISPLAY, no
// platform chosen): exit statuses, the lines naming refused files, and the
// outputs written for the files that went in.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kaldoventri {
namespace {

struct BatchCase {
    const char* name;
    QStringList arguments;
    int status;
    QString standardError;  // exact, or its beginning when it ends in "…"
    int pdfPages;           // 0: no report may exist
    int csvLines;           // lines of out.csv or of standard output; 0: none
    bool oldOutputs = false;  // out.pdf and out.csv exist before the run and must stay as they were
};

void PrintTo(const BatchCase& c, std::ostream* out) { *out << c.name; }

QByteArray Sample() {
    QFile file(QStringLiteral(KALDOVENTRI_SAMPLE_TEST_FILE));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class BatchRunTest : public testing::TestWithParam<BatchCase> {};

TEST_P(BatchRunTest, StatusMessagesAndOutputs) {
    const BatchCase& c = GetParam();
    QTemporaryDir dir;
    const auto write = [&dir](const char* name, const QByteArray& bytes) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write("good.vkf", Sample());
    write("racetrack.vkf", Sample() + "K\xF6rm\xF6nster,Varv\r\n");
    write("notatest.txt", "Hej\r\n");
    // A tray line short of 26 values: refused as "Öppna" refuses it.
    write("short.vkf", Sample().replace(",13,6\r\n", "\r\n"));
    write("copy.dat", Sample());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QByteArray old = "gammal";
    if (c.oldOutputs) {
        write("out.pdf", old);
        write("out.csv", old);
    }

    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString());
    environment.insert(QStringLiteral("LANG"), QStringLiteral("sv_SE.UTF-8"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(KALDOVENTRI_EXECUTABLE), c.arguments);
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), c.status);

    const QString standardError = QString::fromUtf8(program.readAllStandardError());
    const bool beginning = c.standardError.endsWith(QStringLiteral("…"));
    EXPECT_EQ((beginning ? standardError.left(c.standardError.size() - 1) + QStringLiteral("…") : standardError).toStdString(),
              c.standardError.toStdString());

    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {dir.filePath(QStringLiteral("out.pdf"))});
    info.waitForFinished();
    const QString pdf = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_EQ(pdf.contains(QStringLiteral("Pages:           %1\n").arg(c.pdfPages)), c.pdfPages > 0) << pdf.toStdString();

    QFile csvFile(dir.filePath(QStringLiteral("out.csv")));
    const QByteArray csv = c.arguments.contains(QStringLiteral("-")) ? program.readAllStandardOutput()
                           : csvFile.open(QIODevice::ReadOnly)      ? csvFile.readAll()
                                                                    : QByteArray();
    // Test files are never written, and outputs not made stay as they were.
    for (const char* name : {"good.vkf", "copy.dat"}) {
        QFile input(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly));
        EXPECT_EQ(input.readAll(), Sample()) << name;
    }
    if (c.oldOutputs) {
        QFile report(dir.filePath(QStringLiteral("out.pdf")));
        EXPECT_TRUE(report.open(QIODevice::ReadOnly) && report.readAll() == old);
        EXPECT_EQ(csv, old);
    }
    if (!c.oldOutputs) {
        EXPECT_EQ(csv.count("\r\n"), c.csvLines);
    }
    if (c.csvLines > 0) {
        EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF" "Fil;")) << csv.left(40).toStdString();
        EXPECT_TRUE(csv.contains("\r\ngood.vkf;Amazone;ZA-M;18;NS27-4;Yara;12 m;12;Fram och tillbaka;2,2;Mycket bra;"));
        // The sum at 12 m: 1.06 times as much at the tramline as midway, an even pattern.
        EXPECT_TRUE(csv.contains(";J\xC3\xA4mnt;1,06\r\n")) << csv.right(80).toStdString();
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5 + (c.pdfPages > 0 || c.oldOutputs) + csvFile.exists());
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, BatchRunTest,
    testing::Values(
        BatchCase{"refused_files_are_named_and_the_rest_reported",
                  {"--report", "out.pdf", "--csv", "out.csv", "missing.vkf", "notatest.txt", "good.vkf"},
                  1, "missing.vkf: filen finns inte\nnotatest.txt är ingen Kaldoventrifil!\n", 2, 2},
        BatchCase{"all_files_in", {"--csv", "-", "--report", "out.pdf", "good.vkf", "racetrack.vkf"}, 0, "", 3, 3},
        BatchCase{"short_tray_line", {"--csv", "out.csv", "short.vkf", "good.vkf"},
                  1, "short.vkf: raden Normal har för få värden\n", 0, 2},
        BatchCase{"output_folder_missing", {"--report", "nowhere/out.pdf", "good.vkf"},
                  1, "nowhere/out.pdf: mappen finns inte\n", 0, 0},
        BatchCase{"folder_given", {"--csv", "out.csv", "folder", "good.vkf"}, 1, "folder: är en mapp, ingen fil\n", 0, 2},
        BatchCase{"output_name_forgotten", {"--csv", "good.vkf", "racetrack.vkf"},
                  2, "Utfilen good.vkf efter --csv har en provfils ändelse .vkf. Ingenting har skrivits.\n", 0, 0},
        BatchCase{"output_is_an_input", {"--report", "copy.dat", "copy.dat", "good.vkf"},
                  2, "Utfilen copy.dat efter --report är en av provfilerna (glömdes utfilens namn?). Ingenting har skrivits.\n", 0, 0},
        BatchCase{"workbook_name_forgotten", {"--xlsx", "good.vkf", "racetrack.vkf"},
                  2, "Utfilen good.vkf efter --xlsx har en provfils ändelse .vkf. Ingenting har skrivits.\n", 0, 0},
        BatchCase{"workbook_is_an_input", {"--xlsx", "copy.dat", "copy.dat", "good.vkf"},
                  2, "Utfilen copy.dat efter --xlsx är en av provfilerna (glömdes utfilens namn?). Ingenting har skrivits.\n", 0, 0},
        BatchCase{"workbook_is_the_table", {"--csv", "t.out", "--xlsx", "./t.out", "good.vkf"},
                  2, "Två utfiler kan inte skrivas till samma fil t.out. Ingenting har skrivits.\n", 0, 0},
        BatchCase{"output_is_a_test_file", {"--report", "copy.dat", "good.vkf"},
                  2, "Utfilen copy.dat efter --report är en provfil, som inte skrivs över. Ingenting har skrivits.\n", 0, 0},
        BatchCase{"no_test_read_leaves_old_outputs", {"--report", "out.pdf", "--csv", "out.csv", "notatest.txt"},
                  1, "notatest.txt är ingen Kaldoventrifil!\nInget prov kunde läsas; ingen utfil har skrivits.\n", 0, 0, true},
        BatchCase{"unknown_option", {"--rapport", "out.pdf", "good.vkf"}, 2, "Okänd flagga: rapport\n\nAnvändning…", 0, 0},
        BatchCase{"no_output_named", {"good.vkf", "--report"}, 2, "Felaktigt anrop: …", 0, 0},
        BatchCase{"no_input_file", {"--csv", "out.csv"}, 2, "Inga provfiler angivna.\n\nAnvändning…", 0, 0},
        BatchCase{"field_map_of_two_tests", {"--field-map", "map.png", "good.vkf", "racetrack.vkf"},
                  2, "--field-map ritar fältbilden av en provfil, inte 2.\n\nAnvändning…", 0, 0},
        BatchCase{"compare_report", {"--compare", "--report", "out.pdf", "good.vkf", "racetrack.vkf"}, 0, "", 4, 0},
        BatchCase{"compare_one_test", {"--compare", "--csv", "out.csv", "good.vkf"},
                  2, "--compare jämför 2 till 4 prov, inte 1.\n\nAnvändning…", 0, 0},
        BatchCase{"compare_five_tests",
                  {"--compare", "--csv", "-", "good.vkf", "racetrack.vkf", "copy.dat", "good.vkf", "racetrack.vkf"},
                  2, "--compare jämför 2 till 4 prov, inte 5.\n\nAnvändning…", 0, 0},
        BatchCase{"compare_one_readable", {"--compare", "--csv", "out.csv", "good.vkf", "notatest.txt"},
                  2, "notatest.txt är ingen Kaldoventrifil!\n--compare jämför 2 till 4 prov, men 1 kunde läsas; ingen utfil har skrivits.\n", 0, 0},
        BatchCase{"field_map_over_a_test_file", {"--field-map", "copy.dat", "good.vkf"},
                  2, "Utfilen copy.dat efter --field-map är en provfil, som inte skrivs över. Ingenting har skrivits.\n", 0, 0}),
    [](const testing::TestParamInfo<BatchCase>& info) { return std::string(info.param.name); });

// The field map of one test: a 1600 x 700 picture whose bands show the
// colours of the map, the white of an even field among them.
TEST(BatchFieldMap, WritesThePicture) {
    QTemporaryDir dir;
    QFile test(dir.filePath(QStringLiteral("good.vkf")));
    ASSERT_TRUE(test.open(QIODevice::WriteOnly));
    test.write(Sample());
    test.close();
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir.path());
    program.start(QStringLiteral(KALDOVENTRI_EXECUTABLE), {QStringLiteral("--field-map"), QStringLiteral("map.png"),
                                                           QStringLiteral("good.vkf")});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    const QImage picture(dir.filePath(QStringLiteral("map.png")));
    ASSERT_EQ(picture.size(), QSize(1600, 700));
    // The middle of the first band, halfway between two tramlines: 95–105 %.
    EXPECT_EQ(picture.pixelColor(600, 220), QColor(250, 250, 250));
}

}  // namespace
}  // namespace kaldoventri
