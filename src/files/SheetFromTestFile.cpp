// From read values to a sheet.
#include "SheetFromTestFile.h"

#include "WholeNumber.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri {

std::variant<std::array<qint32, TrayCount>, TestFileError> CompleteTrayAmounts(
    const TestFileContents& contents, const std::array<QString, TrayCount>& trayFieldTexts) {
    std::array<qint32, TrayCount> amounts{};
    for (qsizetype i = 0; i < TrayCount; ++i) {
        const auto tray = static_cast<std::size_t>(i);
        if (i < contents.TrayValues.size()) {
            amounts[tray] = contents.TrayValues[i];
            continue;
        }
        const auto value = ParseWholeNumber(trayFieldTexts[tray]);
        if (!value)
            return TestFileError{TestFileError::Kind::NotAnInteger, trayFieldTexts[tray],
                                 NotAValidIntegerMessage(trayFieldTexts[tray])};
        amounts[tray] = *value;
    }
    return amounts;
}

void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents,
                           const std::array<qint32, TrayCount>& amounts) {
    sheet.SetDescription(contents.GodselFabrikat.toStdString(), contents.SpridarFabrikat.toStdString(),
                         contents.GodselMedel.toStdString(), contents.SpridarModell.toStdString(),
                         contents.Backuppstallning, contents.ABredd, contents.SpridarInstallning.toStdString(),
                         contents.Produktionsplats.toStdString());
    for (int tray = 1; tray <= TrayCount; ++tray) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(tray - 1)], tray);
        sheet.SetTrayPosition(tray, TrayPlacementFor(contents.Backuppstallning, tray));
    }
    SetDrivingPattern(sheet, contents.Pattern);
}

}  // namespace kaldoventri
