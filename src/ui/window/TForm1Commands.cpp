// The main window's commands and its view of the workbook. Every command
// hands its work on; the workbook evaluates and tells the window, which then
// shows what the workbook holds.
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTimer>

#include "evaluation/CalculateSheet.h"
#include "evaluation/SheetUnits.h"
#include "drawing/FieldMapImage.h"
#include "ui/commands/AnalysisCommands.h"
#include "ui/commands/DiagramOutput.h"
#include "ui/commands/FileCommands.h"
#include "ui/commands/SheetClosing.h"
#include "ui/dialogs/TAboutBox.h"
#include "ui/dialogs/TTypDokument.h"
#include "ui/support/CommandBoundary.h"
#include "ui/support/CommandError.h"
#include "ui/support/MessageBoxes.h"
#include "ui/views/DisplayOptions.h"
#include "ui/views/ReadoutTracker.h"
#include "ui/views/ResultPanel.h"
#ifdef KALDOVENTRI_SCALE
#include "ui/dialogs/ScaleWindow.h"
#endif
#include "ui/views/TrayStrip.h"
#include "ui/window/DiagramArrangement.h"
#include "ui/window/MenuTicks.h"
#include "ui/window/TForm1.h"
#include "ui_TForm1.h"

namespace kaldoventri {

// --- Sheets ---

bool TForm1::RunDialogLoop() {
    for (;;) {
        if (!TypDokument->Execute()) return false;
        // An own kit that cannot be evaluated sends the user back to it.
        if (const std::optional<QString> problem = TypDokument->KitProblemText()) {
            ShowPlainMessage(this, *problem);
            continue;
        }
        if (const std::optional<QString> problem = TypDokument->UnitsProblemText()) {
            ShowPlainMessage(this, *problem);
            TypDokument->FocusUnitsProblem();
            continue;
        }
        const int empty = TypDokument->LastEmptyTray();
        if (empty == 0) {
            TypDokument->KeepKit();
            return true;
        }
        ShowPlainMessage(this, MissingTrayMessage(empty));
        // The dialog comes back ready for the missing amount.
        TypDokument->FocusTray(empty);
    }
}

void TForm1::NewSheet() {
    if (TypDokument == nullptr) return;
    TypDokument->ClearEntries();
    if (RunDialogLoop()) workbook_.AddSheet(TypDokument->Settings());
}

void TForm1::NewSheetLikeCurrent() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr || TypDokument == nullptr) return;
    TypDokument->ShowSettings(SettingsOf(*sheet));
    TypDokument->ClearAmounts();
    TypDokument->DateToday();
    if (RunDialogLoop()) workbook_.AddSheet(TypDokument->Settings());
}

void TForm1::EditSheetSettings() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr || TypDokument == nullptr) return;
    CommitTrayEdits();  // the dialog shows what the strip shows
    TypDokument->ShowSettings(SettingsOf(*sheet));
    if (RunDialogLoop()) workbook_.ApplySettings(TypDokument->Settings());
}

void TForm1::setupClick() {
    if (workbook_.CurrentSheet() == nullptr) return;
    if (const int empty = trayStrip_->LastEmptyTray(); empty > 0) {
        ShowPlainMessage(this, MissingTrayMessage(empty));
        return;
    }
    EditSheetSettings();
}

void TForm1::OpenSheetFromFile() { files_->Open(); }

void TForm1::OpenFile(const QString& path) { files_->OpenFile(path); }

void TForm1::OpenFiles(const QStringList& paths) {
    for (const QString& path : paths) RunCommand(this, [this, &path] { files_->OpenFile(path); });
}

void TForm1::OpenHandedOverFiles(const QStringList& paths) {
    // A sheet opened under an open dialog would change what the dialog is about.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(200, this, [this, paths] { OpenHandedOverFiles(paths); });
        return;
    }
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
    OpenFiles(paths);
}

void TForm1::SaveSheet() {
    if (workbook_.CurrentSheet() == nullptr) return;
    // A number pasted into a field is saved as the user sees it.
    workbook_.StoreTrayAmounts(trayStrip_->WholeNumbers());
    files_->Save(workbook_.CurrentIndex());
}

