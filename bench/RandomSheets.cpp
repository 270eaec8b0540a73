// Varied test sheets for benchmarks.
#include "RandomSheets.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "evaluation/DrivingPattern.h"
#include "evaluation/TrayLayout.h"
#include "evaluation/WorkingWidth.h"

namespace kaldoventri::bench {

TNewTabSheet RandomSheet(std::mt19937& random, int number, bool record) {
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
    if (record) {
        const char* customers[] = {"Gård Åsa", "Lantbruk Östra", "Berga gård", "Nilsson", "Ängby"};
        char date[11];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", pick(2020, 2026), pick(3, 10), pick(1, 28));
        sheet.SetRecord(TestRecord{date, customers[pick(0, 4)], "Provare " + std::to_string(pick(1, 9)),
                                   std::nullopt, std::nullopt, std::nullopt, {}});
    }
    return sheet;
}


}  // namespace kaldoventri::bench
