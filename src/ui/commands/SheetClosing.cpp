// The questions before sheets are closed, and the saving they lead to.
#include "ui/commands/SheetClosing.h"

#include <QStringList>

#include "ui/commands/FileCommands.h"
#include "ui/support/MessageBoxes.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

SheetClosing::SheetClosing(QWidget* window, Workbook& workbook, FileCommands& files)
    : window_(window), workbook_(workbook), files_(files) {}

bool SheetClosing::SaveOrDiscard(const std::vector<int>& unsaved) {
    if (unsaved.empty()) return true;
    QStringList titles;
    for (const int index : unsaved) titles << QString::fromStdString(workbook_.Sheet(index)->GetTitle());
    switch (AskSaveChanges(window_, titles)) {
        case SaveAnswer::Cancel: return false;
        case SaveAnswer::Discard: return true;
        case SaveAnswer::Save: break;
    }
    for (const int index : unsaved) {
        // A sheet that needs a file name is shown while its dialog asks for one.
        if (workbook_.FilePath(index).isEmpty()) workbook_.SetCurrentIndex(index);
        if (!files_.Save(index)) return false;
    }
    return true;
}

void SheetClosing::CloseCurrent() {
    const int current = workbook_.CurrentIndex();
    if (current < 0) return;
    if (workbook_.IsModified(current) && !SaveOrDiscard({current})) return;
    workbook_.CloseSheet(current);
}

void SheetClosing::CloseAll() {
    if (SaveOrDiscard(workbook_.ModifiedSheets())) workbook_.CloseAllSheets();
}

bool SheetClosing::ConfirmEnd() { return SaveOrDiscard(workbook_.ModifiedSheets()); }

}  // namespace kaldoventri
