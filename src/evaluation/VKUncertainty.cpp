// Linear propagation of the amounts' uncertainty to the VK.
#include "VKUncertainty.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "SheetFigures.h"

namespace kaldoventri {

namespace {

constexpr std::size_t Room = 100;
// Variance of a whole amount that stands for anything within ±½ unit.
constexpr double ResolutionVariance = 1.0 / 12.0;

// A strip value as weights on the sheet's own amounts: the own tray and up to
// two trays of each neighbour.
struct StripRow {
    std::array<int, 5> tray{};
    std::array<double, 5> weight{};
    int count = 0;
    double value = 0.0;

    void Add(int t, double w, double amount) {
        tray[static_cast<std::size_t>(count)] = t;
        weight[static_cast<std::size_t>(count)] = w;
        ++count;
        value += w * amount;
    }
};

class Propagation {
public:
    explicit Propagation(const TNewTabSheet& sheet) : n_(sheet.GetTrayCount()) {
        for (int i = 0; i < n_; ++i) {
            p_[static_cast<std::size_t>(i)] = sheet.GetTrayPosition(i + 1);
            a_[static_cast<std::size_t>(i)] = sheet.GetTrayAmount(i + 1);
            var_[static_cast<std::size_t>(i)] = ResolutionVariance + sheet.GetReplicateVariance(i + 1);
        }
        leftReversed_ = sheet.GetLeftPassReversed();
        rightReversed_ = sheet.GetRightPassReversed();
        ascending_ = PositionsAscend(p_.data(), static_cast<std::size_t>(n_));
    }

    std::optional<double> At(int w) const {
        std::array<StripRow, Room> rows;
        int n = 0;
        const double reach = w / 4.0;
        std::array<double, Room> left;
        std::array<double, Room> right;
        for (int k = 0; k < n_; ++k) {
            const double mirrored = -p_[static_cast<std::size_t>(n_ - 1 - k)];
            left[static_cast<std::size_t>(k)] = mirrored - w / 2.0;
            right[static_cast<std::size_t>(k)] = mirrored + w / 2.0;
        }
        for (int i = 0; i < n_; ++i) {
            const double x = p_[static_cast<std::size_t>(i)];
            if (!(-reach <= x && x <= reach)) continue;
            StripRow& row = rows[static_cast<std::size_t>(n++)];
            row.Add(i, 1.0, a_[static_cast<std::size_t>(i)]);
            AddNeighbour(row, x, left, leftReversed_);
            AddNeighbour(row, x, right, rightReversed_);
        }
        if (n < 2) return std::nullopt;
        double sum = 0.0;
        for (int k = 0; k < n; ++k) sum += rows[static_cast<std::size_t>(k)].value;
        const double m = sum / n;
        if (!(m > 0.0)) return std::nullopt;
        double squares = 0.0;
        for (int k = 0; k < n; ++k) squares += std::pow(rows[static_cast<std::size_t>(k)].value - m, 2);
        const double s = std::sqrt(squares / (n - 1));

        // dVK/dv = 100 ((v - m) / ((n - 1) s m) - s / (n m²)), carried to the amounts.
        std::array<double, Room> gradient{};
        double flatNoise = 0.0;
        for (int k = 0; k < n; ++k) {
            const StripRow& row = rows[static_cast<std::size_t>(k)];
            const double dv = s > 0.0 ? 100 * ((row.value - m) / ((n - 1) * s * m) - s / (n * m * m)) : 0.0;
            for (int c = 0; c < row.count; ++c) {
                const auto t = static_cast<std::size_t>(row.tray[static_cast<std::size_t>(c)]);
                const double weight = row.weight[static_cast<std::size_t>(c)];
                gradient[t] += dv * weight;
                flatNoise += weight * weight * var_[t];
            }
        }
        // A perfectly even strip has no gradient (the VK's minimum at 0): the
        // spread that the noise itself would make is its uncertainty then.
        if (!(s > 0.0)) return 100 * std::sqrt(flatNoise / n) / m;
        double variance = 0.0;
        for (int t = 0; t < n_; ++t) variance += gradient[static_cast<std::size_t>(t)] * gradient[static_cast<std::size_t>(t)] * var_[static_cast<std::size_t>(t)];
        const double u = std::sqrt(variance);
        return std::isfinite(u) ? std::optional<double>(u) : std::nullopt;
    }

private:
    // The neighbour's tray k lies at q[k] = -p[N-1-k] ± half the width and
    // holds the amount of tray N-1-k when it runs the other way, of tray k
    // otherwise; the value at x is interpolated between the two trays around
    // it, as the sheet's own overlap does, without truncation. The first
    // neighbour tray at or beyond x is found by bisection where the places
    // ascend, by the sheet's own plain search where they do not.
    void AddNeighbour(StripRow& row, double x, const std::array<double, Room>& q, bool reversed) const {
        const int N = n_;
        const auto position = [&](int k) { return q[static_cast<std::size_t>(k)]; };
        const auto trayOf = [&](int k) { return reversed ? N - 1 - k : k; };
        int j = 0;
        if (ascending_)
            j = static_cast<int>(std::lower_bound(q.begin(), q.begin() + N, x) - q.begin());
        else
            while (j < N && !(position(j) >= x)) ++j;
        if (j == N) return;
        const int t = trayOf(j);
        if (position(j) == x) {
            row.Add(t, 1.0, a_[static_cast<std::size_t>(t)]);
            return;
        }
        if (j == 0) return;
        const double before = position(j - 1);
        const double at = position(j);
        const double share = (x - before) / (at - before);
        const int tb = trayOf(j - 1);
        row.Add(tb, 1.0 - share, a_[static_cast<std::size_t>(tb)]);
        row.Add(t, share, a_[static_cast<std::size_t>(t)]);
    }

    int n_;
    std::array<double, Room> p_{};
    std::array<double, Room> a_{};
    std::array<double, Room> var_{};
    bool leftReversed_ = false;
    bool rightReversed_ = false;
    bool ascending_ = false;
};

}  // namespace

std::optional<double> VKUncertaintyAt(const TNewTabSheet& sheet, int halfMetres) {
    return Propagation(sheet).At(halfMetres);
}

void ComputeVKUncertainty(TNewTabSheet& evaluated) {
    // Only a test with units or a mean of replicates shows how far its VK can
    // be trusted. The others are spared the work: for a 100-tray kit the
    // propagation costs several times the rest of the evaluation.
    if (!evaluated.GetUnits().Any() && !evaluated.HasReplicates()) {
        evaluated.ClearVKUncertainty();
        return;
    }
    const Propagation propagation(evaluated);
    for (int w = 1; w <= MaxCurveWidth; ++w)
        evaluated.SetVKUncertainty(w, evaluated.GetVKComputed(w) ? propagation.At(w) : std::nullopt);
}

bool ClassUncertain(double vk, double u) {
    for (const double limit : ToleranceClassLimits)
        if (vk - u < limit && limit <= vk + u) return true;
    return false;
}

}  // namespace kaldoventri
