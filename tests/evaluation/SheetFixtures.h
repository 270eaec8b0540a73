// Sheets used across the evaluation tests.
#pragma once

#include <array>

#include "evaluation/CalculateSheet.h"
#include "evaluation/TNewTabSheet.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri::testing {

// The sheet as "Nytt" leaves it: layout positions, amounts, both neighbours reversed.
inline TNewTabSheet MakeSheet(const std::array<int, TrayCount>& amounts, int layout, int aBredd) {
    TNewTabSheet sheet;
    sheet.SetDescription("", "", "", "", layout, aBredd, "", "");
    for (int i = 1; i <= TrayCount; ++i) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(i - 1)], i);
        sheet.SetTrayPosition(i, TrayPlacementFor(layout, i));
    }
    sheet.ToggleLeftPassReversed();
    sheet.ToggleRightPassReversed();
    return sheet;
}

inline std::array<int, TrayCount> Flat(int v) {
    std::array<int, TrayCount> a;
    a.fill(v);
    return a;
}

inline const std::array<int, TrayCount> Peaked = {6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                                  98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};

}  // namespace kaldoventri::testing
