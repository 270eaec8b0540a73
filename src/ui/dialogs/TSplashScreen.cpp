// The splash screen. The logo is stored at four times the size it is shown
// and scaled down once, smoothly, rather than at every paint.
#include "ui/dialogs/TSplashScreen.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include "ui/dialogs/JpegImage.h"
#include "ui_TSplashScreen.h"

namespace kaldoventri {

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      ui_(std::make_unique<Ui::TSplashScreen>()) {
    ui_->setupUi(this);
    setFixedSize(size());

    QPalette white = ui_->Panel1->palette();
    white.setColor(QPalette::Window, Qt::white);
    ui_->Panel1->setPalette(white);
    ui_->Panel1->setAutoFillBackground(true);

    picture_ = LoadPicture();
    if (!picture_.isNull()) {
        const QSize shown = ui_->Image1->size();
        ui_->Image1->setPixmap(QPixmap::fromImage(
            picture_.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TSplashScreen::~TSplashScreen() = default;

QImage TSplashScreen::LoadPicture() {
    QFile file(QStringLiteral(":/splash/kaldoventri-splash.jpg"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeJpeg(file.readAll());
}

void TSplashScreen::ShowAndPaint() {
    show();
    // The window system must map the window before anything painted reaches
    // the screen; wait for that briefly, handling no user input meanwhile.
    QDeadlineTimer deadline(1000);
    while (windowHandle() && !windowHandle()->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
        if (!windowHandle()->isExposed()) QThread::msleep(5);
    }
    repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kaldoventri
