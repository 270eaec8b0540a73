// The ticks of the main window's menu items, which show what the workbook
// and the display options hold: the Y scale (both menus), the driving pattern
// of the current sheet, the metre labels, the tray marks and the VK curve.
// The items never keep a state of their own: after every change, and after
// every click (an item flips its own tick), they are set again from here.
#pragma once

namespace Ui {
class TForm1;
}

namespace kaldoventri {

class DisplayOptions;
class Workbook;

class MenuTicks {
public:
    MenuTicks(Ui::TForm1& form, const Workbook& workbook, const DisplayOptions& options);

    void ShowYScale();
    void ShowDrivingPattern();
    void ShowDisplayOptions();

private:
    Ui::TForm1& form_;
    const Workbook& workbook_;
    const DisplayOptions& options_;
};

}  // namespace kaldoventri
