// The texts of a test's row.
#include "report/SummaryRow.h"

#include <cmath>

#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"
#include "files/LocaleNumber.h"

namespace kaldoventri {

namespace {

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

QStringList SummaryHeaders() {
    return {QStringLiteral("Fil"),          QStringLiteral("Spridare"),      QStringLiteral("Modell"),
            QStringLiteral("Inställning"),  QStringLiteral("Gödselmedel"),   QStringLiteral("Fabrikat"),
            QStringLiteral("Uppställning"), QStringLiteral("Arbetsbredd"),   QStringLiteral("Körmönster"),
            QStringLiteral("VK"),           QStringLiteral("Klass"),         QStringLiteral("Optimal bredd"),
            QStringLiteral("Optimal VK"),   QStringLiteral("Körfel ±1 m"),   QStringLiteral("VK under 15 %"),
            QStringLiteral("Sidobalans V/H")};
}

QString LayoutText(const TNewTabSheet& sheet) {
    return sheet.GetBackuppstallning() == Layout12m ? QStringLiteral("12 m") : QStringLiteral("24 m");
}

QString MetresText(int halfMetres, const QLocale& locale) {
    return FormatNumber(halfMetres / 2.0, locale) + QStringLiteral(" m");
}

QString DrivingPatternText(const TNewTabSheet& sheet) {
    return DrivingPatternOf(sheet) == DrivingPattern::Racetrack ? QStringLiteral("Varvkörning")
                                                                 : QStringLiteral("Fram och tillbaka");
}

std::optional<Optimum> OptimumOf(const TNewTabSheet& evaluated) {
    const double twice = evaluated.GetOptimalWidth() * 2;
    if (!(twice >= FirstCurveWidth && twice <= LastCurveWidth(evaluated.GetBackuppstallning())) ||
        twice != std::floor(twice))
        return std::nullopt;
    const int width = static_cast<int>(twice);
    if (!evaluated.GetVKComputed(width)) return std::nullopt;
    return Optimum{width, evaluated.GetOptimalVK()};
}

QStringList SummaryCells(const ReportTest& test, const QLocale& locale) {
    const TNewTabSheet& s = test.sheet;
    const std::string separator = locale.decimalPoint().toStdString();
    const SheetFigures figures = ComputeSheetFigures(s);
    const std::optional<Optimum> optimum = OptimumOf(s);
    const QString missing = Text(std::string(MissingFigure));
    return {test.name,
            Text(s.GetSpridarFabrikat()),
            Text(s.GetSpridarModell()),
            Text(s.GetSpridarInstallning()),
            Text(s.GetGodselMedel()),
            Text(s.GetGodselFabrikat()),
            LayoutText(s),
            MetresText(s.GetABredd(), locale),
            DrivingPatternText(s),
            Text(VKText(figures, separator)),
            Text(ToleranceClassText(figures)),
            optimum ? MetresText(optimum->halfMetres, locale) : missing,
            optimum ? FormatNumber(optimum->vk, locale) + QStringLiteral(" %") : missing,
            Text(DrivingErrorText(figures, separator)),
            Text(UsableRangeText(figures, separator)),
            Text(SideBalanceText(figures, separator))};
}

std::vector<QStringList> SummaryRowsOf(ReportSheets& tests, const QLocale& locale) {
    std::vector<QStringList> rows;
    rows.reserve(static_cast<std::size_t>(tests.Count()));
    for (int i = 0; i < tests.Count(); ++i) {
        const auto test = tests.At(i);
        if (const auto* const* read = std::get_if<const ReportTest*>(&test))
            rows.push_back(SummaryCells(**read, locale));
        else
            rows.push_back({std::get<QString>(test)});
    }
    return rows;
}

}  // namespace kaldoventri
