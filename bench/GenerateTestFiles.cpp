// Writes varied test files for the report benchmark through the program's own
// writer: peaked, flat, lopsided and ragged spread patterns, both layouts,
// every working width, both driving patterns, descriptions with Swedish letters.
//   generate_test_files FOLDER COUNT [SEED]
#include <QDir>
#include <QFile>
#include <QLocale>

#include <cstdio>
#include <random>

#include "evaluation/DrivingPattern.h"
#include "files/TestFileWriter.h"

using namespace kaldoventri;

namespace {

TNewTabSheet RandomSheet(std::mt19937& random, int number) {
    const auto pick = [&random](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const char* makes[] = {"Amazone", "Bogballe", "Kuhn", "Rauch", "Väderstad"};
    const char* fertilisers[] = {"NS 27-4", "NPK 21-3-10", "Kalkammonsalpeter", "Urea"};
    const int layout = pick(0, 1);
    TNewTabSheet sheet;
    sheet.SetDescription("Yara", makes[pick(0, 4)], fertilisers[pick(0, 3)], "Modell " + std::to_string(pick(1, 99)),
                         layout, pick(NarrowestWorkingWidth, layout == Layout12m ? 52 : WidestWorkingWidth),
                         std::to_string(pick(1, 60)) + ", vänster", "Köping, prov " + std::to_string(number));
    const int shape = pick(0, 3);
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const int fromCentre = std::abs(2 * tray - TrayCount - 1);
        int amount = 100;
        if (shape == 0) amount = 110 - 4 * fromCentre;   // peaked
        if (shape == 2) amount = 40 + 3 * tray;          // lopsided
        if (shape == 3) amount = pick(0, 200);           // ragged
        sheet.SetTrayAmount(std::max(0, amount + pick(-5, 5)), tray);
    }
    SetDrivingPattern(sheet, pick(0, 4) == 0 ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth);
    return sheet;
}

}  // namespace

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
