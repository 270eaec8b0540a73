// The data warnings.
#include "DataWarnings.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "DisplayText.h"
#include "Rounding.h"
#include "SheetFigures.h"
#include "VKUncertainty.h"

namespace kaldoventri {

namespace {

// Scale of a normal scatter from the median of absolute differences.
constexpr double MedianToSigma = 1.4826;
constexpr double StandsOutSigmas = 6.0;
constexpr double StandsOutShareOfPeak = 0.10;
constexpr double StandsOutLeast = 2.0;

std::string WholePercent(double share, std::string_view separator) {
    return PercentText(RoundHalfEven(share * 100), separator);
}

// The mean of the sum curve over the middle strip at the width the sheet was
// last evaluated at, its own: what a tray in the field caught, in units.
std::optional<double> MeanStripCatch(const TNewTabSheet& evaluated) {
    const double reach = evaluated.GetCalcWidth() / 4.0;
    double total = 0.0;
    int count = 0;
    for (int tray = 1; tray <= evaluated.GetTrayCount(); ++tray) {
        const double p = evaluated.GetTrayPosition(tray);
        if (!(-reach <= p && p <= reach)) continue;
        total += static_cast<double>(evaluated.GetTraySum(tray));
        ++count;
    }
    if (count == 0) return std::nullopt;
    return total / count;
}

}  // namespace

int TrayStandingOut(const TNewTabSheet& sheet) {
    const int n = sheet.GetTrayCount();
    if (n < 5) return 0;
    std::vector<double> residual;
    double peak = 0.0;
    for (int tray = 1; tray <= n; ++tray) peak = std::max(peak, static_cast<double>(sheet.GetTrayAmount(tray)));
    for (int tray = 2; tray < n; ++tray) {
        const double x0 = sheet.GetTrayPosition(tray - 1), x1 = sheet.GetTrayPosition(tray), x2 = sheet.GetTrayPosition(tray + 1);
        const double a0 = sheet.GetTrayAmount(tray - 1), a2 = sheet.GetTrayAmount(tray + 1);
        const double share = x2 > x0 ? (x1 - x0) / (x2 - x0) : 0.5;
        residual.push_back(sheet.GetTrayAmount(tray) - (a0 + share * (a2 - a0)));
    }
    std::vector<double> sizes(residual.size());
    std::transform(residual.begin(), residual.end(), sizes.begin(), [](double r) { return std::fabs(r); });
    std::vector<double> sorted = sizes;
    std::nth_element(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(sorted.size() / 2), sorted.end());
    const double scatter = MedianToSigma * sorted[sorted.size() / 2];
    const auto worst = std::max_element(sizes.begin(), sizes.end());
    const double threshold = std::max({StandsOutSigmas * scatter, StandsOutShareOfPeak * peak, StandsOutLeast});
    if (!(*worst > threshold)) return 0;
    return static_cast<int>(worst - sizes.begin()) + 2;
}

std::vector<DataWarning> DataWarningsOf(const TNewTabSheet& evaluated, std::string_view separator) {
    std::vector<DataWarning> warnings;
    const int own = evaluated.GetABredd();
    const auto u = evaluated.GetVKUncertainty(own);
    if (const auto mean = MeanStripCatch(evaluated); mean && *mean > 0.0 && *mean < CoarseCatchUnits)
        warnings.push_back({WarningKind::CatchTooSmall, "Fångsten är liten för vågens upplösning: i medel " +
                                                            FormatGeneral(RoundHalfEven(*mean), separator) +
                                                            " enheter per back, så VK blir grov."});
    else if (evaluated.GetVKComputed(own) && u && ClassUncertain(evaluated.GetVK(own), *u))
        warnings.push_back({WarningKind::CatchTooSmall,
                            "Fångsten är liten för vågens upplösning: klassen vid arbetsbredden är osäker."});

    const int n = evaluated.GetTrayCount();
    double peak = 0.0;
    for (int tray = 1; tray <= n; ++tray) peak = std::max(peak, static_cast<double>(evaluated.GetTrayAmount(tray)));
    if (peak > 0.0) {
        const double first = evaluated.GetTrayAmount(1), last = evaluated.GetTrayAmount(n);
        const int outer = first >= last ? 1 : n;
        const double share = std::max(first, last) / peak;
        if (share > FallenOffShare)
            warnings.push_back({WarningKind::NotFallenOff,
                                "Ytterbacken " + std::to_string(outer) + " har " + WholePercent(share, separator) +
                                    " av toppen: en del av givan föll utanför backarna, och VK vid stora bredder blir för låg."});
    }

    if (const int tray = TrayStandingOut(evaluated))
        warnings.push_back({WarningKind::StandsOut, "Back " + std::to_string(tray) +
                                                        " avviker starkt från grannarna: troligen ett skriv- eller vägningsfel."});

    if (const auto balance = SideBalanceOf(evaluated)) {
        const double smaller = std::min(balance->left, balance->right);
        const double larger = std::max(balance->left, balance->right);
        if (larger > smaller * (1 + SideImbalanceShare))
            warnings.push_back({WarningKind::SideImbalance,
                                "Sidobalansen " + FormatGeneral(balance->left, separator) + "/" +
                                    PercentText(balance->right, separator) +
                                    " skiljer mer än 10 %: troligen fel inställning eller vind."});
    }
    return warnings;
}

}  // namespace kaldoventri
