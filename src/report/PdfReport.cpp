// Writing the report page by page.
#include "report/PdfReport.h"

#include <QPainter>
#include <QPdfWriter>

#include "report/SummaryTablePages.h"
#include "report/TestPage.h"

namespace kaldoventri {

QString ReportTitle(int tests) { return QStringLiteral("Kaldoventri – rapport över %1 prov").arg(tests); }

bool WritePdfReport(QIODevice& device, const std::vector<QStringList>& rows, ReportSheets& tests,
                    const ReportSettings& settings, const ReportProgress& progress) {
    QPdfWriter writer(&device);
    ReportPageFrame::SetUpWriter(writer);
    writer.setTitle(ReportTitle(tests.Count()));
    writer.setCreator(QStringLiteral("Kaldoventri"));
    QPainter painter;
    if (!painter.begin(&writer)) return true;  // the device's own error tells why

    // Measured on the writer before any page exists, for "av N" on page 1.
    ReportPageFrame sizing(writer, painter, settings, 0);
    const SummaryTablePages table(sizing, rows);
    const int pageCount = table.PageCount() + tests.Count();
    ReportPageFrame frame(writer, painter, settings, pageCount);

    const auto goOn = [&](int done) { return !progress || progress(done, pageCount); };
    if (!goOn(0)) return false;
    int page = 1;
    for (int t = 0; t < table.PageCount(); ++t, ++page) {
        frame.StartPage(page, ReportTitle(tests.Count()));
        table.DrawPage(frame, t);
        if (!goOn(page)) return false;
    }
    for (int i = 0; i < tests.Count(); ++i, ++page) {
        const auto test = tests.At(i);
        if (const auto* const* read = std::get_if<const ReportTest*>(&test)) {
            frame.StartPage(page, (*read)->name);
            DrawTestPage(frame, **read);
        } else {
            const auto row = static_cast<std::size_t>(i);
            frame.StartPage(page, row < rows.size() ? rows[row].value(0) : QString());
            DrawUnreadableTestPage(frame, std::get<QString>(test));
        }
        if (!goOn(page)) return false;
    }
    painter.end();
    return true;
}

}  // namespace kaldoventri
