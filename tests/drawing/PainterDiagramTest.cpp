// The three renderers drawing through the QPainter surface: curve colours at
// the positions the scales predict, one landscape PDF page through QPrinter,
// and example pictures written next to the test for a person to look at.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "DiagramSheets.h"
#include "drawing/PainterSurface.h"
#include "drawing/TCopyDiagram.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"

using namespace kaldoventri;
using namespace kaldoventri::drawingtest;

namespace {

// The window's diagram area draws in its own 16-pixel bold font.
QImage DrawScreen(TDiagram& diagram, TNewTabSheet* sheet, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    PainterSurface surface(painter, width, height);
    diagram.DrawDiagram(sheet, surface);
    return image;
}

QImage DrawPicture(TCopyDiagram& diagram, TNewTabSheet& sheet, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    PainterSurface surface(painter, width, height);
    diagram.DrawDiagram(&sheet, surface);
    return image;
}

// A printer page drawn at a fraction of its size: the image claims the
// printer's resolution, so the 18-point font has its printed size in page pixels.
QImage DrawPageScaled(TPrintDiagram& diagram, TNewTabSheet& sheet, QSize page, int dpi, double scale) {
    QImage image(int(page.width() * scale), int(page.height() * scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(std::lround(dpi / 0.0254));
    image.setDotsPerMeterY(std::lround(dpi / 0.0254));
    QPainter painter(&image);
    painter.scale(scale, scale);
    PainterSurface surface(painter, page.width(), page.height());
    diagram.DrawDiagram(&sheet, surface);
    return image;
}

// A4 landscape at 600 dpi, the printable area as QPrinter gives it.
const QSize A4At600(6850, 4791);

QString PictureDir() {
    const QString dir = QStringLiteral(DRAWING_PICTURE_DIR);
    QDir().mkpath(dir);
    return dir;
}

QRgb Rgb(Colour c) { return qRgb(c.red, c.green, c.blue); }

}  // namespace

class PainterDiagramTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden)); }

    // Where each curve's points must land follows from the margins and the
    // axis ranges alone; the colour at the point's centre tells which curve
    // is on top there.
    void curvesLandWhereTheScalesPutThem() {
        TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
        TDiagram diagram;
        diagram.SetTrayMarking(1);
        diagram.SetShowMetres(true);
        const int w = 1600;
        const int h = 1000;
        const QImage image = DrawScreen(diagram, &sheet, w, h);

        QCOMPARE(diagram.GetHalfSpan(), 13);
        QCOMPARE(diagram.GetYMax(), 160);
        const double pxPerMetre = (w - 2.0 * diagram.GetMarginX()) / 26;
        const double pxPerUnit = (h - 2.0 * diagram.GetMarginY()) / 160;
        const int baseY = h - diagram.GetMarginY();
        const auto x = [&](double metres, double shift) { return int(std::nearbyint(metres * pxPerMetre + shift)); };
        const auto y = [&](double amount) { return baseY - int(std::nearbyint(amount * pxPerUnit)); };

        for (const int t : {1, 13, 26})
            QCOMPARE(image.pixel(x(sheet.GetTrayPosition(t), w / 2.0), y(sheet.GetTrayAmount(t))), Rgb(Blue));
        const double shift = 12 * pxPerMetre;
        QCOMPARE(image.pixel(x(sheet.GetRightPosition(26), shift + w / 2.0), y(6)), Rgb(Green));
        QCOMPARE(image.pixel(x(sheet.GetLeftPosition(1), w / 2.0 - shift), y(6)), Rgb(Green));
        for (int t = 1; t <= TrayCount; ++t)
            QCOMPARE(image.pixel(x(sheet.GetTrayPosition(t), w / 2.0), y(double(sheet.GetTraySum(t)))), Rgb(Red));

        // The X axis is black, the surface outside the plot white all round.
        QCOMPARE(image.pixel(w / 4, baseY), Rgb(Black));
        QCOMPARE(image.pixel(2, 2), Rgb(White));
        QCOMPARE(image.pixel(w - 3, h - 3), Rgb(White));
    }

    void noSheetLeavesAWhiteSurface() {
        TDiagram diagram;
        const QImage image = DrawScreen(diagram, nullptr, 300, 200);
        QImage white(300, 200, QImage::Format_RGB32);
        white.fill(Qt::white);
        QCOMPARE(image, white);
    }

    // A sheet with absurd values draws without touching memory outside the
    // image (the sanitizer build watches) and still has its axes.
    void absurdSheetDrawsSafely() {
        TNewTabSheet sheet = MakeSheet(Flat(2147483647), Layout24m, 1000000);
        sheet.SetTrayPosition(5, std::nan(""));
        sheet.SetTrayPosition(26, 1e300);
        TDiagram diagram;
        diagram.SetTrayMarking(2);
        const QImage image = DrawScreen(diagram, &sheet, 800, 500);
        QCOMPARE(image.pixel(400, 500 - diagram.GetMarginY()), Rgb(Black));
        TPrintDiagram print;
        DrawPageScaled(print, sheet, QSize(13699, 9583), 1200, 0.25);
    }

    void printsOneLandscapePageIntoAPdf() {
        TNewTabSheet sheet = MakeSheet(Peaked, Layout12m, 24);
        QTemporaryDir dir;
        const QString file = dir.filePath("diagram.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageOrientation(QPageLayout::Landscape);
        // At 600 dpi the two header lines, 200 page pixels apart, are farther
        // apart than an 18-point line is high.
        printer.setResolution(600);
        TPrintDiagram diagram;
        QPainter painter;
        QVERIFY(painter.begin(&printer));
        {
            PainterSurface page(painter, printer.width(), printer.height());
            diagram.DrawDiagram(&sheet, page);
        }
        painter.end();
        QVERIFY(printer.width() > printer.height());
        QCOMPARE(diagram.GetMarginX(), printer.width() / 10);
        QCOMPARE(diagram.GetMarginY(), printer.width() / 8);

        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page/") + bytes.count("/Type /Page "), 1);
        const QString kept = PictureDir() + "/printed-page.pdf";
        QFile::remove(kept);
        QVERIFY(QFile::copy(file, kept));
    }

    // Example pictures for a person to look at; each must at least hold all
    // three curve colours.
    void writesExamplePictures_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("aBredd");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<int>("kind");  // 0 screen, 1 clipboard picture, 2 printed page
        QTest::newRow("peaked-12m") << "peaked-12m" << Layout12m << 24 << false << 0;
        QTest::newRow("peaked-24m") << "peaked-24m" << Layout24m << 48 << false << 0;
        QTest::newRow("flat-percent") << "flat-percent" << Layout12m << 24 << true << 0;
        QTest::newRow("peaked-wide") << "peaked-wide-18m" << Layout12m << 36 << false << 0;
        QTest::newRow("clipboard") << "clipboard-picture" << Layout12m << 25 << false << 1;
        QTest::newRow("printed") << "printed-page" << Layout12m << 24 << false << 2;
    }

    void writesExamplePictures() {
        QFETCH(QString, name);
        QFETCH(int, layout);
        QFETCH(int, aBredd);
        QFETCH(bool, flat);
        QFETCH(int, kind);
        TNewTabSheet sheet =
            MakeSheet(flat ? Flat(100) : Peaked, layout, aBredd, flat ? YScalePercent : YScaleValue);
        QImage image;
        if (kind == 0) {
            TDiagram diagram;
            diagram.SetTrayMarking(2);
            diagram.SetShowMetres(true);
            image = DrawScreen(diagram, &sheet, 1200, 700);
        } else if (kind == 1) {
            TCopyDiagram diagram;
            diagram.SetTrayMarking(1);
            diagram.SetShowMetres(true);
            image = DrawPicture(diagram, sheet, 1200, 700);
        } else {
            TPrintDiagram diagram;
            image = DrawPageScaled(diagram, sheet, A4At600, 600, 0.5);
        }
        for (const Colour c : {Blue, Green, Red}) {
            bool found = false;
            for (int y = 0; y < image.height() && !found; ++y)
                for (int x = 0; x < image.width() && !found; ++x) found = image.pixel(x, y) == Rgb(c);
            QVERIFY2(found, qPrintable(name));
        }
        QVERIFY(image.save(PictureDir() + "/" + name + ".png"));
    }
};

QTEST_MAIN(PainterDiagramTest)
#include "PainterDiagramTest.moc"
