// Conversions of a sheet's units.
#include "SheetUnits.h"

#include <cmath>

namespace kaldoventri {

namespace {

bool Positive(const std::optional<double>& v) { return !v || (std::isfinite(*v) && *v > 0.0); }

}  // namespace

std::optional<double> GramsPerUnit(const SheetUnits& units) {
    if (!units.unit || UnitsProblem(units)) return std::nullopt;
    if (units.unit->kind == AmountKind::Mass) return units.unit->size;
    // ml × kg/l = g
    return units.unit->size * *units.density;
}

std::optional<double> KgPerHaPerUnit(const SheetUnits& units) {
    const auto grams = GramsPerUnit(units);
    if (!grams || !units.trayArea) return std::nullopt;
    return *grams * 10 / *units.trayArea;
}

std::optional<const char*> UnitsProblem(const SheetUnits& units) {
    if (!Positive(units.trayArea)) return "Backytan måste vara ett positivt tal.";
    if (units.unit && !Positive(units.unit->size)) return "Enheten måste vara ett positivt tal.";
    if (!Positive(units.density)) return "Densiteten måste vara ett positivt tal.";
    if (!Positive(units.target)) return "Målgivan måste vara ett positivt tal.";
    const bool volume = units.unit && units.unit->kind == AmountKind::Volume;
    if (units.density && !volume) return "Densitet anges bara när enheten är ml.";
    if (volume && !units.density) return "Med enheten ml behövs gödselmedlets densitet i kg/l.";
    return std::nullopt;
}

}  // namespace kaldoventri
