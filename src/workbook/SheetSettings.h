// What the test entry dialog holds for one test: its description, tray kit,
// working width and tray amounts. A new sheet is made from these values and a
// sheet's settings are changed with them; the dialog is filled from a sheet's
// values when it is shown and read after OK.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

#include "evaluation/TNewTabSheet.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

struct SheetSettings {
    QString spreaderMaker;    // SpridarFabrikat
    QString spreaderModel;    // SpridarModell
    QString spreaderSetting;  // SpridarInstallning
    QString fertiliserName;   // GodselMedel
    QString fertiliserMaker;  // GodselFabrikat
    QString productionSite;   // Produktionsplats
    TrayKit kit = BuiltInKit(Layout12m);
    int workingWidth = DefaultWorkingWidth;  // half-metres
    std::vector<qint32> amounts = std::vector<qint32>(TrayCount);  // one per tray of the kit, tray 1 first
    SheetUnits units;  // tray area, amount unit, density and target; none for a test without them
    TestRecord record;  // date, customer, tester and conditions; none for a test without them
};

// The settings a sheet holds now. Every layout code other than 0 and 2 is "24 m".
SheetSettings SettingsOf(const TNewTabSheet& sheet);

// Writes the settings into a sheet: description, kit (tray count, positions,
// search range), amounts and units. The sheet is not evaluated.
void ApplySettings(const SheetSettings& settings, TNewTabSheet& sheet);

}  // namespace kaldoventri
