// The analysis commands of the main window and their menu items:
// "Visa VK-kurva" (Diagram menu and pop-up menu) shows the VK-curve view under
// the spread diagram, in a splitter the user can drag; "Körmönster" ("Fram
// och tillbaka", "Varvkörning") sets how the current sheet's neighbour passes
// were driven; "Medelvärde av blad..." (Arkiv menu) makes a sheet of the mean
// of chosen replicate sheets. The items are made here, beside the window's
// stored layout, so that it stays as it was without them.
#pragma once

#include <QObject>

class QAction;
class QActionGroup;
class QMenu;
class QSplitter;
class QWidget;

namespace Ui {
class TForm1;
}

namespace kaldoventri {

class VKCurveView;
class Workbook;

class AnalysisCommands : public QObject {
    Q_OBJECT

public:
    AnalysisCommands(Ui::TForm1& form, Workbook& workbook, QMenu& popupMenu, QWidget* window);

    VKCurveView& CurveView() const { return *curveView_; }

    // "Visa VK-kurva": shows or hides the view.
    void VisaVKkurvaClick();
    // "Fram och tillbaka" (false) or "Varvkörning" (true).
    void KormonsterClick(bool racetrack);
    // "Medelvärde av blad...".
    void MedelvardeClick();

signals:
    // A click on the curve asks for this working width (half-metres).
    void widthChosen(int halfMetres);

private:
    void BuildItems(Ui::TForm1& form, QMenu& popupMenu);
    void ShowPatternOfCurrentSheet();

    Workbook& workbook_;
    QWidget* window_;
    QSplitter* splitter_;
    VKCurveView* curveView_;
    QAction* showCurve_ = nullptr;
    QAction* backAndForth_ = nullptr;
    QAction* racetrack_ = nullptr;
    QAction* average_ = nullptr;
};

}  // namespace kaldoventri
