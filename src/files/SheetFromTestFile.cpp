// From read values to a sheet.
#include "SheetFromTestFile.h"

#include "WholeNumber.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/TrayKit.h"

namespace kaldoventri {

std::variant<TrayAmounts, TestFileError> CompleteTrayAmounts(const TestFileContents& contents,
                                                             const std::optional<TrayAmounts>& shownAmounts) {
    const qsizetype trays = contents.Kit ? static_cast<qsizetype>(contents.Kit->positions.size()) : TrayCount;
    const qsizetype given = contents.TrayValues.size();
    const qsizetype shown = shownAmounts ? static_cast<qsizetype>(shownAmounts->size()) : 0;
    if (given < trays && shown < trays)
        return TestFileError{TestFileError::Kind::NotAnInteger, QString(), NotAValidIntegerMessage(u"")};
    TrayAmounts amounts(static_cast<std::size_t>(trays));
    for (qsizetype i = 0; i < trays; ++i) {
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
    ApplyKit(contents.Kit ? *contents.Kit : BuiltInKit(contents.Backuppstallning), sheet);
    for (int tray = 1; tray <= sheet.GetTrayCount(); ++tray) {
        const auto i = static_cast<std::size_t>(tray - 1);
        sheet.SetTrayAmount(i < amounts.size() ? amounts[i] : 0, tray);
    }
    SetDrivingPattern(sheet, contents.Pattern);
    sheet.SetOrigin(contents.Origin.toStdString());
    sheet.SetUnits(contents.Units);
}

}  // namespace kaldoventri
