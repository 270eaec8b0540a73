// The main window: a view of the workbook's current sheet (result and
// description labels, the diagram, the tray strip with the working-width
// arrows, the VK curve, the sheet tabs) and the commands of its menus,
// buttons and events.
//
// The commands are short: each hands its work to the workbook (which changes
// and evaluates the sheets and tells its views), to the display options
// (which the menu ticks and the diagram surfaces follow), or to one of the
// window's parts: TrayStrip (the 26 tray fields), ReadoutTracker (the pointer
// read-out), DiagramOutput (clipboard and printer), FileCommands (save and
// open), SheetClosing (the questions before unsaved sheets are closed),
// ReportCommands (report and table), AnalysisCommands (the VK-curve
// view, the driving pattern, averaged sheets) and ResultPanel (the labels).
// The controls come from the stored layout TForm1.ui and are private; they
// carry the component names as object names (VK_Label, Spara_ToolButton ...).
#pragma once

#include <QMainWindow>
#include <QPointer>

#include <memory>

#include "ui/commands/FileCommands.h"
#include "ui/support/RecentFolder.h"
#include "workbook/Workbook.h"

class QAction;
class QLineEdit;
class QMenu;
class QPrinter;

namespace Ui {
class TForm1;
}

namespace kaldoventri {

class AnalysisCommands;
class DiagramOutput;
class DisplayOptions;
class MenuTicks;
class ReadoutTracker;
class ReportCommands;
class ResultPanel;
class ScaleWindow;
class SheetClosing;
class TTypDokument;
class TrayStrip;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(Workbook& workbook, QWidget* parent = nullptr);
    ~TForm1() override;

    // The test entry dialog is created after the main window and handed over here.
    void SetTypDokument(TTypDokument* dialog) { TypDokument = dialog; }
    TTypDokument* GetTypDokument() const { return TypDokument; }
    Workbook& GetWorkbook() const { return workbook_; }
    // The printer and settings chosen under Skrivare, Inställningar.
    QPrinter& Printer();
    const DiagramOutput& Output() const { return *output_; }
    const ReadoutTracker& Readout() const { return *readout_; }
    ReportCommands& Reports() { return *reports_; }
    // A comparison window of the open sheets at `indices`, the reference first.
    void CompareSheets(const std::vector<int>& indices);
    // The test archive, where the program has one: Arkiv > "Provarkiv..."
    // shows its window, and every sheet saved or opened is told to it.
    void ConnectArchive(std::function<void()> showWindow, FileCommands::FileHook keepTest);

    // --- Sheet commands ---
    void NewSheet();
    // A retest after a setting change: the current sheet's description, kit,
    // units and working width, the amounts left to be typed.
    void NewSheetLikeCurrent();
    // "Läs från våg": a scale fills the strip's trays of the current sheet.
    void LasFranVag1Click();
    // "Kopiera fältbild": the field map of the current sheet as a picture.
    void KopieraFaltbild1Click();
    void OpenSheetFromFile();
    void OpenFile(const QString& path);
    // Opens each file as "Öppna" would, in order; a refused file gets its
    // message and the others still open (files given on the command line).
    void OpenFiles(const QStringList& paths);
    // Files handed over by a second start of the program: opened as OpenFiles
    // does once no dialog or message of this window waits for an answer, and
    // the window comes to the front.
    void OpenHandedOverFiles(const QStringList& paths);
    void SaveSheet();        // "Spara"
    void SaveSheetToFile();  // "Spara som"
    void CloseActiveSheet();
    void CloseAllSheets();
    void EditSheetSettings();
    void setupClick();  // "Ändra inställningar" and the pop-up menu's "Inställningar"
    void SetYScaleMode(int mode);
    // The one command for the working width, from the arrows (UpDown1) and
    // from a click on the VK curve alike.
    void SetWorkingWidth(int halfMetres);
    void PageControl1Change(int index);

    // --- Tray strip ---
    void TrayEditKeyPress();
    void TrayEditKeyUp();
    void TrayEditExit(QLineEdit* field);
    void CommitTrayEdits();
    void Box_ScrollBarChange();

    // --- Diagram ---
    void Kopiera1Click();
    void Print_ToolButtonClick();
    void Instllningar1Click();
    void Om1Click();
    void Visameter1Click();
    void VisaBackar1Click();
    void VisaBackarbacknr1Click();
    void Diagram_PaintBoxMouseMove(int x, int y);
    void Diagram_PaintBoxClick();
    void Timer1Timer();

    // --- View ---
    // Shows the workbook's current sheet in every part of the window, or the
    // empty window when no sheet is open.
    void ShowActiveSheet();
    void FormResize();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectCommands();
    // The end of the desktop session asks about unsaved sheets as closing the window does.
    void ConnectSessionEnd();
    void ConnectViews();
    void Run(void (TForm1::*command)());
    void WorkbookChanged(Workbook::Changes what);
    // The VK-curve view and the menu ticks follow the display options.
    void ShowVKCurve();
    void ChooseTrayMarking(int marking);
    bool RunDialogLoop();
    void PlaceCloseButton();

    std::unique_ptr<Ui::TForm1> ui_;
    Workbook& workbook_;
    TTypDokument* TypDokument = nullptr;
    QMenu* PopupMenu1 = nullptr;
    DisplayOptions* options_ = nullptr;
    RecentFolder folder_;
    std::unique_ptr<ResultPanel> results_;
    TrayStrip* trayStrip_ = nullptr;
    ReadoutTracker* readout_ = nullptr;
    std::unique_ptr<DiagramOutput> output_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<SheetClosing> closing_;
    std::unique_ptr<ReportCommands> reports_;
    std::unique_ptr<AnalysisCommands> analysis_;
    std::unique_ptr<MenuTicks> ticks_;
    QPointer<ScaleWindow> scaleWindow_;
};

}  // namespace kaldoventri
