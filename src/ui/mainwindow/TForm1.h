// The main window: tool bar, result and description labels of the current
// sheet, the diagram area, the strip of 26 tray fields with the working-width
// arrows, and the page control whose tabs are the open test sheets.
//
// The controls come from the stored layout TForm1.ui and are public members
// named as in the layout (VK_Label, Spara_ToolButton, UpDown1, ...). The
// window's work is split over several files: TForm1.cpp (creation, menus,
// resize, close), TrayStrip.cpp (the tray fields), SheetWorkflow.cpp (new,
// edit, show and close sheets), DiagramCommands.cpp (display options, copy,
// print, pointer read-out) and FileCommands.cpp (save and open).
#pragma once

#include <array>
#include <memory>

#include <QMainWindow>
#include <QPointer>
#include <QPrinter>

#include "evaluation/TNewTabSheet.h"
#include "ui_TForm1.h"

class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace kaldoventri {

class TCopyDiagram;
class TDiagram;
class PointerReadout;
class TPrintDiagram;
class TTypDokument;
class TrayKeyFilter;

class TForm1 : public QMainWindow, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The test entry dialog is created after the main window and handed over here.
    void SetTypDokument(TTypDokument* dialog) { TypDokument = dialog; }
    TTypDokument* TypDokument = nullptr;

    // --- State shared with the file commands ---
    TNewTabSheet* CurrentSheet() const { return currentSheet_; }
    int NextSheetNumber() const { return nextSheetNumber_; }
    int YScaleMode() const { return yScaleMode_; }
    static constexpr int TrayEditCount = TrayCount;
    // Tray field and its number label, trays 1 to 26 (nullptr otherwise).
    QLineEdit* TrayEdit(int tray) const;
    QLabel* TrayEditLabel(int tray) const;
    QMenu* PopupMenu1 = nullptr;
    QTimer* Timer1 = nullptr;
    QPrinter& Printer() { return printer_; }
    PointerReadout* ReadoutWindow() const { return readoutWindow_.get(); }
    QRect ReadoutRect() const { return readoutRect_; }
    const TDiagram& ScreenDiagram() const { return *screenDiagram_; }
    const TCopyDiagram& CopyDiagram() const { return *copyDiagram_; }
    const TPrintDiagram& PrintDiagram() const { return *printDiagram_; }

    // Creates a sheet named "Blad" + NextSheetNumber with the given title,
    // adds it as the last page, makes it the current sheet and the active
    // page, sets the captions, raises NextSheetNumber and shows the close button.
    TNewTabSheet* AddNewSheet(const QString& title);
    // Sets a sheet's Title with its tab caption, and the window caption when
    // the sheet is the current one.
    void SetSheetTitle(TNewTabSheet* sheet, const QString& title);

    // --- File commands (FileCommands.cpp) ---
    void SaveSheetToFile();
    void OpenSheetFromFile();
    bool IsTestFile(const QString& fileName);

    // --- Sheet workflow (SheetWorkflow.cpp) ---
    void NewSheet();
    void EditSheetSettings(int workingWidth);
    void ShowActiveSheet();
    void CloseActiveSheet();
    void CloseAllSheets();
    void SetYScaleMode(int mode);
    void CalculateSheet();
    void CopySettingsToSheet();
    void CommitTrayEdits();
    void TrayEditKeyPress();
    void TrayEditKeyUp();
    void TrayEditExit(QLineEdit* field);

    // --- Menu commands and events (TForm1.cpp, DiagramCommands.cpp) ---
    void setupClick();             // "Ändra inställningar"
    void PopupMenu_SetupClick();   // "Inställningar" in the pop-up menu
    void UpDown1Click();
    void Kopiera1Click();
    void Print_ToolButtonClick();
    void Instllningar1Click();
    void Om1Click();
    void Visameter1Click();
    void VisaBackar1Click();
    void VisaBackarbacknr1Click();
    void PageControl1Change();
    void Box_ScrollBarChange();
    void Diagram_PaintBoxMouseMove(int x, int y);
    void Diagram_PaintBoxClick();
    void Timer1Timer();
    void FormResize();

    // --- Tray strip (TrayStrip.cpp) ---
    void CreateTrayEdits();
    void ArrangeTrayEdits();
    void ScrollTrayEdits();
    void PlaceCloseButton();
    void AlignResultLabels();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void ConnectCommands();
    void BuildPopupMenu();
    void Diagram_PaintBoxPaint(QPainter& painter);
    void Diagram_PaintBoxMouseLeave();
    void ShowPopupMenu(QWidget* source, const QPoint& pos);
    // Runs a command through the command boundary.
    void Run(void (TForm1::*command)());
    bool RunDialogLoop();
    void TakeDialogValues(TNewTabSheet& sheet);
    void FillResultLabels(const TNewTabSheet* sheet);
    void FillDescriptionLabels(const TNewTabSheet* sheet);
    void SetTrayMarkingBoth(int mode);
    void ChooseTrayMarking(const QAction* chosen, int mode);
    int TrayOfEdit(const QObject* object) const;
    void PlaceTrayEdit(int tray, int slot, bool shown);
    void QueueTrayEditExit(QLineEdit* field);
    bool AnyTrayEditEmpty() const;
    int LastEmptyTrayEdit() const;

    TNewTabSheet* currentSheet_ = nullptr;
    int nextSheetNumber_ = 1;
    int yScaleMode_ = 0;
    std::array<QLineEdit*, TrayCount> trayEdits_{};
    std::array<QLabel*, TrayCount> trayEditLabels_{};
    TrayKeyFilter* trayKeyFilter_ = nullptr;

    std::unique_ptr<TDiagram> screenDiagram_;
    std::unique_ptr<TCopyDiagram> copyDiagram_;
    std::unique_ptr<TPrintDiagram> printDiagram_;
    QPrinter printer_{QPrinter::HighResolution};

    std::unique_ptr<PointerReadout> readoutWindow_;
    QRect readoutRect_;
    int lastMouseX_ = 0;
    int lastMouseY_ = 0;
    bool pointerOverDiagram_ = false;
    // The last arrangement left trays out, so the strip needs its scroll bar.
    bool trayStripScrolls_ = false;

    // Guards of the tray fields' exit message, so that no chain of
    // "Saknas värde!" messages can trap the user.
    bool trayExitShowing_ = false;
    bool returningFocus_ = false;
};

}  // namespace kaldoventri
