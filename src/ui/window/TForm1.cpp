// The main window's creation: its parts, the pop-up menu, the wiring of every
// menu item, button and event to its command, and the window's own events.
#include "ui/window/TForm1.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#if QT_CONFIG(sessionmanager)
#include <QSessionManager>
#endif
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

#include "evaluation/CalculateSheet.h"
#include "ui/commands/AnalysisCommands.h"
#include "ui/commands/DiagramOutput.h"
#include "ui/commands/FileCommands.h"
#include "ui/commands/ReportCommands.h"
#include "ui/commands/SheetClosing.h"
#include "ui/comparison/ComparisonWindow.h"
#include "ui/controls/ProgramFont.h"
#include "ui/support/CommandBoundary.h"
#include "ui/views/DisplayOptions.h"
#include "ui/views/ReadoutTracker.h"
#include "ui/views/ResultPanel.h"
#include "ui/views/TrayStrip.h"
#include "ui/window/DiagramArrangement.h"
#include "ui/window/DiagramPopupMenu.h"
#include "ui/window/KeyboardAccess.h"
#include "ui/window/MenuTicks.h"
#include "ui_TForm1.h"

// Resources of a static library must be registered by hand; this has to
// happen outside any namespace.
static void InitIconResources() { Q_INIT_RESOURCE(kaldoventri_icons); }

