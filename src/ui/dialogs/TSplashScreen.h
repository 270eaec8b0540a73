// The splash screen shown for the first seconds of a start: a frameless white
// panel with the program's logo, centred on the screen.
#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

namespace Ui {
class TSplashScreen;
}

namespace kaldoventri {

class TSplashScreen : public QWidget {
    Q_OBJECT

public:
    explicit TSplashScreen(QWidget* parent = nullptr);
    ~TSplashScreen() override;

    // Shows the window and paints it at once. Meant for the moment before the
    // application's event loop runs, when nothing else would paint it.
    void ShowAndPaint();

    // The logo as decoded from the program's resources (1576 x 832), or a null
    // image if it could not be read; the window then shows its bare panel.
    const QImage& Picture() const { return picture_; }

    // Reads and decodes the logo stored with the program.
    static QImage LoadPicture();

private:
    std::unique_ptr<Ui::TSplashScreen> ui_;
    QImage picture_;
};

}  // namespace kaldoventri
