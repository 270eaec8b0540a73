// Accessors of the test sheet record. Every indexed access is checked, so no
// index (from a caller or from a damaged file) reaches outside the arrays.
#include "TNewTabSheet.h"

#include <algorithm>

namespace kaldoventri {

namespace {

bool IsCurveIndex(int index) { return index >= 1 && index <= MaxCurveWidth; }

}  // namespace


namespace {

template <typename T, std::size_t N>
T ReadTray(const std::array<T, N>& a, int index, int trays) {
    return index >= 1 && index <= trays ? a[static_cast<std::size_t>(index - 1)] : T{};
}

}  // namespace

void TNewTabSheet::SetKit(int layout, int trays, std::string name, WidthRange search) {
    const int count = std::clamp(trays, 2, static_cast<int>(TrayRoom));
    for (std::size_t i = static_cast<std::size_t>(Trays); i < static_cast<std::size_t>(count); ++i) {
        TrayAmount[i] = 0;
        TrayPosition[i] = 0.0;
    }
    // Another count of trays is another kit: the replicates' scatter was of the old one.
    if (count != Trays) ReplicateVariance.clear();
    Backuppstallning = layout;
    Trays = count;
    KitName = std::move(name);
    OwnSearch = search;
}

void TNewTabSheet::SetVK(int index, double vk, bool computed) {
    if (!IsCurveIndex(index)) return;
    VKCurve[static_cast<std::size_t>(index - 1)] = vk;
    VKComputed[static_cast<std::size_t>(index - 1)] = computed;
}

double TNewTabSheet::GetVK(int index) const {
    return IsCurveIndex(index) ? VKCurve[static_cast<std::size_t>(index - 1)] : 0.0;
}

bool TNewTabSheet::GetVKComputed(int index) const {
    return IsCurveIndex(index) && VKComputed[static_cast<std::size_t>(index - 1)];
}

void TNewTabSheet::SetVKUncertainty(int index, std::optional<double> u) {
    if (!IsCurveIndex(index)) return;
    VKUncertaintyCurve[static_cast<std::size_t>(index - 1)] = u && *u >= 0.0 ? *u : -1.0;
    HoldsVKUncertainty = true;
}

std::optional<double> TNewTabSheet::GetVKUncertainty(int index) const {
    if (!IsCurveIndex(index)) return std::nullopt;
    const double u = VKUncertaintyCurve[static_cast<std::size_t>(index - 1)];
    return u >= 0.0 ? std::optional<double>(u) : std::nullopt;
}

double TNewTabSheet::GetReplicateVariance(int index) const {
    return index >= 1 && index <= Trays && static_cast<std::size_t>(index) <= ReplicateVariance.size()
               ? ReplicateVariance[static_cast<std::size_t>(index - 1)]
               : 0.0;
}

void TNewTabSheet::SetTrayAmount(std::int32_t value, int index) {
    if (index >= 1 && index <= Trays) TrayAmount[static_cast<std::size_t>(index - 1)] = value;
}

std::int32_t TNewTabSheet::GetTrayAmount(int index) const { return ReadTray(TrayAmount, index, Trays); }
std::int32_t TNewTabSheet::GetLeftOverlap(int index) const { return ReadTray(LeftOverlap, index, Trays); }
std::int32_t TNewTabSheet::GetRightOverlap(int index) const { return ReadTray(RightOverlap, index, Trays); }
std::int64_t TNewTabSheet::GetFurtherOverlap(int index) const { return ReadTray(FurtherOverlap, index, Trays); }
std::int64_t TNewTabSheet::GetTraySum(int index) const { return ReadTray(TraySum, index, Trays); }

void TNewTabSheet::SetTrayPosition(int index, double metres) {
    if (index >= 1 && index <= Trays) TrayPosition[static_cast<std::size_t>(index - 1)] = metres;
}

double TNewTabSheet::GetTrayPosition(int index) const { return ReadTray(TrayPosition, index, Trays); }
double TNewTabSheet::GetLeftPosition(int index) const { return ReadTray(LeftPosition, index, Trays); }
double TNewTabSheet::GetRightPosition(int index) const { return ReadTray(RightPosition, index, Trays); }

void TNewTabSheet::SetDescription(std::string godselFabrikat, std::string spridarFabrikat, std::string godselMedel,
                                  std::string spridarModell, std::int32_t backuppstallning, std::int32_t aBredd,
                                  std::string spridarInstallning, std::string produktionsplats) {
    GodselFabrikat = std::move(godselFabrikat);
    SpridarFabrikat = std::move(spridarFabrikat);
    GodselMedel = std::move(godselMedel);
    SpridarModell = std::move(spridarModell);
    Backuppstallning = backuppstallning;
    // The built-in layouts have 26 trays; an own kit keeps the count SetKit gave it.
    if (backuppstallning != 2) Trays = TrayCount;
    ABredd = aBredd;
    SpridarInstallning = std::move(spridarInstallning);
    Produktionsplats = std::move(produktionsplats);
}

}  // namespace kaldoventri