namespace kaldoventri {

TForm1::TForm1(Workbook& workbook, QWidget* parent)
    : QMainWindow(parent), ui_(std::make_unique<Ui::TForm1>()), workbook_(workbook) {
    InitIconResources();
    ui_->setupUi(this);
    // System menu and minimise only: the window starts maximised and has no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    SetWindowIcons(*ui_, this);

    ui_->UpDown1->SetOrientation(Qt::Horizontal);
    // Every width the test entry dialog allows, so that a step never moves
    // a sheet's width against the arrow's direction.
    ui_->UpDown1->SetMin(NarrowestWorkingWidth);
    ui_->UpDown1->SetMax(WidestWorkingWidth);
    ui_->UpDown1->SetPageStep(HalfMetresPerMetre);
    const QFont panelFont = ProgramPixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    ui_->Diagram_PaintBox->setFont(panelFont);
    ui_->Label9->setFont(CondensedToFit(panelFont, ui_->Label9->text(), ui_->UpDown1->x() - ui_->Label9->x() - 4));
    ui_->Diagram_Area->installEventFilter(this);
    // The curve, when shown below the diagram, takes about a third of the height the two share.
    ui_->DiagramSplitter->setStretchFactor(0, 2);
    ui_->DiagramSplitter->setStretchFactor(1, 1);

    options_ = new DisplayOptions(this);
    results_ = std::make_unique<ResultPanel>(*ui_->Top_Panel);
    readout_ = new ReadoutTracker(*ui_->Diagram_PaintBox, workbook_, this);
    output_ = std::make_unique<DiagramOutput>(*options_);
    files_ = std::make_unique<FileCommands>(this, workbook_, folder_);
    closing_ = std::make_unique<SheetClosing>(this, workbook_, *files_);
    reports_ = std::make_unique<ReportCommands>(this, workbook_, folder_);
    analysis_ = std::make_unique<AnalysisCommands>(workbook_, *options_, this);
    ticks_ = std::make_unique<MenuTicks>(*ui_, workbook_, *options_);
    trayStrip_ = new TrayStrip(ui_->Bottom_Panel, ui_->Box_ScrollBar, this);
    ui_->PageControl1->SetWorkbook(&workbook_);
    ui_->VKCurveView->SetWorkbook(&workbook_);
    ui_->FieldMapView->SetWorkbook(&workbook_);
    ui_->Diagram_PaintBox->SetDisplayOptions(options_);

    PopupMenu1 = new DiagramPopupMenu(*ui_, this, [this] { readout_->Hide(); });
    new KeyboardAccess(*this, *ui_->MainMenu1, *PopupMenu1, *ui_->Diagram_PaintBox, *ui_->UpDown1,
                       *trayStrip_->Field(1));
    ui_->Stng1->setShortcuts(QKeySequence::Close);
    PlaceCloseButton();
    ConnectCommands();
    ConnectSessionEnd();
    ConnectViews();
    readout_->Timer().start();
    ShowActiveSheet();
}

TForm1::~TForm1() = default;

QPrinter& TForm1::Printer() { return output_->Printer(); }

void TForm1::Run(void (TForm1::*command)()) {
    RunCommand(this, [this, command] { (this->*command)(); });
}

void TForm1::ConnectCommands() {
    Ui::TForm1& f = *ui_;
    const auto on = [this](auto* sender, auto signal, void (TForm1::*command)()) {
        connect(sender, signal, this, [this, command] { Run(command); });
    };
    const auto run = [this](auto* sender, auto signal, auto work) {
        connect(sender, signal, this, [this, work] { RunCommand(this, work); });
    };
    on(f.Nytt1, &QAction::triggered, &TForm1::NewSheet);
    on(f.Nytt_ToolButton, &QToolButton::clicked, &TForm1::NewSheet);
    on(f.NyttSomDetta1, &QAction::triggered, &TForm1::NewSheetLikeCurrent);
    on(f.ppna1, &QAction::triggered, &TForm1::OpenSheetFromFile);
    on(f.Open_ToolButton, &QToolButton::clicked, &TForm1::OpenSheetFromFile);
    on(f.Spara2, &QAction::triggered, &TForm1::SaveSheet);
    on(f.Spara_ToolButton, &QToolButton::clicked, &TForm1::SaveSheet);
    on(f.Spara1, &QAction::triggered, &TForm1::SaveSheetToFile);
    on(f.Stng1, &QAction::triggered, &TForm1::CloseActiveSheet);
    on(f.Close_Button, &QToolButton::clicked, &TForm1::CloseActiveSheet);
    on(f.Stngalla1, &QAction::triggered, &TForm1::CloseAllSheets);
    run(f.Medelvarde1, &QAction::triggered, [this] { analysis_->MedelvardeClick(); });
    run(f.JamforBlad1, &QAction::triggered, [this] { StartComparison(this, workbook_, Printer(), folder_); });
    run(f.Rapport1, &QAction::triggered, [this] { reports_->WriteReport(); });
    run(f.ExporteraTabell1, &QAction::triggered, [this] { reports_->ExportTable(); });
    run(f.ExporteraExcel1, &QAction::triggered, [this] { reports_->ExportWorkbook(); });
    connect(f.Avsluta1, &QAction::triggered, this, &QWidget::close);
    for (QAction* item : {f.Menu_Diagram1, f.YSkala0, f.Menu_Diagram2, f.YSKala1, f.Menu_Diagram3, f.YSkala2}) {
        const int mode = item == f.Menu_Diagram1 || item == f.YSkala0   ? YScaleValue
                         : item == f.Menu_Diagram2 || item == f.YSKala1 ? YScalePercent
                                                                        : YScaleKgPerHa;
        run(item, &QAction::triggered, [this, mode] { SetYScaleMode(mode); });
        // A refused kg/ha scale changes nothing the workbook would report,
        // so the item's own flipped tick is set back here.
        connect(item, &QAction::triggered, this, [this] { ticks_->ShowYScale(); });
    }
    on(f.Kopiera1, &QAction::triggered, &TForm1::Kopiera1Click);
    on(f.LasFranVag1, &QAction::triggered, &TForm1::LasFranVag1Click);
    on(f.setup, &QAction::triggered, &TForm1::setupClick);
    on(f.PopupMenu_Setup, &QAction::triggered, &TForm1::setupClick);
    on(f.Instllningar1, &QAction::triggered, &TForm1::Instllningar1Click);
    on(f.Om1, &QAction::triggered, &TForm1::Om1Click);
    on(f.Print_ToolButton, &QToolButton::clicked, &TForm1::Print_ToolButtonClick);
    on(f.SkrivUt1, &QAction::triggered, &TForm1::Print_ToolButtonClick);

    // A checkable item flips its own tick; the ticks are then set again from
    // what the command left, so they always show the options and the sheet.
    on(f.Visameter1, &QAction::triggered, &TForm1::Visameter1Click);
    on(f.VisaBackar1, &QAction::triggered, &TForm1::VisaBackar1Click);
    on(f.VisaBackarbacknr1, &QAction::triggered, &TForm1::VisaBackarbacknr1Click);
    run(f.VisaVKkurva1, &QAction::triggered, [this] { analysis_->VisaVKkurvaClick(); });
    run(f.VisaFaltbild1, &QAction::triggered, [this] { analysis_->VisaFaltbildClick(); });
    on(f.KopieraFaltbild1, &QAction::triggered, &TForm1::KopieraFaltbild1Click);
    for (QAction* item : {f.Visameter1, f.VisaBackar1, f.VisaBackarbacknr1, f.VisaVKkurva1, f.VisaFaltbild1})
        connect(item, &QAction::triggered, this, [this] { ticks_->ShowDisplayOptions(); });
    auto* patterns = new QActionGroup(this);
    for (QAction* item : {f.FramOchTillbaka1, f.Varvkorning1}) {
        patterns->addAction(item);
        const bool racetrack = item == f.Varvkorning1;
        run(item, &QAction::triggered, [this, racetrack] { analysis_->KormonsterClick(racetrack); });
        connect(item, &QAction::triggered, this, [this] { ticks_->ShowDrivingPattern(); });
    }

    const auto setWidth = [this](int halfMetres) { RunCommand(this, [this, halfMetres] { SetWorkingWidth(halfMetres); }); };
    connect(f.UpDown1, &ArrowControl::Click, this, setWidth);
    connect(f.VKCurveView, &VKCurveView::widthChosen, this, setWidth);
    on(f.Box_ScrollBar, &QScrollBar::valueChanged, &TForm1::Box_ScrollBarChange);
    connect(f.PageControl1, &SheetTabBar::Change, this,
            [this](int index) { RunCommand(this, [this, index] { PageControl1Change(index); }); });
    on(&readout_->Timer(), &QTimer::timeout, &TForm1::Timer1Timer);
    on(trayStrip_, &TrayStrip::keyReleased, &TForm1::TrayEditKeyUp);
    on(trayStrip_, &TrayStrip::keyRefused, &TForm1::TrayEditKeyPress);
    connect(trayStrip_, &TrayStrip::emptyFieldLeft, this,
            [this](QLineEdit* field) { RunCommand(this, [this, field] { TrayEditExit(field); }); });

    DiagramView* diagram = f.Diagram_PaintBox;
    diagram->OnMouseMove = [this](int x, int y) { RunCommand(this, [this, x, y] { Diagram_PaintBoxMouseMove(x, y); }); };
    diagram->OnMouseLeave = [this] { RunCommand(this, [this] { readout_->PointerLeft(); }); };
    diagram->OnClick = [this] { Run(&TForm1::Diagram_PaintBoxClick); };
}

void TForm1::CompareSheets(const std::vector<int>& indices) {
    ShowComparison(this, workbook_, indices, Printer(), folder_);
}

void TForm1::ConnectArchive(std::function<void()> showWindow, FileCommands::FileHook keepTest) {
    ui_->Provarkiv1->setVisible(true);
    connect(ui_->Provarkiv1, &QAction::triggered, this, [this, showWindow] { RunCommand(this, showWindow); });
    files_->SetFileHook(std::move(keepTest));
}

void TForm1::ConnectSessionEnd() {
#if QT_CONFIG(sessionmanager)
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        // Without leave to ask, the recovery copies keep the unsaved sheets.
        if (!manager.allowsInteraction()) return;
        bool goOn = false;
        RunCommand(this, [this, &goOn] {
            if (workbook_.CurrentSheet() != nullptr) workbook_.StoreTrayAmounts(trayStrip_->WholeNumbers());
            goOn = closing_->ConfirmEnd();
            // What the user chose not to save is gone now, also should the
            // session go on after all.
            if (goOn) workbook_.CloseAllSheets();
        });
        manager.release();
        if (!goOn) manager.cancel();
    });