void TForm1::SaveSheetToFile() {
    if (workbook_.CurrentSheet() == nullptr) return;
    workbook_.StoreTrayAmounts(trayStrip_->WholeNumbers());
    files_->SaveAs(workbook_.CurrentIndex());
}

void TForm1::CloseActiveSheet() {
    if (workbook_.CurrentSheet() != nullptr) workbook_.StoreTrayAmounts(trayStrip_->WholeNumbers());
    closing_->CloseCurrent();
}

void TForm1::CloseAllSheets() {
    if (workbook_.CurrentSheet() != nullptr) workbook_.StoreTrayAmounts(trayStrip_->WholeNumbers());
    closing_->CloseAll();
}

void TForm1::SetYScaleMode(int mode) {
    // The menu item stays offered for every sheet, so that it can say what it needs.
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (mode == YScaleKgPerHa && sheet != nullptr && !KgPerHaPerUnit(sheet->GetUnits()))
        throw CommandError(QStringLiteral("Y-Skala kg/ha behöver backens yta och mängdenhet. "
                                          "Ange dem under Enheter i Inställningar."));
    workbook_.SetYScaleMode(mode);
}

void TForm1::SetWorkingWidth(int halfMetres) { workbook_.SetWorkingWidth(halfMetres); }

void TForm1::PageControl1Change(int index) { workbook_.SetCurrentIndex(index); }

// --- Tray strip ---

void TForm1::CommitTrayEdits() {
    const TrayReading reading = trayStrip_->Read();
    workbook_.StoreTrayAmounts(reading.amounts);
    if (reading.refused) throw CommandError(TrayNotAWholeNumberMessage(reading.refusedTray, *reading.refused));
}

// A key refused in a tray field commits what the fields hold.
void TForm1::TrayEditKeyPress() {
    const TrayReading reading = trayStrip_->Read();
    workbook_.StoreTrayAmounts(reading.amounts);
    if (trayStrip_->NewRefusal(reading))
        throw CommandError(TrayNotAWholeNumberMessage(reading.refusedTray, *reading.refused));
}

void TForm1::TrayEditKeyUp() {
    if (workbook_.CurrentSheet() == nullptr) return;
    const TrayReading reading = trayStrip_->Read();
    // While a field is empty the amounts are only stored; the results keep
    // showing the last complete test.
    if (reading.anyEmpty || reading.refused)
        workbook_.StoreTrayAmounts(reading.amounts);
    else
        workbook_.SetTrayAmounts(reading.amounts);
    if (trayStrip_->NewRefusal(reading))
        throw CommandError(TrayNotAWholeNumberMessage(reading.refusedTray, *reading.refused));
}

void TForm1::TrayEditExit(QLineEdit* field) {
    if (field == nullptr || !field->text().isEmpty()) return;
    ShowPlainMessage(this, MissingTrayMessage(trayStrip_->TrayOf(field)));
    trayStrip_->ReturnFocus(field);
}

void TForm1::Box_ScrollBarChange() { trayStrip_->Scroll(); }

// --- Diagram ---

void TForm1::Kopiera1Click() {
    // The picture takes the room the diagram has with the VK curve hidden, so
    // showing the curve never flattens it.
    if (const TNewTabSheet* sheet = workbook_.CurrentSheet())
        output_->Copy(*sheet, *ui_->Diagram_Image, ui_->DiagramSplitter->size());
}

void TForm1::LasFranVag1Click() {
#ifdef KALDOVENTRI_SCALE
    if (!scaleWindow_) {
        ScaleTarget target{
            [this] { return workbook_.CurrentSheet() != nullptr ? trayStrip_->Count() : 0; },
            [this](int tray) { return trayStrip_->Field(tray); },
            // A reading goes to the sheet as a typed amount does.
            [this](int) { Run(&TForm1::TrayEditKeyUp); },
            [this] { return workbook_.CurrentSheet() != nullptr ? workbook_.CurrentSheet()->GetUnits() : SheetUnits{}; }};
        scaleWindow_ = new ScaleWindow(std::move(target), this);
        scaleWindow_->PlaceBeside(*this);
    }
    scaleWindow_->show();
    scaleWindow_->raise();
    scaleWindow_->activateWindow();
#else
    ShowPlainMessage(this, QStringLiteral("Den här versionen av programmet kan inte läsa från en våg."));
#endif
}

