// The comparison window follows the workbook: a changed amount or working
// width of a compared sheet gives the figures of that sheet evaluated anew,
// and a closed sheet leaves it, the window closing with fewer than two left;
// its print is one A4 landscape page.
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "evaluation/CalculateSheet.h"
#include "evaluation/Comparison.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

const std::vector<qint32> Peaked{6,  13, 21, 29, 37, 44, 52, 60, 67, 75, 83, 87, 98,
                                 98, 87, 83, 75, 67, 60, 52, 44, 37, 29, 21, 13, 6};

void AddSheet(Workbook& workbook, int width) {
    SheetSettings settings;
    settings.amounts = Peaked;
    settings.workingWidth = width;
    workbook.AddSheet(settings);
}

}  // namespace

class ComparisonWindowTest : public QObject {
    Q_OBJECT

private slots:
    void followsAChange_data() {
        QTest::addColumn<int>("tray");    // 0: no amount changed
        QTest::addColumn<int>("amount");
        QTest::addColumn<int>("width");   // half-metres; 0: unchanged
        QTest::newRow("amount in the middle") << 13 << 140 << 0;
        QTest::newRow("amount at the edge") << 1 << 60 << 0;
        QTest::newRow("working width") << 0 << 0 << 30;
    }

    void followsAChange() {
        QFETCH(int, tray);
        QFETCH(int, amount);
        QFETCH(int, width);
        Workbook workbook;
        AddSheet(workbook, 24);
        AddSheet(workbook, 28);  // the current sheet, compared with the first
        QPrinter printer;
        RecentFolder folder;
        ComparisonWindow window(workbook, {0, 1}, printer, folder);
        const ComparisonRow before = CompareSheets(window.Sheets())[1];

        if (tray > 0) {
            TrayEntries entries(26);
            entries[static_cast<std::size_t>(tray - 1)] = amount;
            workbook.SetTrayAmounts(entries);
        }
        if (width > 0) workbook.SetWorkingWidth(width);

        // What the sheet gives when it is evaluated on its own after the change.
        TNewTabSheet expected = *workbook.Sheet(1);
        CalculateSheet(expected, YScaleValue);
        const ComparisonRow after = CompareSheets(window.Sheets())[1];
        const ComparisonRow wanted = CompareSheets({workbook.Sheet(0), &expected})[1];
        QCOMPARE(window.Sheets().size(), std::size_t{2});
        QCOMPARE(after.figures.vk, wanted.figures.vk);
        QCOMPARE(after.deltaVK, wanted.deltaVK);
        QCOMPARE(after.workingWidth, wanted.workingWidth);
        QVERIFY(after.figures.vk != before.figures.vk || after.workingWidth != before.workingWidth);
    }

    // One A4 landscape page from the printer chosen in the main window, here a PDF file.
    void printsOnOneLandscapePage() {
        Workbook workbook;
        for (const int width : {24, 30}) AddSheet(workbook, width);
        QTemporaryDir folder;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath(QStringLiteral("jamforelse.pdf")));
        RecentFolder recent;
        ComparisonWindow window(workbook, {1, 0}, printer, recent);
        QVERIFY(window.Print());
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {printer.outputFileName()});
        QVERIFY(info.waitForFinished(30000));
        const QString text = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Pages:           1\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(text));
    }

    void closedSheetsLeave() {
        Workbook workbook;
        for (const int width : {24, 26, 28}) AddSheet(workbook, width);
        QPrinter printer;
        RecentFolder folder;
        QPointer<ComparisonWindow> window = new ComparisonWindow(workbook, {2, 0, 1}, printer, folder);
        window->show();
        const TNewTabSheet* reference = workbook.Sheet(2);
        workbook.CloseSheet(1);
        QCOMPARE(window->Sheets().size(), std::size_t{2});
        QCOMPARE(window->Sheets().front(), reference);
        workbook.CloseSheet(0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
    }
};

}  // namespace kaldoventri

QTEST_MAIN(kaldoventri::ComparisonWindowTest)
#include "ComparisonWindowTest.moc"
