// CSV lines.
#include "report/CsvTable.h"

#include "display/LocaleText.h"
#include "evaluation/WorkingWidth.h"
#include "report/SummaryRow.h"

namespace kaldoventri {

namespace {

QString Quoted(const QString& field) {
    if (!field.contains(QLatin1Char(';')) && !field.contains(QLatin1Char('"')) && !field.contains(QLatin1Char('\n')) &&
        !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QByteArray CsvRecord(const QStringList& fields) {
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString& field : fields) quoted << Quoted(field);
    return quoted.join(QLatin1Char(';')).toUtf8() + "\r\n";
}

QByteArray CsvStart(const QLocale& locale) {
    QStringList headers = SummaryHeaders();
    for (int w = FirstCurveWidth; w <= WidestWorkingWidth; ++w)
        headers << QStringLiteral("VK ") + WidthText(w, locale);
    return "\xEF\xBB\xBF" + CsvRecord(headers);
}

QByteArray CsvLine(const ReportTest& test, const QLocale& locale) {
    QStringList fields = test.row;
    const int last = LastCurveWidth(test.sheet.GetBackuppstallning());
    for (int w = FirstCurveWidth; w <= WidestWorkingWidth; ++w)
        fields << (w <= last && test.sheet.GetVKComputed(w) ? FormatNumber(test.sheet.GetVK(w), locale) : QString());
    return CsvRecord(fields);
}

QByteArray CsvTableOf(const std::vector<ReportTest>& tests, const QLocale& locale) {
    QByteArray table = CsvStart(locale);
    for (const ReportTest& test : tests) table += CsvLine(test, locale);
    return table;
}

}  // namespace kaldoventri
