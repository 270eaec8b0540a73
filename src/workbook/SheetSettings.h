// What the test entry dialog holds for one test: its description, tray
// layout, working width and the 26 tray amounts. A new sheet is made from
// these values and a sheet's settings are changed with them; the dialog is
// filled from a sheet's values when it is shown and read after OK.
#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

#include "evaluation/TNewTabSheet.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri {

struct SheetSettings {
    QString spreaderMaker;    // SpridarFabrikat
    QString spreaderModel;    // SpridarModell
    QString spreaderSetting;  // SpridarInstallning
    QString fertiliserName;   // GodselMedel
    QString fertiliserMaker;  // GodselFabrikat
    QString productionSite;   // Produktionsplats
    int layout = Layout12m;
    int workingWidth = DefaultWorkingWidth;  // half-metres
    std::array<qint32, TrayCount> amounts{};  // tray 1 first
};

// The settings a sheet holds now. Every layout code other than 0 is "24 m".
SheetSettings SettingsOf(const TNewTabSheet& sheet);

// Writes the settings into a sheet: description, amounts and the tray
// positions of the layout. The sheet is not evaluated.
void ApplySettings(const SheetSettings& settings, TNewTabSheet& sheet);

}  // namespace kaldoventri
