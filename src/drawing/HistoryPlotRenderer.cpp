// Drawing a machine's history.
#include "drawing/HistoryPlotRenderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "drawing/VKCurveStyle.h"
#include "evaluation/SheetFigures.h"

namespace kaldoventri {

namespace {

std::string Number(double value, int decimals, const std::string& separator) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result = text;
    if (const auto point = result.find('.'); point != std::string::npos) result.replace(point, 1, separator);
    return result;
}

struct Range {
    double low = 0, high = 1;
    int decimals = 2;  // enough that every label of the axis shows its step
};

// The correction factors shown, with room around them, on an axis of four
// round steps (1, 2, 2,5 or 5 times a power of ten) from a multiple of the
// step, so that its labels read 0,90 0,95 1,00 and not 0,94 1,01 1,08. A
// factor is never negative.
Range CorrectionRange(const std::vector<double>& values) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    const double middle = (*low + *high) / 2;
    const double half = std::max((*high - *low) / 2 * 1.1, std::max(0.002, 0.05 * std::fabs(middle)));
    const double wantLow = std::max(0.0, middle - half), wantHigh = middle + half;
    for (double magnitude = std::pow(10.0, std::floor(std::log10((wantHigh - wantLow) / 4)));; magnitude *= 10) {
        for (const double multiple : {1.0, 2.0, 2.5, 5.0}) {
            const double step = multiple * magnitude;
            const double from = std::floor(wantLow / step + 1e-9) * step;
            if (from + 4 * step < wantHigh - 1e-9 * step) continue;
            int decimals = 2;
            while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) > 1e-6)
                ++decimals;
            return {from, from + 4 * step, decimals};
        }
    }
}

}  // namespace

std::string MachineName(const MachineHistory& history) {
    std::string name = history.maker;
    if (!history.model.empty()) name += (name.empty() ? "" : " ") + history.model;
    if (!history.customer.empty()) name += (name.empty() ? "" : " – ") + history.customer;
    return name;
}

