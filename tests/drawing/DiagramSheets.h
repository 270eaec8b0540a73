// Example sheets for the diagram tests: evaluated as the main window leaves
// them after "Nytt" (layout positions, both neighbours reversed).
#pragma once

#include <array>
#include <string>

#include "evaluation/CalculateSheet.h"
#include "evaluation/TNewTabSheet.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri::drawingtest {

using Amounts = std::array<int, TrayCount>;

inline const Amounts Peaked = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                               98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};

inline Amounts Flat(int v) {
    Amounts a;
    a.fill(v);
    return a;
}

inline TNewTabSheet MakeSheet(const Amounts& amounts, int layout, int aBredd, int yScaleMode = YScaleValue,
                              std::string spreader = "Bogballe", std::string fertiliser = "Yara") {
    TNewTabSheet sheet;
    sheet.SetDescription(fertiliser, spreader, "NPK 27-3-3", "L2W", layout, aBredd, "34", "Köping");
    for (int i = 1; i <= TrayCount; ++i) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(i - 1)], i);
        sheet.SetTrayPosition(i, TrayPlacementFor(layout, i));
    }
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    CalculateSheet(sheet, yScaleMode);
    return sheet;
}

}  // namespace kaldoventri::drawingtest
