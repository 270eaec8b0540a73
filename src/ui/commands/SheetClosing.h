// Closing sheets and the program without throwing unsaved work away: "Stäng"
// of an unsaved sheet asks whether to save it, "Stäng alla" and the end of
// the program ask once for all unsaved sheets. "Avbryt", or a save dialog
// cancelled on the way, leaves every sheet as it was.
#pragma once

#include <vector>

class QWidget;

namespace kaldoventri {

class FileCommands;
class Workbook;

class SheetClosing {
public:
    SheetClosing(QWidget* window, Workbook& workbook, FileCommands& files);

    // "Stäng": the current sheet, after the question when it is unsaved.
    void CloseCurrent();
    // "Stäng alla".
    void CloseAll();
    // Before the program ends: true when the unsaved sheets were saved or the
    // user chose not to save them; false when the program is to run on.
    bool ConfirmEnd();

private:
    // Asks about the given unsaved sheets and saves them when told to; true
    // when the close may go on.
    bool SaveOrDiscard(const std::vector<int>& unsaved);

    QWidget* window_;
    Workbook& workbook_;
    FileCommands& files_;
};

}  // namespace kaldoventri
