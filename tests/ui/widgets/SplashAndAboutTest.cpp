// JPEG decoding, the splash screen's picture and layout, and the about box.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "ui/dialogs/JpegImage.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TSplashScreen.h"

using namespace kaldoventri;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QByteArray TestData(const char* name) {
    return ReadFile(QStringLiteral(KALDOVENTRI_TEST_DATA "/") + QLatin1String(name));
}

bool Near(QRgb pixel, QColor expected, int tolerance = 12) {
    return std::abs(qRed(pixel) - expected.red()) <= tolerance &&
           std::abs(qGreen(pixel) - expected.green()) <= tolerance &&
           std::abs(qBlue(pixel) - expected.blue()) <= tolerance;
}

}  // namespace

class SplashAndAboutTest : public QObject {
    Q_OBJECT

private slots:
    void decodesColourAndGreyPictures() {
        const QImage colour = DecodeJpeg(TestData("colour-progressive.jpg"));
        QCOMPARE(colour.size(), QSize(32, 16));
        QVERIFY(Near(colour.pixel(4, 8), Qt::red));
        QVERIFY(Near(colour.pixel(27, 8), Qt::blue));

        const QImage grey = DecodeJpeg(TestData("grey.jpg"));
        QCOMPARE(grey.size(), QSize(16, 8));
        // A grey picture comes out as RGB with equal channels, dark at the top.
        const QRgb top = grey.pixel(8, 0);
        const QRgb bottom = grey.pixel(8, 7);
        QCOMPARE(qRed(top), qBlue(top));
        QVERIFY(qRed(top) < 40 && qRed(bottom) > 215);
    }

    void refusesDamagedInput_data() {
        const QByteArray good = ReadFile(QStringLiteral(":/splash/kaldoventri-splash.jpg"));
        QVERIFY(good.size() > 10000);
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a this is no picture at all", 32);
        QTest::newRow("start marker only") << good.left(2);
        QTest::newRow("header only") << good.left(600);
        QTest::newRow("cut in half") << good.left(good.size() / 2);
        QTest::newRow("end marker missing") << good.left(good.size() - 2);
        QByteArray scrambled = good;
        for (qsizetype i = good.size() / 3; i < good.size() / 3 + 64; ++i) scrambled[i] = char(0xFF);
        QTest::newRow("markers in the scan") << scrambled;
        // The frame header after the SOF0 marker: height and width in two bytes each.
        const qsizetype sof = good.indexOf(QByteArray("\xFF\xC0", 2));
        QVERIFY(sof > 0);
        for (char high : {char(0xFF), char(0x4E)}) {
            QByteArray huge = good;
            huge[sof + 5] = huge[sof + 7] = high;
            huge[sof + 6] = huge[sof + 8] = char(high == char(0xFF) ? 0xFF : 0x20);
            QTest::newRow(high == char(0xFF) ? "claims 65535 x 65535" : "claims 20000 x 20000") << huge;
        }
        QTest::newRow("CMYK") << TestData("cmyk.jpg");
    }
    void refusesDamagedInput() {
        QFETCH(QByteArray, bytes);
        QVERIFY(DecodeJpeg(bytes).isNull());
    }

    void splashPictureIsTheStoredColourLogo() {
        const QImage picture = TSplashScreen::LoadPicture();
        QCOMPARE(picture.size(), QSize(1576, 832));
        QVERIFY(!picture.isGrayscale());
        // White ground.
        QVERIFY(Near(picture.pixel(4, 4), Qt::white));
        QVERIFY(Near(picture.pixel(1571, 827), Qt::white));
    }

    void splashLayout() {
        TSplashScreen splash;
        QCOMPARE(splash.size(), QSize(448, 251));
        QCOMPARE(splash.windowTitle(), QStringLiteral("Kaldoventri"));
        QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
        auto* panel = splash.findChild<QFrame*>("Panel1");
        auto* image = splash.findChild<QLabel*>("Image1");
        QVERIFY(panel && image);
        QCOMPARE(panel->geometry(), QRect(0, 0, 448, 251));
        QCOMPARE(panel->frameShadow(), QFrame::Raised);
        QCOMPARE(image->geometry(), QRect(24, 16, 394, 208));
        QCOMPARE(image->pixmap().size(), QSize(394, 208));
        QCOMPARE(splash.geometry().center(), QGuiApplication::primaryScreen()->geometry().center());

        splash.ShowAndPaint();
        QVERIFY(splash.isVisible());
        const QImage shown = splash.grab().toImage();
        // The white panel round the picture, and the picture's coloured logo.
        QVERIFY(Near(shown.pixel(12, 125), Qt::white));
        QVERIFY(Near(shown.pixel(436, 125), Qt::white));
        int coloured = 0;
        for (int y = 16; y < 224; y += 2)
            for (int x = 24; x < 418; x += 2) {
                const QRgb p = shown.pixel(x, y);
                if (std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 80)
                    ++coloured;
            }
        QVERIFY2(coloured > 200, qPrintable(QString::number(coloured)));
    }

    void aboutBoxLayout() {
        TAboutBox box;
        QCOMPARE(box.windowTitle(), QStringLiteral("Om"));
        QCOMPARE(box.size(), QSize(186, 138));
        QCOMPARE(box.findChild<QLabel*>("ProductName")->text(), QStringLiteral("Kaldoventri"));
        QCOMPARE(box.findChild<QLabel*>("Version")->text(), QStringLiteral("Version 1.03"));
        const QString address = box.findChild<QLabel*>("Label1")->text();
        QVERIFY(address.endsWith(QStringLiteral(".example")));
        auto* ok = box.findChild<QPushButton*>("OKButton");
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->geometry(), QRect(55, 108, 75, 25));
        QCOMPARE(box.findChild<QLabel*>("ProgramIcon")->geometry(), QRect(16, 20, 41, 45));
        QVERIFY(!box.findChild<QLabel*>("ProgramIcon")->pixmap().isNull());
        for (auto* label : box.findChildren<QLabel*>())
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
        // The web address keeps clear of the panel's edge, as far as from its left.
        const auto* web = box.findChild<QLabel*>("Label1");
        QVERIFY(web->parentWidget()->width() - web->geometry().right() > web->x() / 2);
    }

    void aboutBoxIsNewForEveryShowing_data() {
        QTest::addColumn<int>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("OK button") << 0 << int(QDialog::Accepted);
        QTest::newRow("Enter") << 1 << int(QDialog::Accepted);
        QTest::newRow("close box") << 2 << int(QDialog::Rejected);
    }
    void aboutBoxIsNewForEveryShowing() {
        QFETCH(int, how);
        QFETCH(int, result);
        QWidget owner;
        QList<QPointer<QWidget>> boxes;
        for (int showing = 0; showing < 2; ++showing) {
            QTimer::singleShot(0, [&] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(qobject_cast<TAboutBox*>(box));
                QCOMPARE(box->parentWidget(), &owner);
                boxes << box;
                if (how == 0)
                    QTest::mouseClick(box->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
                else if (how == 1)
                    QTest::keyClick(box, Qt::Key_Return);
                else
                    box->close();
            });
            QCOMPARE(TAboutBox::Execute(&owner), result);
            // Freed as soon as it closed.
            QCOMPARE(boxes.size(), showing + 1);
            QVERIFY(boxes.last().isNull());
            QVERIFY(owner.findChildren<TAboutBox*>().isEmpty());
        }
    }
};

QTEST_MAIN(SplashAndAboutTest)
#include "SplashAndAboutTest.moc"
