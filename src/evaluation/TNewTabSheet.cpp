// Accessors of the test sheet record. Every indexed access is checked, so no
// index (from a caller or from a damaged file) reaches outside the arrays.
#include "TNewTabSheet.h"

namespace kaldoventri {

namespace {

bool IsTray(int index) { return index >= 1 && index <= TrayCount; }
bool IsCurveIndex(int index) { return index >= 1 && index <= MaxCurveWidth; }

template <typename T, std::size_t N>
T ReadTray(const std::array<T, N>& a, int index) {
    return IsTray(index) ? a[static_cast<std::size_t>(index - 1)] : T{};
}

}  // namespace

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

void TNewTabSheet::SetTrayAmount(std::int32_t value, int index) {
    if (IsTray(index)) TrayAmount[static_cast<std::size_t>(index - 1)] = value;
}

std::int32_t TNewTabSheet::GetTrayAmount(int index) const { return ReadTray(TrayAmount, index); }
std::int32_t TNewTabSheet::GetLeftOverlap(int index) const { return ReadTray(LeftOverlap, index); }
std::int32_t TNewTabSheet::GetRightOverlap(int index) const { return ReadTray(RightOverlap, index); }
std::int64_t TNewTabSheet::GetTraySum(int index) const { return ReadTray(TraySum, index); }

void TNewTabSheet::SetTrayPosition(int index, double metres) {
    if (IsTray(index)) TrayPosition[static_cast<std::size_t>(index - 1)] = metres;
}

double TNewTabSheet::GetTrayPosition(int index) const { return ReadTray(TrayPosition, index); }
double TNewTabSheet::GetLeftPosition(int index) const { return ReadTray(LeftPosition, index); }
double TNewTabSheet::GetRightPosition(int index) const { return ReadTray(RightPosition, index); }

void TNewTabSheet::SetDescription(std::string godselFabrikat, std::string spridarFabrikat, std::string godselMedel,
                                  std::string spridarModell, std::int32_t backuppstallning, std::int32_t aBredd,
                                  std::string spridarInstallning, std::string produktionsplats) {
    GodselFabrikat = std::move(godselFabrikat);
    SpridarFabrikat = std::move(spridarFabrikat);
    GodselMedel = std::move(godselMedel);
    SpridarModell = std::move(spridarModell);
    Backuppstallning = backuppstallning;
    ABredd = aBredd;
    SpridarInstallning = std::move(spridarInstallning);
    Produktionsplats = std::move(produktionsplats);
}

}  // namespace kaldoventri
