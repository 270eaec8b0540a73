// Start-up sequence.
#include "app/StartUp.h"

#include <thread>

#include "ui/dialogs/TSplashScreen.h"
#include "ui/dialogs/TTypDokument.h"
#ifdef KALDOVENTRI_ARCHIVE
#include "ui/archive/ArchiveRoom.h"
#endif

namespace kaldoventri {

void BlockingSleep(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

StartedProgram StartProgram(const SplashWait& wait) {
    {
        TSplashScreen splash;
        splash.ShowAndPaint();
        wait(SplashTime);
        splash.hide();
    }
    StartedProgram program;
    program.workbook = std::make_unique<Workbook>();
    program.window = std::make_unique<TForm1>(*program.workbook);
    program.window->SetTypDokument(new TTypDokument(program.window.get()));
#ifdef KALDOVENTRI_ARCHIVE
    program.archive = new ArchiveRoom(*program.window);
#endif
    program.window->showMaximized();
    return program;
}

}  // namespace kaldoventri
