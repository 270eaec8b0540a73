// Writing the report page by page: the table of all tests, the table of
// their records where some test has one, then a page per test.
#include "report/PdfReport.h"

#include <QPainter>
#include <QPdfWriter>

#include "report/ComparisonPage.h"
#include "report/HistoryPage.h"
#include "report/ReportTablePages.h"
#include "report/TestPage.h"

namespace kaldoventri {

QString ReportTitle(int tests) { return QStringLiteral("Kaldoventri – rapport över %1 prov").arg(tests); }

bool WritePdfReport(QIODevice& device, const std::vector<ReportTest>& tests, const ReportSettings& settings,
                    const ReportProgress& progress, const MachineHistory* history) {
    const int count = static_cast<int>(tests.size());
    QPdfWriter writer(&device);
    ReportPageFrame::SetUpWriter(writer);
    writer.setTitle(ReportTitle(count));
    writer.setCreator(QStringLiteral("Kaldoventri"));
    QPainter painter;
    if (!painter.begin(&writer)) return true;  // the device's own error tells why

    // Measured on the writer before any page exists, for "av N" on page 1.
    ReportPageFrame sizing(writer, painter, settings, 0);
    std::vector<std::pair<ReportTablePages, QString>> tables;
    tables.emplace_back(ReportTablePages(sizing, SummaryTable(tests)), ReportTitle(count));
    if (ReportTable records = RecordTable(tests, settings.locale); !records.rows.empty())
        tables.emplace_back(ReportTablePages(sizing, std::move(records)), QStringLiteral("Provuppgifter"));
    const int comparisonPages = settings.comparisonFirst ? 1 : 0;
    int pageCount = comparisonPages + (history != nullptr ? 1 : 0) + count;
    for (const auto& table : tables) pageCount += table.first.PageCount();
    ReportPageFrame frame(writer, painter, settings, pageCount);

    const auto goOn = [&](int done) { return !progress || progress(done, pageCount); };
    if (!goOn(0)) return false;
    int page = 1;
    if (comparisonPages > 0) {
        frame.StartPage(page, ComparisonTitle(count));
        DrawComparisonPage(frame, tests);
        if (!goOn(page)) return false;
        ++page;
    }
    for (const auto& [table, title] : tables)
        for (int t = 0; t < table.PageCount(); ++t, ++page) {
            frame.StartPage(page, title);
            table.DrawPage(frame, t);
            if (!goOn(page)) return false;
        }
    if (history != nullptr) {
        frame.StartPage(page, HistoryPageTitle(*history));
        DrawHistoryPage(frame, *history);
        if (!goOn(page)) return false;
        ++page;
    }
    for (const ReportTest& test : tests) {
        frame.StartPage(page, test.name);
        DrawTestPage(frame, test);
        if (!goOn(page)) return false;
        ++page;
    }
    painter.end();
    return true;
}

}  // namespace kaldoventri
