// The typed cells of a test's row.
#include "report/TableCells.h"

#include "display/LocaleText.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/Rounding.h"
#include "evaluation/SheetFigures.h"
#include "evaluation/TrayKit.h"
#include "evaluation/WorkingWidth.h"
#include "report/SummaryRow.h"

namespace kaldoventri {

namespace {

template <typename T>
TableCell NumberOr(const std::optional<T>& v, int decimals) {
    return v ? TableCell::Of(static_cast<double>(*v), decimals) : TableCell{};
}

double Rounded(double v, int decimals) {
    double scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    return RoundHalfEven(v * scale) / scale;
}

// "0,1 g", or "1 ml (0,95 kg/l)": amounts in ml mean nothing without their density.
QString UnitCellText(const SheetUnits& units, const QLocale& locale) {
    QString text = FromUtf8(AmountUnitText(*units.unit, DecimalSeparatorOf(locale)));
    if (units.unit->kind == AmountKind::Volume && units.density)
        text += QStringLiteral(" (%1 kg/l)").arg(FormatNumber(*units.density, locale));
    return text;
}

}  // namespace

QStringList TableHeaders(const QLocale& locale) {
    QStringList headers{QStringLiteral("Fil"),           QStringLiteral("Spridare"),
                        QStringLiteral("Modell"),        QStringLiteral("Inställning"),
                        QStringLiteral("Gödselmedel"),   QStringLiteral("Fabrikat"),
                        QStringLiteral("Uppställning"),  QStringLiteral("Arbetsbredd m"),
                        QStringLiteral("Körmönster"),    QStringLiteral("VK %"),
                        QStringLiteral("Klass"),         QStringLiteral("Optimal bredd m"),
                        QStringLiteral("Optimal VK %"),  QStringLiteral("Körfel ±1 m högsta VK %"),
                        QStringLiteral("VK under 15 % från m"), QStringLiteral("VK under 15 % till m"),
                        QStringLiteral("Sidobalans vänster %"), QStringLiteral("Backyta m²"),
                        QStringLiteral("Enhet"),         QStringLiteral("Giva kg/ha"),
                        QStringLiteral("Målgiva kg/ha"), QStringLiteral("Avvikelse %"),
                        QStringLiteral("Korrigering"),   QStringLiteral("VK osäkerhet %"),
                        QStringLiteral("Varningar")};
    for (int w = FirstCurveWidth; w <= WidestWorkingWidth; ++w) headers << QStringLiteral("VK ") + WidthText(w, locale);
    for (int w = FirstCurveWidth; w <= WidestWorkingWidth; ++w)
        headers << QStringLiteral("VK osäkerhet ") + WidthText(w, locale);
    // After every column that came before it, so that a script reading those by place reads them still.
    headers << RecordHeaders() << QStringLiteral("Mönster") << QStringLiteral("Mönster spår/mitt");
    return headers;
}

std::vector<TableCell> TableRow(const ReportTest& test, const QLocale& locale) {
    const TNewTabSheet& s = test.sheet;
    const SheetFigures f = ComputeSheetFigures(s);
    const SheetUnits& units = s.GetUnits();
    const std::optional<Optimum> optimum = OptimumOf(s);
    const QStringList warnings = WarningLines(s, locale);
    std::vector<TableCell> row{TableCell::Of(test.name),
                               TableCell::Of(FromUtf8(s.GetSpridarFabrikat())),
                               TableCell::Of(FromUtf8(s.GetSpridarModell())),
                               TableCell::Of(FromUtf8(s.GetSpridarInstallning())),
                               TableCell::Of(FromUtf8(s.GetGodselMedel())),
                               TableCell::Of(FromUtf8(s.GetGodselFabrikat())),
                               TableCell::Of(FromUtf8(KitNameOf(s))),
                               TableCell::Of(s.GetABredd() / 2.0, 1),
                               TableCell::Of(FromUtf8(DrivingPatternName(DrivingPatternOf(s)))),
                               NumberOr(f.vk, 1),
                               f.toleranceClass ? TableCell::Of(FromUtf8(ToleranceClassText(f))) : TableCell{},
                               optimum ? TableCell::Of(optimum->halfMetres / 2.0, 1) : TableCell{},
                               optimum ? TableCell::Of(optimum->vk, 1) : TableCell{},
                               NumberOr(f.drivingErrorVK, 1),
                               f.usableRange ? TableCell::Of(f.usableRange->narrowest, 1) : TableCell{},
                               f.usableRange ? TableCell::Of(f.usableRange->widest, 1) : TableCell{},
                               f.sideBalance ? TableCell::Of(f.sideBalance->left, 1) : TableCell{},
                               NumberOr(units.trayArea, TableCell::AsGiven),
                               units.unit ? TableCell::Of(UnitCellText(units, locale)) : TableCell{},
                               f.rate ? TableCell::Of(Rounded(*f.rate, 1), 1) : TableCell{},
                               NumberOr(units.target, TableCell::AsGiven),
                               f.target ? TableCell::Of(Rounded(f.target->deviationPercent, 1), 1) : TableCell{},
                               // The factor "Doseringen × 0,94" shows.
                               f.target && f.target->correction ? TableCell::Of(Rounded(*f.target->correction, 2), 2)
                                                                : TableCell{},
                               f.vkUncertainty ? TableCell::Of(Rounded(*f.vkUncertainty, 2), 2) : TableCell{},
                               warnings.isEmpty() ? TableCell{} : TableCell::Of(warnings.join(QLatin1Char(' ')))};
    const int last = LastCurveWidthOf(s);
    for (int w = FirstCurveWidth; w <= WidestWorkingWidth; ++w)
        row.push_back(w <= last && s.GetVKComputed(w) ? TableCell::Of(s.GetVK(w), 1) : TableCell{});
    // The uncertainty per width only where the test has units, as at its own width.
    for (int w = FirstCurveWidth; w <= WidestWorkingWidth; ++w) {
        const auto u = units.Any() && w <= last ? s.GetVKUncertainty(w) : std::nullopt;
        row.push_back(u ? TableCell::Of(Rounded(*u, 2), 2) : TableCell{});
    }
    const TestRecord& record = s.GetRecord();
    const auto text = [](const std::string& t) { return t.empty() ? TableCell{} : TableCell::Of(FromUtf8(t)); };
    row.push_back(record.date.empty() ? TableCell{} : TableCell::Date(FromUtf8(record.date)));
    row.push_back(text(record.customer));
    row.push_back(text(record.tester));
    row.push_back(NumberOr(record.speedKmh, TableCell::AsGiven));
    row.push_back(record.rpm ? TableCell::Of(*record.rpm, 0) : TableCell{});
    row.push_back(NumberOr(record.windMs, TableCell::AsGiven));
    row.push_back(text(record.note));
    row.push_back(f.pattern ? TableCell::Of(FromUtf8(PatternWords(f.pattern))) : TableCell{});
    row.push_back(f.pattern ? TableCell::Of(Rounded(f.pattern->ratio, 2), 2) : TableCell{});
    return row;
}

}  // namespace kaldoventri