#endif
}

void TForm1::ConnectViews() {
    connect(&workbook_, &Workbook::changed, this, &TForm1::WorkbookChanged);
    connect(options_, &DisplayOptions::changed, this, &TForm1::ShowVKCurve);
    ticks_->ShowYScale();
    ticks_->ShowDrivingPattern();
    ShowVKCurve();
}

void TForm1::PlaceCloseButton() {
    QToolButton* button = ui_->Close_Button;
    button->move(ui_->Diagram_Area->width() - button->width() - 5, 5);
    button->setVisible(workbook_.CurrentSheet() != nullptr);
    button->raise();
}

void TForm1::FormResize() {
    ArrangeDiagramAndCurve(*ui_->DiagramSplitter, QFontMetrics(ui_->Diagram_PaintBox->font()).height(), false);
    PlaceCloseButton();
    trayStrip_->Arrange();
    ShowActiveSheet();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Run(&TForm1::FormResize);
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool goOn = false;
    RunCommand(this, [this, &goOn] {
        if (workbook_.CurrentSheet() != nullptr) workbook_.StoreTrayAmounts(trayStrip_->WholeNumbers());
        goOn = closing_->ConfirmEnd();
    });
    if (!goOn) {
        event->ignore();
        return;
    }
    readout_->Close();
    QMainWindow::closeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_->Diagram_Area && event->type() == QEvent::Resize) {
        ui_->Diagram_Image->setGeometry(ui_->Diagram_Area->rect());
        ui_->Diagram_PaintBox->setGeometry(ui_->Diagram_Area->rect());
        ui_->Close_Button->raise();
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace kaldoventri
