// Start-up sequence.
#include "app/StartUp.h"

#include <thread>

#include "ui/mainwindow/TForm1.h"
#include "ui/widgets/TSplashScreen.h"
#include "ui/widgets/TTypDokument.h"

namespace kaldoventri {

void BlockingSleep(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

std::unique_ptr<TForm1> StartProgram(const SplashWait& wait) {
    {
        TSplashScreen splash;
        splash.ShowAndPaint();
        wait(SplashTime);
        splash.hide();
    }
    auto mainWindow = std::make_unique<TForm1>();
    mainWindow->SetTypDokument(new TTypDokument(mainWindow.get()));
    mainWindow->showMaximized();
    return mainWindow;
}

}  // namespace kaldoventri
