// What a sheet's amounts mean: the catching area of one tray and the size of
// one amount unit (a mass, or a volume with the fertiliser's bulk density),
// and the rate the tester aims at. All optional: a sheet without them is
// evaluated and shown exactly as one of an older test. Amounts stay whole
// numbers; the unit's size is also the weighing resolution.
#pragma once

#include <optional>

namespace kaldoventri {

enum class AmountKind { Mass, Volume };  // grams or millilitres

struct AmountUnit {
    double size = 1.0;  // 0.1 for "0,1 g"
    AmountKind kind = AmountKind::Mass;

    friend bool operator==(const AmountUnit&, const AmountUnit&) = default;
};

struct SheetUnits {
    std::optional<double> trayArea;  // m² per tray
    std::optional<AmountUnit> unit;
    std::optional<double> density;  // kg/l; counts only with a volume unit
    std::optional<double> target;   // kg/ha

    friend bool operator==(const SheetUnits&, const SheetUnits&) = default;

    // True when any unit is given: only then does the program show rate,
    // uncertainty and warnings, so an older test looks as it always did.
    bool Any() const { return trayArea || unit || density || target; }
};

// Grams one amount unit stands for: the mass itself, or the volume times the
// density (1 ml at 1 kg/l is 1 g). None without a unit, or for ml without a density.
std::optional<double> GramsPerUnit(const SheetUnits& units);

// kg/ha that one amount unit in one tray stands for: g per unit × 10 / area
// (1 g/m² is 10 kg/ha). None where the area or the grams are unknown.
std::optional<double> KgPerHaPerUnit(const SheetUnits& units);

// Why the units cannot be used, in Swedish, or nothing: a value that is not a
// positive number, a density without ml, ml without a density.
std::optional<const char*> UnitsProblem(const SheetUnits& units);

}  // namespace kaldoventri
