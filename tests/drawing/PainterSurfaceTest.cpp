// The QPainter surface on real pixels: the box and pen conventions, opaque
// text, the decimal separator, and figures far outside the image.
#include <QGuiApplication>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QRect>
#include <QTest>
#include <functional>

#include "drawing/PainterSurface.h"

using namespace kaldoventri;

namespace {

using Figure = std::function<void(DrawingSurface&)>;

QImage Paint(const Figure& figure, int penWidth, QSize size = QSize(40, 40)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, size.width(), size.height());
    surface.SetPenWidth(penWidth);
    surface.SetPenColour(Black);
    surface.SetBrushColour(Blue);
    figure(surface);
    return image;
}

// The smallest rectangle holding every pixel that is not white.
QRect Inked(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) box |= QRect(x, y, 1, 1);
    return box;
}

}  // namespace

Q_DECLARE_METATYPE(Figure)

class PainterSurfaceTest : public QObject {
    Q_OBJECT

private slots:
    void figureCoversItsBox_data() {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QRect>("expected");

        const Figure point = [](DrawingSurface& s) { s.Ellipse(10 - 2, 20 - 2, 10 + 3, 20 + 3); };
        const Figure square = [](DrawingSurface& s) { s.Rectangle(10 - 3, 20 - 3, 10 + 4, 20 + 4); };
        const Figure fill = [](DrawingSurface& s) { s.FillRect(10, 20, 15, 25); };
        const Figure line = [](DrawingSurface& s) {
            s.MoveTo(10, 12);
            s.LineTo(10, 30);
        };
        const Figure arrow = [](DrawingSurface& s) {
            const SurfacePoint p[] = {{20, 10}, {12, 18}, {28, 18}};
            s.Polygon(p, 3);
        };
        // Boxes leave out their right and bottom edges; a pen of width 3 lies
        // one pixel beyond the 1-pixel outline on each side.
        QTest::newRow("point, pen 1") << point << 1 << QRect(QPoint(8, 18), QPoint(12, 22));
        QTest::newRow("point, pen 3") << point << 3 << QRect(QPoint(7, 17), QPoint(13, 23));
        QTest::newRow("tray square, pen 1") << square << 1 << QRect(QPoint(7, 17), QPoint(13, 23));
        QTest::newRow("tray square, pen 3") << square << 3 << QRect(QPoint(6, 16), QPoint(14, 24));
        QTest::newRow("fill ignores the pen") << fill << 3 << QRect(QPoint(10, 20), QPoint(14, 24));
        QTest::newRow("line, pen 3, round ends") << line << 3 << QRect(QPoint(9, 11), QPoint(11, 31));
        QTest::newRow("arrow, pen 3") << arrow << 3 << QRect(QPoint(11, 9), QPoint(29, 19));
    }

    void figureCoversItsBox() {
        QFETCH(Figure, figure);
        QFETCH(int, penWidth);
        QFETCH(QRect, expected);
        QCOMPARE(Inked(Paint(figure, penWidth)), expected);
    }

    // Thin axis-parallel lines take a faster road than the stroker; they must
    // cover the very pixels the stroker would.
    void thinAxisLinesMatchTheStroker_data() {
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<QLine>("line");
        for (const int w : {1, 3}) {
            const QByteArray pen = "pen " + QByteArray::number(w);
            QTest::newRow(pen + ", rightwards") << w << QLine(5, 10, 30, 10);
            QTest::newRow(pen + ", leftwards") << w << QLine(30, 12, 5, 12);
            QTest::newRow(pen + ", downwards") << w << QLine(20, 3, 20, 35);
            QTest::newRow(pen + ", upwards") << w << QLine(22, 35, 22, 3);
            QTest::newRow(pen + ", at the edge") << w << QLine(0, 0, 39, 0);
        }
    }

