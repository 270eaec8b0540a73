// The texts of a test's row.
#include "report/SummaryRow.h"

#include <cmath>

#include "display/LocaleText.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"

namespace kaldoventri {

QStringList SummaryHeaders() {
    return {QStringLiteral("Fil"),          QStringLiteral("Spridare"),      QStringLiteral("Modell"),
            QStringLiteral("Inställning"),  QStringLiteral("Gödselmedel"),   QStringLiteral("Fabrikat"),
            QStringLiteral("Uppställning"), QStringLiteral("Arbetsbredd"),   QStringLiteral("Körmönster"),
            QStringLiteral("VK"),           QStringLiteral("Klass"),         QStringLiteral("Optimal bredd"),
            QStringLiteral("Optimal VK"),   QStringLiteral("Körfel ±1 m"),   QStringLiteral("VK under ") + PercentText(UsableVKLimit, QLocale::c()),
            QStringLiteral("Sidobalans V/H")};
}

std::optional<Optimum> OptimumOf(const TNewTabSheet& evaluated) {
    if (!evaluated.HasOptimum()) return std::nullopt;
    const double twice = evaluated.GetOptimalWidth() * 2;
    if (!(twice >= FirstCurveWidth && twice <= LastCurveWidth(evaluated.GetBackuppstallning())) ||
        twice != std::floor(twice))
        return std::nullopt;
    const int width = static_cast<int>(twice);
    if (!evaluated.GetVKComputed(width)) return std::nullopt;
    return Optimum{width, evaluated.GetOptimalVK()};
}

QStringList SummaryCells(const QString& name, const TNewTabSheet& s, const QLocale& locale) {
    const std::string separator = DecimalSeparatorOf(locale);
    const SheetFigures figures = ComputeSheetFigures(s);
    const std::optional<Optimum> optimum = OptimumOf(s);
    const QString missing = FromUtf8(MissingFigure);
    return {name,
            FromUtf8(s.GetSpridarFabrikat()),
            FromUtf8(s.GetSpridarModell()),
            FromUtf8(s.GetSpridarInstallning()),
            FromUtf8(s.GetGodselMedel()),
            FromUtf8(s.GetGodselFabrikat()),
            FromUtf8(LayoutName(s.GetBackuppstallning())),
            WidthText(s.GetABredd(), locale),
            FromUtf8(DrivingPatternName(DrivingPatternOf(s))),
            FromUtf8(VKText(figures, separator)),
            FromUtf8(ToleranceClassText(figures)),
            optimum ? WidthText(optimum->halfMetres, locale) : missing,
            optimum ? PercentText(optimum->vk, locale) : missing,
            FromUtf8(DrivingErrorText(figures, separator)),
            FromUtf8(UsableRangeText(figures, separator)),
            FromUtf8(SideBalanceText(figures, separator))};
}

}  // namespace kaldoventri
