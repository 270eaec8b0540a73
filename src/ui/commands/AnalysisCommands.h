// The analysis commands of the main window: "Visa VK-kurva" (Diagram menu and
// pop-up menu) shows or hides the VK-curve view under the spread diagram;
// "Körmönster" ("Fram och tillbaka", "Varvkörning") sets how the current
// sheet's neighbour passes were driven; "Medelvärde av blad..." (Arkiv menu)
// makes a sheet of the mean of chosen replicate sheets. The window's menus
// and views follow the workbook and the display options they change.
#pragma once

class QWidget;

namespace kaldoventri {

class DisplayOptions;
class Workbook;

class AnalysisCommands {
public:
    AnalysisCommands(Workbook& workbook, DisplayOptions& options, QWidget* window);

    // "Visa VK-kurva": shows the view when it is hidden and hides it when shown.
    void VisaVKkurvaClick();
    void VisaFaltbildClick();
    // "Fram och tillbaka" (false) or "Varvkörning" (true).
    void KormonsterClick(bool racetrack);
    // "Medelvärde av blad...".
    void MedelvardeClick();

private:
    Workbook& workbook_;
    DisplayOptions& options_;
    QWidget* window_;
};

}  // namespace kaldoventri
