// One line a laboratory scale sends over its serial port, and the tray amount
// it stands for. The common formats all hold one number with an optional sign,
// an optional unit (g or kg) and optional status fields:
//   "+   12.34 g", "ST,GS,+00012.34  g", "N     +     12.34 g", "12.34 g", "     12.3".
// A line marked unstable ("US", "?", any status other than a stable, gross or
// net mark), a line in another unit and a line without exactly one number are
// no reading. The number is kept as its decimal digits, so that 12.35 g in
// tenths of a gram is exactly 123.5 and rounds to 124 (halves to even).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "evaluation/SheetUnits.h"

namespace kaldoventri {

enum class ReadingUnit { Unstated, Gram, Kilogram };

struct ScaleReading {
    std::int64_t digits = 0;  // the number without its decimal point, signed
    int decimals = 0;         // digits after the point: 1234 and 2 are 12.34
    ReadingUnit unit = ReadingUnit::Unstated;

    friend bool operator==(const ScaleReading&, const ScaleReading&) = default;
};

std::optional<ScaleReading> ParseScaleLine(std::string_view line);

// The reading in grams, a reading without a unit taken in `unstated`.
double ReadingGrams(const ScaleReading& reading, ReadingUnit unstated);

// The amount the reading stands for in the sheet's amount unit (grams × 10 for
// "0,1 g", grams for "1 g" and for a sheet without a unit, millilitres for
// "1 ml" by the bulk density), rounded to a whole number with halves to even.
// None for a negative reading or one that ml without a density cannot convert.
std::optional<std::int64_t> ReadingAmount(const ScaleReading& reading, ReadingUnit unstated,
                                          const SheetUnits& units);

}  // namespace kaldoventri
