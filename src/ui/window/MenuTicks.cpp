// Menu ticks.
#include "ui/window/MenuTicks.h"

#include "evaluation/CalculateSheet.h"
#include "evaluation/DrivingPattern.h"
#include "ui/views/DisplayOptions.h"
#include "ui_TForm1.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

MenuTicks::MenuTicks(Ui::TForm1& form, const Workbook& workbook, const DisplayOptions& options)
    : form_(form), workbook_(workbook), options_(options) {}

void MenuTicks::ShowYScale() {
    const int mode = workbook_.YScaleMode();
    form_.Menu_Diagram1->setChecked(mode == YScaleValue);
    form_.YSkala0->setChecked(mode == YScaleValue);
    form_.Menu_Diagram2->setChecked(mode == YScalePercent);
    form_.YSKala1->setChecked(mode == YScalePercent);
    form_.Menu_Diagram3->setChecked(mode == YScaleKgPerHa);
    form_.YSkala2->setChecked(mode == YScaleKgPerHa);
}

void MenuTicks::ShowDrivingPattern() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    const bool racetrack = sheet != nullptr && DrivingPatternOf(*sheet) == DrivingPattern::Racetrack;
    form_.Varvkorning1->setChecked(racetrack);
    form_.FramOchTillbaka1->setChecked(!racetrack);
}

void MenuTicks::ShowDisplayOptions() {
    form_.Visameter1->setChecked(options_.ShowMetres());
    form_.VisaBackar1->setChecked(options_.Trays() == DisplayOptions::TraySquares);
    form_.VisaBackarbacknr1->setChecked(options_.Trays() == DisplayOptions::TraySquaresAndNumbers);
    form_.VisaVKkurva1->setChecked(options_.ShowVKCurve());
    form_.VisaFaltbild1->setChecked(options_.ShowFieldMap());
}

}  // namespace kaldoventri