void DrawMachineHistory(DrawingSurface& s, const MachineHistory& history, const HistoryPlotStyle& style) {
    s.SetBrushColour(White);
    s.FillRect(0, 0, s.Width(), s.Height());
    if (style.fontPoints > 0) s.SetFontSize(style.fontPoints);
    s.SetFontColour(Black);
    const std::string separator = s.DecimalSeparator();
    const int line = s.TextHeight("Ag");
    const int pad = style.padding;

    std::vector<double> corrections;
    double highestVK = 0;
    for (const HistoryPoint& point : history.points) {
        if (point.correction) corrections.push_back(*point.correction);
        if (point.vk) highestVK = std::max(highestVK, *point.vk);
    }
    const bool withCorrection = !corrections.empty();
    const Range range = withCorrection ? CorrectionRange(corrections) : Range{};
    const int decimals = range.decimals;

    if (style.title) s.TextOut(pad, pad, "Historik: " + MachineName(history));
    // The legend under the title.
    int x = pad;
    const int legendTop = style.title ? pad + line + style.labelGap : pad;
    const auto legend = [&](Colour colour, const std::string& text) {
        s.SetBrushColour(colour);
        s.FillRect(x, legendTop + line / 4, x + line / 2, legendTop + line / 4 + line / 2);
        x += line / 2 + style.labelGap;
        s.SetBrushColour(White);
        s.TextOut(x, legendTop, text);
        x += s.TextWidth(text) + 3 * style.labelGap;
    };
    legend(VKCurveColour, "VK vid arbetsbredd (%)");
    if (withCorrection) legend(HistoryCorrectionColour, "Korrektionsfaktor");

    const double top = std::max(20.0, std::ceil(highestVK / 5.0) * 5.0);
    const int left = pad + s.TextWidth(Number(top, 0, separator)) + style.labelGap + style.tickLength;
    const int right = s.Width() - pad - (withCorrection ? s.TextWidth(Number(range.high, decimals, separator)) + style.labelGap + style.tickLength : line);
    const int plotTop = legendTop + line + 2 * style.labelGap;
    const int bottom = s.Height() - pad - line - style.labelGap - style.tickLength;
    if (right - left < 4 * line || bottom - plotTop < 3 * line || history.points.empty()) return;

    const auto y = [&](double vk) { return bottom - static_cast<int>(std::lround(vk / top * (bottom - plotTop))); };
    const double limits[] = {0.0, ToleranceClassLimits[0], ToleranceClassLimits[1], ToleranceClassLimits[2], top};
    for (int band = 0; band < 4; ++band) {
        if (limits[band] >= top) break;
        s.SetBrushColour(VKBandColours[band]);
        s.FillRect(left, y(std::min(limits[band + 1], top)), right, y(limits[band]) + 1);
    }

    // Days over the width, a little room at both ends so no point sits on an axis.
    const int firstDay = history.points.front().day, lastDay = history.points.back().day;
    const double span = std::max(1, lastDay - firstDay);
    const int inner = (right - left) / 20;
    const auto xOf = [&](int day) {
        if (firstDay == lastDay) return (left + right) / 2;
        return left + inner + static_cast<int>(std::lround((day - firstDay) / span * (right - left - 2 * inner)));
    };

    s.SetPenColour(Black);
    s.SetPenWidth(style.axisPen);
    s.SetBrushColour(White);
    s.MoveTo(left, plotTop);
    s.LineTo(left, bottom);
    s.LineTo(right, bottom);
    for (double vk = 0; vk <= top + 1e-9; vk += 5) {
        s.MoveTo(left - style.tickLength, y(vk));
        s.LineTo(left, y(vk));
        const std::string label = Number(vk, 0, separator);
        s.TextOut(left - style.tickLength - style.labelGap - s.TextWidth(label), y(vk) - line / 2, label);
    }
    // The first and the last date under the axis, and those between where they fit.
    const auto labelLeftOf = [&](const HistoryPoint& point) {
        const int width = s.TextWidth(point.date);
        return std::clamp(xOf(point.day) - width / 2, left, std::max(left, right - width));
    };
    const int lastLeft = labelLeftOf(history.points.back());
    const int gap = 2 * style.labelGap;
    int labelledUpTo = left - gap - 1;
    for (std::size_t i = 0; i < history.points.size(); ++i) {
        const HistoryPoint& point = history.points[i];
        const int labelLeft = labelLeftOf(point);
        const int labelRight = labelLeft + s.TextWidth(point.date);
        const bool last = i + 1 == history.points.size();
        if (labelLeft <= labelledUpTo + gap || (!last && labelRight + gap >= lastLeft && i > 0)) continue;
        s.MoveTo(xOf(point.day), bottom);
        s.LineTo(xOf(point.day), bottom + style.tickLength);
        s.TextOut(labelLeft, bottom + style.tickLength + style.labelGap / 2, point.date);
        labelledUpTo = labelRight;
    }

    const auto series = [&](Colour colour, auto valueOf, auto yOf, bool squares) {
        s.SetPenColour(colour);
        s.SetPenWidth(style.linePen);
        bool started = false;
        for (const HistoryPoint& point : history.points) {
            const std::optional<double> value = valueOf(point);
            if (!value) continue;
            if (started)
                s.LineTo(xOf(point.day), yOf(*value));
            else
                s.MoveTo(xOf(point.day), yOf(*value));
            started = true;
        }
        s.SetBrushColour(colour);
        s.SetPenWidth(1);
        const int r = style.pointRadius;
        for (const HistoryPoint& point : history.points)
            if (const std::optional<double> value = valueOf(point)) {
                const int px = xOf(point.day), py = yOf(*value);
                if (squares)
                    s.Rectangle(px - r, py - r, px + r + 1, py + r + 1);
                else
                    s.Ellipse(px - r, py - r, px + r + 1, py + r + 1);
            }
    };
    series(VKCurveColour, [](const HistoryPoint& p) { return p.vk; }, [&](double vk) { return y(std::min(vk, top)); }, false);

    if (!withCorrection) return;
    const auto yCorrection = [&](double c) {
        return bottom - static_cast<int>(std::lround((c - range.low) / (range.high - range.low) * (bottom - plotTop)));
    };
    s.SetPenColour(HistoryCorrectionColour);
    s.SetPenWidth(style.axisPen);
    s.SetBrushColour(White);
    s.SetFontColour(HistoryCorrectionColour);
    s.MoveTo(right, plotTop);
    s.LineTo(right, bottom);
    for (int step = 0; step <= 4; ++step) {
        const double value = range.low + (range.high - range.low) * step / 4;
        s.MoveTo(right, yCorrection(value));
        s.LineTo(right + style.tickLength, yCorrection(value));
        s.TextOut(right + style.tickLength + style.labelGap, yCorrection(value) - line / 2, Number(value, decimals, separator));
    }
    series(HistoryCorrectionColour, [](const HistoryPoint& p) { return p.correction; }, yCorrection, true);
    s.SetFontColour(Black);
}

}  // namespace kaldoventri
