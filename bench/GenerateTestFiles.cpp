// Writes varied test files for the report benchmark through the program's own
// writer: peaked, flat, lopsided and ragged spread patterns, both layouts,
// every working width, both driving patterns, descriptions with Swedish letters.
//   generate_test_files FOLDER COUNT [SEED]
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>
#include <random>

#include "RandomSheets.h"
#include "files/TestFileWriter.h"

using namespace kaldoventri;
using kaldoventri::bench::RandomSheet;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("generate_test_files FOLDER COUNT [SEED]\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int count = std::atoi(argv[2]);
    std::mt19937 random(argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1u);
    if (!QDir().mkpath(folder)) return 1;
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    for (int i = 1; i <= count; ++i) {
        QFile file(QDir(folder).filePath(QStringLiteral("prov-%1.vkf").arg(i, 5, 10, QLatin1Char('0'))));
        if (!file.open(QIODevice::WriteOnly) || file.write(WriteTestFile(MakeTestFileValues(RandomSheet(random, i), swedish))) < 0)
            return 1;
    }
    return 0;
}
