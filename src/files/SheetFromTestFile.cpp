// From read values to a sheet.
#include "SheetFromTestFile.h"

#include "WholeNumber.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/TrayLayout.h"

namespace kaldoventri {

std::variant<TrayAmounts, TestFileError> CompleteTrayAmounts(const TestFileContents& contents,
                                                             const std::optional<TrayAmounts>& shownAmounts) {
    const qsizetype given = contents.TrayValues.size();
    if (given < TrayCount && !shownAmounts)
        return TestFileError{TestFileError::Kind::NotAnInteger, QString(), NotAValidIntegerMessage(u"")};
    TrayAmounts amounts{};
    for (qsizetype i = 0; i < TrayCount; ++i) {
        const auto tray = static_cast<std::size_t>(i);
        amounts[tray] = i < given ? contents.TrayValues[i] : (*shownAmounts)[tray];
    }
    return amounts;
}

void FillSheetFromTestFile(TNewTabSheet& sheet, const TestFileContents& contents, const TrayAmounts& amounts) {
    sheet.SetDescription(contents.GodselFabrikat.toStdString(), contents.SpridarFabrikat.toStdString(),
                         contents.GodselMedel.toStdString(), contents.SpridarModell.toStdString(),
                         contents.Backuppstallning, contents.ABredd, contents.SpridarInstallning.toStdString(),
                         contents.Produktionsplats.toStdString());
    for (int tray = 1; tray <= TrayCount; ++tray) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(tray - 1)], tray);
        sheet.SetTrayPosition(tray, TrayPlacementFor(contents.Backuppstallning, tray));
    }
    SetDrivingPattern(sheet, contents.Pattern);
    sheet.SetOrigin(contents.Origin.toStdString());
}

}  // namespace kaldoventri
