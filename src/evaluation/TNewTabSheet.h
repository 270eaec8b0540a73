// One open spreader test: the tray amounts and positions of its kit (26 trays
// in the built-in layouts, 2 to 100 in an own kit), the description of the
// test, its working width and layout, and every result the evaluation derives
// from them. The main window shows one sheet per tab; the sheet itself knows
// nothing of windows.
//
// Tray arrays are indexed 1..GetTrayCount() and the VK curve 1..101
// (half-metres) at every interface. An index outside those ranges reads 0 and
// writes nowhere, so a damaged value from a file can never reach outside the arrays.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <optional>
#include <utility>
#include <vector>

#include "SheetUnits.h"
#include "TestRecord.h"
#include "TrayLayout.h"

namespace kaldoventri {

// How the overlap of a neighbour pass is found for each own tray. Both give
// identical results for ascending tray positions; `FullScan` is the plain
// search from the first neighbour tray for every own tray and serves as the
// reference in tests and benchmarks.
enum class OverlapScan { Merged, FullScan };

class TNewTabSheet {
public:
    TNewTabSheet() = default;

    // Component name ("Blad" + number) and the published property that nothing uses.
    void SetName(std::string name) { Name = std::move(name); }
    const std::string& GetName() const { return Name; }
    int WindowNr = 0;

    bool GetOwnPassReversed() const { return OwnPassReversed; }
    bool GetLeftPassReversed() const { return LeftPassReversed; }
    bool GetRightPassReversed() const { return RightPassReversed; }
    void ToggleLeftPassReversed() { LeftPassReversed = !LeftPassReversed; }
    void ToggleRightPassReversed() { RightPassReversed = !RightPassReversed; }

    void SetMouse(std::int32_t x, std::int32_t y) { MouseX = x; MouseY = y; }
    std::int32_t GetMouseX() const { return MouseX; }
    std::int32_t GetMouseY() const { return MouseY; }

    double GetYScaleFactor() const { return YScaleFactor; }

    void SetTrayCount(std::int32_t n) { TrayCountField = n; }
    // The number of trays of the sheet's kit (26 for the built-in layouts),
    // whatever the field holds.
    std::int32_t GetTrayCount() const { return Trays; }

    // The kit: layout code (0, 1, or 2 for an own kit), tray count (brought
    // into 2..100), and an own kit's name and optimum search range. Amounts
    // and positions of trays the kit gains start at 0; the caller places them.
    void SetKit(int layout, int trays, std::string name, WidthRange search);
    const std::string& GetKitName() const { return KitName; }
    WidthRange GetOwnSearchRange() const { return OwnSearch; }

    void SetYAxisMax(std::int32_t v) { YAxisMax = v; }
    std::int32_t GetYAxisMax() const { return YAxisMax; }

    void SetCalcWidth(std::int32_t halfMetres) { CalcWidth = halfMetres; }
    std::int32_t GetCalcWidth() const { return CalcWidth; }
    void SetEvaluationSettings(std::int32_t calcWidth, std::int32_t percentScale) {
        CalcWidth = calcWidth;
        PercentScale = percentScale;
    }
    std::int32_t GetPercentScale() const { return PercentScale; }

    void SetOptimum(double widthMetres, double vk) {
        OptimalWidth = widthMetres;
        OptimalVK = vk;
        OptimumFound = true;
    }
    // No width of the search range has a VK: width and VK read 0 and are no optimum.
    void ClearOptimum() {
        OptimalWidth = 0.0;
        OptimalVK = 0.0;
        OptimumFound = false;
    }
    double GetOptimalWidth() const { return OptimalWidth; }
    double GetOptimalVK() const { return OptimalVK; }
    bool HasOptimum() const { return OptimumFound; }

    void SetTitle(std::string title) { Title = std::move(title); }
    const std::string& GetTitle() const { return Title; }

    // A VK stored by hand counts as computed; the evaluation says which of
    // its VKs could not be computed (those read 0 and are no perfect result).
    void SetVK(int index, double vk, bool computed = true);
    double GetVK(int index) const;
    // False outside 1..101 and for entries no evaluation or SetVK has stored.
    bool GetVKComputed(int index) const;

    // Units, tray area and target; a sheet without them looks as it always did.
    void SetUnits(const SheetUnits& units) { Units = units; }
    const SheetUnits& GetUnits() const { return Units; }
    // Date, customer, tester and conditions; none for an older test.
    void SetRecord(const TestRecord& record) { Record = record; }
    const TestRecord& GetRecord() const { return Record; }

    // For the mean of replicates: per tray the variance of that mean (the
    // replicates' sample variance over their count), in amount units squared.
    // Empty for a sheet that was typed in or read from a file.
    void SetReplicateVariance(std::vector<double> variance) { ReplicateVariance = std::move(variance); }
    double GetReplicateVariance(int index) const;
    bool HasReplicates() const { return !ReplicateVariance.empty(); }

    // The standard uncertainty of the VK at a width (percentage points), where
    // the evaluation could give one; none outside 1..101.
    void SetVKUncertainty(int index, std::optional<double> u);
    std::optional<double> GetVKUncertainty(int index) const;
    // Nearly every sheet holds none, so clearing costs nothing then.
    void ClearVKUncertainty() {
        if (HoldsVKUncertainty) VKUncertaintyCurve.fill(-1.0);
        HoldsVKUncertainty = false;
    }