void TForm1::Print_ToolButtonClick() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    if (sheet == nullptr || output_->Print(*sheet)) return;
    ShowPlainMessage(this, QStringLiteral("Utskriften kunde inte göras. Kontrollera att en skrivare är installerad "
                                          "och vald under Skrivare, Inställningar."));
}

void TForm1::Instllningar1Click() {
    // The answer is not needed: the printer and settings chosen stay in the printer.
    QPrintDialog dialog(&output_->Printer(), this);
    dialog.exec();
}

void TForm1::Om1Click() { TAboutBox::Execute(this); }

void TForm1::Visameter1Click() { options_->SetShowMetres(!options_->ShowMetres()); }

// The two tray items act as a pair of which at most one is ticked; choosing
// the ticked one again turns the tray marking off.
void TForm1::ChooseTrayMarking(int marking) {
    const auto chosen = static_cast<DisplayOptions::TrayMarking>(marking);
    options_->SetTrays(options_->Trays() == chosen ? DisplayOptions::NoTrays : chosen);
}

void TForm1::VisaBackar1Click() { ChooseTrayMarking(DisplayOptions::TraySquares); }

void TForm1::VisaBackarbacknr1Click() { ChooseTrayMarking(DisplayOptions::TraySquaresAndNumbers); }

void TForm1::Diagram_PaintBoxMouseMove(int x, int y) { readout_->PointerMoved(x, y); }

void TForm1::Diagram_PaintBoxClick() { ui_->Diagram_PaintBox->SetShowHint(true); }

void TForm1::Timer1Timer() { readout_->Tick(); }

// --- View ---

void TForm1::WorkbookChanged(Workbook::Changes what) {
    if (what & (Workbook::Sheets | Workbook::Current)) {
        PlaceCloseButton();
        readout_->Hide();  // it showed a value of the sheet that was shown
    }
    if (what & Workbook::YScale) {
        // A new scale changes the results and the diagram only; the tray
        // fields keep what the user has typed, an emptied field included.
        ticks_->ShowYScale();
        results_->Show(workbook_.CurrentSheet());
        ui_->Diagram_PaintBox->update();
    } else if (what & (Workbook::Sheets | Workbook::Current | Workbook::Evaluated)) {
        ShowActiveSheet();
    }
    ticks_->ShowDrivingPattern();
}

void TForm1::ShowVKCurve() {
    ticks_->ShowDisplayOptions();
    // The VK curve and the field map share one panel beside or under the
    // diagram, placed by one rule whichever of them shows.
    ui_->VKCurveView->setVisible(options_->ShowVKCurve());
    ui_->FieldMapView->setVisible(options_->ShowFieldMap());
    QWidget* panel = ui_->Analysis_Panel;
    const bool wanted = options_->ShowVKCurve() || options_->ShowFieldMap();
    if (panel->isVisibleTo(this) == wanted) return;
    panel->setVisible(wanted);
    if (wanted)
        ArrangeDiagramAndCurve(*ui_->DiagramSplitter, QFontMetrics(ui_->Diagram_PaintBox->font()).height(), true);
}

void TForm1::KopieraFaltbild1Click() {
    if (const TNewTabSheet* sheet = workbook_.CurrentSheet())
        QGuiApplication::clipboard()->setImage(FieldMapImage(*sheet, FieldMapPictureSize));
}

void TForm1::ShowActiveSheet() {
    Ui::TForm1& f = *ui_;
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    const bool open = sheet != nullptr;
    setWindowTitle(open ? QStringLiteral("Kaldoventri - ") + QString::fromStdString(sheet->GetTitle())
                        : QStringLiteral("Kaldoventri"));
    f.Spara_ToolButton->setEnabled(open);
    f.Print_ToolButton->setEnabled(open);
    f.Label9->setVisible(open);
    f.UpDown1->setVisible(open);
    results_->Show(sheet);
    f.Diagram_PaintBox->SetSheet(sheet);
    if (open) {
        trayStrip_->Show(*sheet);
        f.UpDown1->SetPosition(sheet->GetABredd());
    } else {
        trayStrip_->Hide();
    }
}

}  // namespace kaldoventri
