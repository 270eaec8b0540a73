// The diagram's pop-up menu: the Y scales, the display options, the VK curve,
// the driving pattern and the settings, the same actions as the main menu's.
// A right click on the diagram, the curve, the panels or the sheet tabs opens
// it; the result and description boxes' second group opens nothing.
#pragma once

#include <QMenu>
#include <functional>

namespace Ui {
class TForm1;
}

namespace kaldoventri {

class DiagramPopupMenu : public QMenu {
public:
    // `beforeOpening` runs before the menu shows (the pointer read-out would cover it).
    DiagramPopupMenu(Ui::TForm1& form, QWidget* window, std::function<void()> beforeOpening);

private:
    void OpenAt(QWidget* source, const QPoint& pos);

    std::function<void()> beforeOpening_;
};

// The window's icon and the tool buttons' pictures.
void SetWindowIcons(Ui::TForm1& form, QWidget* window);

}  // namespace kaldoventri