    void SetTrayAmount(std::int32_t value, int index);
    std::int32_t GetTrayAmount(int index) const;
    std::int32_t GetLeftOverlap(int index) const;
    std::int32_t GetRightOverlap(int index) const;
    // What the passes beyond the neighbours put on the tray, at a width where
    // any of them reaches the middle strip; 0 at every other width.
    std::int64_t GetFurtherOverlap(int index) const;
    // The sum curve: amount plus both overlaps and the further passes. Held
    // in 64 bits because three 32-bit amounts do not fit in 32.
    std::int64_t GetTraySum(int index) const;

    void SetTrayPosition(int index, double metres);
    double GetTrayPosition(int index) const;
    double GetLeftPosition(int index) const;
    double GetRightPosition(int index) const;

    void SetDescription(std::string godselFabrikat, std::string spridarFabrikat, std::string godselMedel,
                        std::string spridarModell, std::int32_t backuppstallning, std::int32_t aBredd,
                        std::string spridarInstallning, std::string produktionsplats);
    const std::string& GetGodselFabrikat() const { return GodselFabrikat; }
    const std::string& GetGodselMedel() const { return GodselMedel; }
    const std::string& GetProduktionsplats() const { return Produktionsplats; }
    const std::string& GetSpridarFabrikat() const { return SpridarFabrikat; }
    const std::string& GetSpridarModell() const { return SpridarModell; }
    const std::string& GetSpridarInstallning() const { return SpridarInstallning; }
    // Where a sheet came from when it was not typed in: "Medelvärde av Blad1,
    // Blad2" for the mean of replicates; empty otherwise.
    void SetOrigin(std::string origin) { Origin = std::move(origin); }
    const std::string& GetOrigin() const { return Origin; }

    void SetABredd(std::int32_t halfMetres) { ABredd = halfMetres; }
    std::int32_t GetABredd() const { return ABredd; }
    std::int32_t GetBackuppstallning() const { return Backuppstallning; }

    // --- Evaluation at the working width `CalcWidth` (SheetEvaluation.cpp) ---
    void PlaceNeighbours();
    void OverlapLeft(OverlapScan scan = OverlapScan::Merged);
    void OverlapRight(OverlapScan scan = OverlapScan::Merged);
    // Fills the further passes' share of every tray at the current width.
    void OverlapFurther(OverlapScan scan = OverlapScan::Merged);
    void ResetNeighbourPositions();
    void ComputeVK(int index);
    // Rounded mean of the sum curve over the middle strip; 0 when the strip is empty.
    std::int64_t NormalLevel() const;
    void EvaluateWidth(OverlapScan scan = OverlapScan::Merged);

private:
    // Room for the largest kit.
    static constexpr std::size_t TrayRoom = 100;
    using Positions = std::array<double, TrayRoom>;

    void Overlap(const Positions& neighbourPosition, bool reversed, std::array<std::int32_t, TrayRoom>& overlap,
                 OverlapScan scan) const;
    void ScaleYAxis(std::int64_t peak);
    bool InMiddleStrip(int trayIndex0) const;

    std::string Name;

    bool OwnPassReversed = false;
    bool LeftPassReversed = false;
    bool RightPassReversed = false;
    std::int32_t MouseX = 0;
    std::int32_t MouseY = 0;
    double YScaleFactor = 0.0;
    std::int32_t TrayCountField = 0;
    std::int32_t Trays = TrayCount;
    std::int32_t YAxisMax = 0;
    std::int32_t CalcWidth = 0;
    std::int32_t PercentScale = 0;
    double OptimalWidth = 0.0;
    double OptimalVK = 0.0;
    bool OptimumFound = false;
    std::string Title;
    std::array<double, MaxCurveWidth> VKCurve{};  // entry i-1 holds the VK at i half-metres
    std::array<bool, MaxCurveWidth> VKComputed{};
    std::array<double, MaxCurveWidth> VKUncertaintyCurve = [] {  // negative: none
        std::array<double, MaxCurveWidth> none;
        none.fill(-1.0);
        return none;
    }();
    bool HoldsVKUncertainty = false;  // set by any SetVKUncertainty since the last clearing
    SheetUnits Units;
    TestRecord Record;
    std::vector<double> ReplicateVariance;
    // Per-tray storage, tray 1 at element 0; trays 1..Trays are used.
    std::array<std::int32_t, TrayRoom> TrayAmount{};
    std::array<std::int32_t, TrayRoom> LeftOverlap{};
    std::array<std::int32_t, TrayRoom> RightOverlap{};
    std::array<std::int64_t, TrayRoom> FurtherOverlap{};
    std::array<std::int64_t, TrayRoom> TraySum{};
    Positions TrayPosition{};
    Positions LeftPosition{};
    Positions RightPosition{};
    std::string GodselFabrikat;
    std::string GodselMedel;
    std::string Produktionsplats;
    std::string SpridarFabrikat;
    std::string SpridarModell;
    std::int32_t ABredd = 0;
    std::int32_t Backuppstallning = 0;
    std::string SpridarInstallning;
    std::string Origin;
    std::string KitName;
    WidthRange OwnSearch{FirstCurveWidth, FirstCurveWidth};
};

}  // namespace kaldoventri
