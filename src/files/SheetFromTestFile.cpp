// From read values to a sheet.
#include "SheetFromTestFile.h"

#include "WholeNumber.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

std::variant<TrayAmounts, TestFileError> CompleteTrayAmounts(const TestFileContents& contents) {
    const qsizetype trays = contents.Kit ? static_cast<qsizetype>(contents.Kit->positions.size()) : TrayCount;
    if (contents.TrayValues.size() < trays)
        return TestFileError{TestFileError::Kind::NotAnInteger, QString(), NotAValidIntegerMessage(u"")};
    return TrayAmounts(contents.TrayValues.begin(), contents.TrayValues.begin() + trays);
}

void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents, const TrayAmounts& amounts) {
    sheet.SetDescription(contents.GodselFabrikat.toStdString(), contents.SpridarFabrikat.toStdString(),
                         contents.GodselMedel.toStdString(), contents.SpridarModell.toStdString(),
                         contents.Backuppstallning, contents.ABredd, contents.SpridarInstallning.toStdString(),
                         contents.Produktionsplats.toStdString());
    ApplyKit(contents.Kit ? *contents.Kit : BuiltInKit(contents.Backuppstallning), sheet);
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) {
        const auto i = static_cast<std::size_t>(tray - 1);
        sheet.SetTrayAmount(i < amounts.size() ? amounts[i] : 0, tray);
    }
    SetDrivingPattern(sheet, contents.Pattern);
    sheet.SetOrigin(contents.Origin.toStdString());
    sheet.SetUnits(contents.Units);
    sheet.SetRecord(contents.Record);
}

}  // namespace kaldoventri