    void thinAxisLinesMatchTheStroker() {
        QFETCH(int, penWidth);
        QFETCH(QLine, line);
        const QImage fast = Paint(
            [&](DrawingSurface& s) {
                s.MoveTo(line.x1(), line.y1());
                s.LineTo(line.x2(), line.y2());
            },
            penWidth);
        QImage stroked(40, 40, QImage::Format_RGB32);
        stroked.fill(Qt::white);
        QPainter painter(&stroked);
        painter.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(line.p1()) + QPointF(0.5, 0.5), QPointF(line.p2()) + QPointF(0.5, 0.5));
        painter.end();
        QCOMPARE(fast, stroked);
    }

    // Curve points are copied from a drawn stamp; the copies must cover the
    // pixels the stroker would, wherever they fall, edges of the image included.
    void copiedPointsMatchTheStroker_data() {
        QTest::addColumn<int>("penWidth");
        QTest::addColumn<int>("size");
        for (const int w : {1, 2, 3, 5})
            for (const int size : {3, 5, 6, 13, 21}) QTest::addRow("pen %d, %d pixels", w, size) << w << size;
    }

    void copiedPointsMatchTheStroker() {
        QFETCH(int, penWidth);
        QFETCH(int, size);
        const QSize area(203, 157);
        const QImage copied = Paint(
            [&](DrawingSurface& s) {
                for (int y = -size; y < area.height(); y += 7)
                    for (int x = -size; x < area.width(); x += 5) s.Ellipse(x, y, x + size, y + size);
            },
            penWidth, area);
        QImage stroked(area, QImage::Format_RGB32);
        stroked.fill(Qt::white);
        QPainter painter(&stroked);
        painter.setPen(QPen(Qt::black, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(QColor(0, 0, 255));
        for (int y = -size; y < area.height(); y += 7)
            for (int x = -size; x < area.width(); x += 5) painter.drawEllipse(QRectF(x + 0.5, y + 0.5, size - 1, size - 1));
        painter.end();
        QCOMPARE(copied, stroked);
    }

    void figuresAreSymmetricAboutTheirCentre() {
        const QImage image = Paint([](DrawingSurface& s) { s.Ellipse(18, 18, 23, 23); }, 3);
        for (int dy = -4; dy <= 4; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                QCOMPARE(image.pixel(20 + dx, 20 + dy), image.pixel(20 - dx, 20 - dy));
        QCOMPARE(image.pixel(20, 20), qRgb(0, 0, 255));  // brush inside, pen around it
        QCOMPARE(image.pixel(17, 20), qRgb(0, 0, 0));
    }

    void textIsOpaqueOnTheBrush() {
        QImage image(200, 60, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QFont font = painter.font();
        font.setPixelSize(16);
        painter.setFont(font);
        int width = 0;
        int height = 0;
        {
            PainterSurface surface(painter, 200, 60);
            surface.SetBrushColour(Colour{255, 255, 0});
            surface.SetFontColour(Red);
            surface.TextOut(30, 10, "Gödselmedel: ");
            width = surface.TextWidth("Gödselmedel: ");
            height = surface.TextHeight("Gödselmedel: ");
        }
        painter.end();
        QVERIFY(width > 0 && height > 0);
        QCOMPARE(Inked(image), QRect(30, 10, width, height));
        bool red = false;
        for (int y = 10; y < 10 + height; ++y)
            for (int x = 30; x < 30 + width; ++x) red = red || image.pixel(x, y) == qRgb(255, 0, 0);
        QVERIFY(red);
    }

    void fontSizeChangesTheMetrics() {
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        PainterSurface surface(painter, 10, 10);
        surface.SetFontSize(8);
        const int small = surface.TextWidth("999");
        surface.SetFontSize(18);
        QVERIFY(surface.TextWidth("999") > small);
        QVERIFY(surface.TextWidth("1234") > surface.TextWidth("12"));
    }

    void decimalSeparatorFollowsTheLocale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::newRow("Swedish") << QLocale(QLocale::Swedish, QLocale::Sweden) << QString(",");
        QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << QString(".");
    }

    void decimalSeparatorFollowsTheLocale() {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QLocale::setDefault(locale);
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        PainterSurface surface(painter, 10, 10);
        QCOMPARE(QString::fromStdString(surface.DecimalSeparator()), separator);
        QLocale::setDefault(QLocale::c());
    }

    // Coordinates hundreds of millions of pixels away are clipped before
    // they reach the raster engine: the visible part is the same as that of
    // a short figure, and figures wholly outside leave the image white.
    void farCoordinatesDrawTheirVisiblePartOnly() {
        const auto lineTo = [](int endX, int endY) {
            return [=](DrawingSurface& s) {
                s.MoveTo(10, 20);
                s.LineTo(endX, endY);
            };
        };
        constexpr int Far = 1 << 28;
        QCOMPARE(Paint(lineTo(Far, 20), 3), Paint(lineTo(100, 20), 3));
        QCOMPARE(Paint(lineTo(10, -Far), 3), Paint(lineTo(10, -50), 3));
        QCOMPARE(Inked(Paint(lineTo(Far, Far), 3)).topLeft(), QPoint(9, 19));

        const QImage outside = Paint(
            [](DrawingSurface& s) {
                s.Ellipse(Far, Far, Far + 5, Far + 5);
                s.Rectangle(-Far, -Far, -Far + 7, -Far + 7);
                const SurfacePoint p[] = {{-Far, 5}, {-Far + 8, 13}, {-Far - 8, 13}};
                s.Polygon(p, 3);
                s.TextOut(Far, 10, "999");
                s.FillRect(Far, Far, Far + 10, Far + 10);
            },
            16);
        QCOMPARE(Inked(outside), QRect());

        // A far rectangle edge and a far polygon corner keep the visible edges where they were.
        const QImage wide = Paint([](DrawingSurface& s) { s.Rectangle(10, 10, Far, Far); }, 3);
        const QImage near = Paint([](DrawingSurface& s) { s.Rectangle(10, 10, 100, 100); }, 3);
        QCOMPARE(wide, near);
        const QImage spike = Paint(
            [](DrawingSurface& s) {
                const SurfacePoint p[] = {{10, 10}, {30, 10}, {10, Far}};
                s.Polygon(p, 3);
            },
            1);
        QCOMPARE(spike.pixel(10, 39), qRgb(0, 0, 0));
        QCOMPARE(spike.pixel(30, 10), qRgb(0, 0, 0));
        QCOMPARE(spike.pixel(31, 39), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(PainterSurfaceTest)
#include "PainterSurfaceTest.moc"
