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
    settings.kit = KitOf(sheet);
    settings.workingWidth = sheet.GetABredd();
    settings.amounts.assign(static_cast<std::size_t>(sheet.GetTrayCount()), 0);
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray)
        settings.amounts[static_cast<std::size_t>(tray - 1)] = sheet.GetTrayAmount(tray);
    settings.units = sheet.GetUnits();
    settings.record = sheet.GetRecord();
    return settings;
}

void ApplySettings(const SheetSettings& settings, TNewTabSheet& sheet) {
    sheet.SetDescription(settings.fertiliserMaker.toStdString(), settings.spreaderMaker.toStdString(),
                         settings.fertiliserName.toStdString(), settings.spreaderModel.toStdString(),
                         settings.kit.layout, settings.workingWidth, settings.spreaderSetting.toStdString(),
                         settings.productionSite.toStdString());
    ApplyKit(settings.kit, sheet);
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) {
        const auto i = static_cast<std::size_t>(tray - 1);
        sheet.SetTrayAmount(i < settings.amounts.size() ? settings.amounts[i] : 0, tray);
    }
    sheet.SetUnits(settings.units);
    sheet.SetRecord(settings.record);
}

}  // namespace kaldoventri
