// The texts of a test's row.
#include "report/SummaryRow.h"

#include <QDate>

#include <cmath>

#include "display/LocaleText.h"
#include "evaluation/DataWarnings.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

QStringList SummaryHeaders() {
    return {QStringLiteral("Fil"),          QStringLiteral("Spridare"),      QStringLiteral("Modell"),
            QStringLiteral("Inställning"),  QStringLiteral("Gödselmedel"),   QStringLiteral("Fabrikat"),
            QStringLiteral("Uppställning"), QStringLiteral("Arbetsbredd"),   QStringLiteral("Körmönster"),
            QStringLiteral("VK"),           QStringLiteral("Klass"),         QStringLiteral("Optimal bredd"),
            QStringLiteral("Optimal VK"),   QStringLiteral("Körfel ±1 m"),   QStringLiteral("VK under ") + PercentText(UsableVKLimit, QLocale::c()),
            QStringLiteral("Sidobalans V/H"), QStringLiteral("Giva"),         QStringLiteral("Avvikelse")};
}

std::optional<Optimum> OptimumOf(const TNewTabSheet& evaluated) {
    if (!evaluated.HasOptimum()) return std::nullopt;
    const double twice = evaluated.GetOptimalWidth() * 2;
    if (!(twice >= FirstCurveWidth && twice <= LastCurveWidthOf(evaluated)) ||
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
            FromUtf8(KitNameOf(s)),
            WidthText(s.GetABredd(), locale),
            FromUtf8(DrivingPatternName(DrivingPatternOf(s))),
            FromUtf8(VKText(figures, separator) + (figures.vk && figures.vkUncertainty
                                                        ? " " + UncertaintyText(figures, separator)
                                                        : std::string())),
            FromUtf8(ToleranceClassText(figures) + (figures.toleranceClass && figures.classUncertain
                                                        ? " (osäker klass)"
                                                        : "")),
            optimum ? WidthText(optimum->halfMetres, locale) : missing,
            optimum ? PercentText(optimum->vk, locale) : missing,
            FromUtf8(DrivingErrorText(figures, separator)),
            FromUtf8(UsableRangeText(figures, separator)),
            FromUtf8(SideBalanceText(figures, separator)),
            figures.rate ? FromUtf8(RateText(figures, separator)) : missing,
            figures.target ? FromUtf8(DeviationText(figures)) : missing};
}

QList<QPair<QString, QString>> RateCells(const TNewTabSheet& evaluated, const QLocale& locale) {
    const std::string separator = DecimalSeparatorOf(locale);
    const SheetFigures figures = ComputeSheetFigures(evaluated);
    QList<QPair<QString, QString>> cells;
    if (!figures.rate) return cells;
    cells.append({QStringLiteral("Giva"), FromUtf8(RateText(figures, separator))});
    if (figures.target) {
        cells.append({QStringLiteral("Målgiva"), FormatNumber(figures.target->target, locale) + QStringLiteral(" kg/ha")});
        cells.append({QStringLiteral("Avvikelse"), FromUtf8(DeviationText(figures))});
        if (figures.target->correction)
            cells.append({QStringLiteral("Korrigering"), FromUtf8(CorrectionText(figures, separator))});
    }
    return cells;
}

QStringList WarningLines(const TNewTabSheet& evaluated, const QLocale& locale) {
    QStringList lines;
    for (const DataWarning& warning : DataWarningsOf(evaluated, DecimalSeparatorOf(locale)))
        lines << FromUtf8(warning.text);
    return lines;
}

QStringList RecordHeaders() {
    return {QStringLiteral("Provdatum"), QStringLiteral("Kund"),  QStringLiteral("Provare"),   QStringLiteral("Körhastighet"),
            QStringLiteral("Varvtal"),   QStringLiteral("Vind"), QStringLiteral("Anteckning")};
}

QStringList RecordTexts(const TestRecord& record, const QLocale& locale) {
    const auto number = [&locale](const std::optional<double>& v, QLatin1String unit) {
        return v ? FormatNumber(*v, locale) + unit : QString();
    };
    const QDate date = QDate::fromString(FromUtf8(record.date), Qt::ISODate);
    return {date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QString(),
            FromUtf8(record.customer),
            FromUtf8(record.tester),
            number(record.speedKmh, QLatin1String(" km/h")),
            record.rpm ? QString::number(*record.rpm) + QStringLiteral(" r/min") : QString(),
            number(record.windMs, QLatin1String(" m/s")),
            FromUtf8(record.note)};
}

}  // namespace kaldoventri
