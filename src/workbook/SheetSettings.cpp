// Between a sheet and the values of the test entry dialog.
#include "workbook/SheetSettings.h"

namespace kaldoventri {

SheetSettings SettingsOf(const TNewTabSheet& sheet) {
    SheetSettings settings;
    settings.spreaderMaker = QString::fromStdString(sheet.GetSpridarFabrikat());
    settings.spreaderModel = QString::fromStdString(sheet.GetSpridarModell());
    settings.spreaderSetting = QString::fromStdString(sheet.GetSpridarInstallning());
    settings.fertiliserName = QString::fromStdString(sheet.GetGodselMedel());
    settings.fertiliserMaker = QString::fromStdString(sheet.GetGodselFabrikat());
    settings.productionSite = QString::fromStdString(sheet.GetProduktionsplats());
    settings.layout = sheet.GetBackuppstallning() == Layout12m ? Layout12m : Layout24m;
    settings.workingWidth = sheet.GetABredd();
    for (int tray = 1; tray <= TrayCount; ++tray)
        settings.amounts[static_cast<std::size_t>(tray - 1)] = sheet.GetTrayAmount(tray);
    return settings;
}

void ApplySettings(const SheetSettings& settings, TNewTabSheet& sheet) {
    sheet.SetDescription(settings.fertiliserMaker.toStdString(), settings.spreaderMaker.toStdString(),
                         settings.fertiliserName.toStdString(), settings.spreaderModel.toStdString(),
                         settings.layout, settings.workingWidth, settings.spreaderSetting.toStdString(),
                         settings.productionSite.toStdString());
    for (int tray = 1; tray <= TrayCount; ++tray) {
        sheet.SetTrayAmount(settings.amounts[static_cast<std::size_t>(tray - 1)], tray);
        sheet.SetTrayPosition(tray, TrayPlacementFor(settings.layout, tray));
    }
}

}  // namespace kaldoventri
