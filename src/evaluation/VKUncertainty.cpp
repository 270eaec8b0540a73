// Linear propagation of the amounts' uncertainty to the VK.
#include "VKUncertainty.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "FurtherPasses.h"
#include "SheetFigures.h"

namespace kaldoventri {

namespace {

constexpr std::size_t Room = 100;
// Variance of a whole amount that stands for anything within ±½ unit.
constexpr double ResolutionVariance = 1.0 / 12.0;

// A strip value as weights on the sheet's own amounts: the own tray and up to
// two trays of each pass that reaches it, kept in one list for all values.
struct Weight {
    int tray;
    double weight;
};

struct StripRow {
    std::size_t first = 0;  // its weights in the list
    std::size_t end = 0;
    double value = 0.0;
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
        furtherReach_ = FurtherPasses(p_.data(), static_cast<std::size_t>(n_));
    }
    Propagation(const Propagation&) = delete;
    Propagation& operator=(const Propagation&) = delete;

    std::optional<double> At(int w) const {
        std::array<StripRow, Room> rows;
        std::vector<Weight>& weights = weights_;
        weights.clear();
        int n = 0;
        const double reach = w / 4.0;
        const double halfWidth = w / 2.0;
        const int further = furtherReach_.OverStrip(w);
        const bool backAndForth = leftReversed_ || rightReversed_;
        // Every pass that counts at this width: the neighbours, then the
        // further passes outwards, each with its trays' places and direction.
        std::vector<Pass>& passes = passes_;
        passes.resize(2 + 2 * static_cast<std::size_t>(std::max(further - 1, 0)));
        for (std::size_t pass = 0; pass < passes.size(); ++pass) {
            const int k = static_cast<int>(pass / 2) + 1;
            const bool right = pass % 2 == 1;
            const double offset = k == 1 ? (right ? halfWidth : -halfWidth) : (right ? k * halfWidth : -(k * halfWidth));
            const bool neighbourReversed = right ? rightReversed_ : leftReversed_;
            passes[pass].reversed = FurtherPasses::Reversed(k, neighbourReversed, backAndForth);
            for (int j = 0; j < n_; ++j)
                passes[pass].place[static_cast<std::size_t>(j)] = -p_[static_cast<std::size_t>(n_ - 1 - j)] + offset;
        }
        for (int i = 0; i < n_; ++i) {
            const double x = p_[static_cast<std::size_t>(i)];
            if (!(-reach <= x && x <= reach)) continue;
            StripRow& row = rows[static_cast<std::size_t>(n++)];
            row.first = weights.size();
            const auto add = [&](int t, double weight) {
                weights.push_back({t, weight});
                row.value += weight * a_[static_cast<std::size_t>(t)];
            };
            add(i, 1.0);
            for (const Pass& pass : passes) AddPass(add, x, pass.place, pass.reversed);
            row.end = weights.size();
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
            for (std::size_t c = row.first; c < row.end; ++c) {
                const auto t = static_cast<std::size_t>(weights[c].tray);
                gradient[t] += dv * weights[c].weight;
                flatNoise += weights[c].weight * weights[c].weight * var_[t];
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
    // The pass's tray k lies at q[k] = -p[N-1-k] + its offset and holds the
    // amount of tray N-1-k when it runs reversed, of tray k otherwise; the
    // value at x is interpolated between the two trays around it, as the
    // sheet's own overlap does, without truncation. The first tray of the
    // pass at or beyond x is found by bisection where the places ascend, by
    // the sheet's own plain search where they do not.
    template <typename Add>
    void AddPass(const Add& add, double x, const std::array<double, Room>& q, bool reversed) const {
        const int N = n_;
        const auto position = [&](int k) { return q[static_cast<std::size_t>(k)]; };
        const auto trayOf = [&](int k) { return reversed ? N - 1 - k : k; };
        int j = 0;
        if (ascending_)
            j = static_cast<int>(std::lower_bound(q.begin(), q.begin() + N, x) - q.begin());
        else
            while (j < N && !(position(j) >= x)) ++j;
        if (j == N) return;
        if (position(j) == x) {
            add(trayOf(j), 1.0);
            return;
        }
        if (j == 0) return;
        const double before = position(j - 1);
        const double at = position(j);
        const double share = (x - before) / (at - before);
        add(trayOf(j - 1), 1.0 - share);
        add(trayOf(j), share);
    }

    struct Pass {
        std::array<double, Room> place;
        bool reversed;
    };

    int n_;
    std::array<double, Room> p_{};
    std::array<double, Room> a_{};
    std::array<double, Room> var_{};
    bool leftReversed_ = false;
    bool rightReversed_ = false;
    bool ascending_ = false;
    FurtherPasses furtherReach_{nullptr, 0};
    // Room reused from width to width.
    mutable std::vector<Weight> weights_;
    mutable std::vector<Pass> passes_;
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
