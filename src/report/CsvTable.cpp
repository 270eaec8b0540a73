// CSV lines.
#include "report/CsvTable.h"

#include "display/LocaleText.h"
#include "evaluation/TrayKit.h"
#include "evaluation/WorkingWidth.h"
#include "report/TableCells.h"

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

QByteArray CsvStart(const QLocale& locale) { return "\xEF\xBB\xBF" + CsvRecord(TableHeaders(locale)); }

QByteArray CsvLine(const ReportTest& test, const QLocale& locale) {
    QStringList fields;
    for (const TableCell& cell : TableRow(test, locale)) {
        switch (cell.kind) {
            case TableCell::Kind::Empty: fields << QString(); break;
            case TableCell::Kind::Text: fields << cell.text; break;
            case TableCell::Kind::Date: fields << cell.text; break;  // 2026-04-12, which spreadsheets read as a date
            case TableCell::Kind::Number: fields << FormatNumber(cell.number, locale); break;
        }
    }
    return CsvRecord(fields);
}

QByteArray CsvTableOf(const std::vector<ReportTest>& tests, const QLocale& locale) {
    QByteArray table = CsvStart(locale);
    for (const ReportTest& test : tests) table += CsvLine(test, locale);
    return table;
}

}  // namespace kaldoventri
