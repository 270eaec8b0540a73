// The sheet workflow of the main window: new sheets from the test entry
// dialog, changing a sheet's settings, showing the active sheet, closing
// sheets, the Y scale and the tray fields' value transfer.
#include <QLineEdit>

#include "evaluation/CalculateSheet.h"
#include "files/LocaleNumber.h"
#include "files/WholeNumber.h"
#include "ui/mainwindow/CommandError.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "ui/mainwindow/TForm1.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/TTypDokument.h"
#include "ui/widgets/ArrowControl.h"

namespace kaldoventri {

namespace {

const QString Caption = QStringLiteral("Kaldoventri");

QString SheetCaption(const TNewTabSheet& sheet) {
    return Caption + QStringLiteral(" - ") + QString::fromStdString(sheet.GetTitle());
}

// The whole number a tray text stands for; any other text ends the command
// with the standard conversion message.
qint32 WholeNumberOf(const QString& text) {
    const std::optional<qint32> value = ParseWholeNumber(text);
    if (!value) throw CommandError(NotAValidIntegerMessage(text));
    return *value;
}

}  // namespace

TNewTabSheet* TForm1::AddNewSheet(const QString& title) {
    auto sheet = std::make_unique<TNewTabSheet>();
    sheet->SetName(QStringLiteral("Blad%1").arg(nextSheetNumber_).toStdString());
    sheet->SetTitle(title.toStdString());
    TNewTabSheet* added = PageControl1->AddPage(std::move(sheet), title);
    ++nextSheetNumber_;
    currentSheet_ = added;
    PageControl1->SetActivePageIndex(PageControl1->IndexOf(added));
    setWindowTitle(SheetCaption(*added));
    PlaceCloseButton();
    return added;
}

void TForm1::SetSheetTitle(TNewTabSheet* sheet, const QString& title) {
    if (sheet == nullptr) return;
    sheet->SetTitle(title.toStdString());
    PageControl1->SetPageCaption(sheet, title);
    if (sheet == currentSheet_) setWindowTitle(SheetCaption(*sheet));
}

bool TForm1::RunDialogLoop() {
    for (;;) {
        if (!TypDokument->Execute()) return false;
        const int empty = TypDokument->LastEmptyTray();
        if (empty == 0) return true;
        ShowPlainMessage(this, QStringLiteral("Saknas värde i back %1!").arg(empty));
    }
}

void TForm1::TakeDialogValues(TNewTabSheet& sheet) {
    // Every amount is converted before anything is stored, so a value that is
    // not a whole number leaves the sheet as it was.
    std::array<qint32, TrayCount> amounts{};
    for (int tray = 1; tray <= TrayCount; ++tray)
        amounts[static_cast<std::size_t>(tray - 1)] = WholeNumberOf(TypDokument->GetTrayText(tray));

    sheet.SetDescription(TypDokument->GetFertiliserMaker().toStdString(), TypDokument->GetSpreaderMaker().toStdString(),
                         TypDokument->GetFertiliserName().toStdString(), TypDokument->GetSpreaderModel().toStdString(),
                         TypDokument->GetLayout(), TypDokument->GetWorkingWidth(),
                         TypDokument->GetSpreaderSetting().toStdString(), TypDokument->GetProductionSite().toStdString());
    for (int tray = 1; tray <= TrayCount; ++tray) {
        sheet.SetTrayAmount(amounts[static_cast<std::size_t>(tray - 1)], tray);
        TrayEdit(tray)->setText(TypDokument->GetTrayText(tray));
    }
    for (int tray = 1; tray <= TrayCount; ++tray) sheet.SetTrayPosition(tray, TypDokument->GetPlacement(tray));
}

void TForm1::NewSheet() {
    if (TypDokument == nullptr) return;
    TypDokument->ClearEntries();
    TypDokument->PlaceTrays12();
    if (!RunDialogLoop()) return;

    // Checked before the sheet exists, so a refused amount uses up no sheet number.
    for (int tray = 1; tray <= TrayCount; ++tray) WholeNumberOf(TypDokument->GetTrayText(tray));

    TNewTabSheet* sheet = AddNewSheet(QStringLiteral("Blad%1").arg(nextSheetNumber_));
    TakeDialogValues(*sheet);
    sheet->ToggleLeftPassReversed();
    sheet->ToggleRightPassReversed();
    CalculateSheet();
    ShowActiveSheet();
    CopySettingsToSheet();
}

void TForm1::EditSheetSettings(int workingWidth) {
    if (currentSheet_ == nullptr || TypDokument == nullptr) return;
    TNewTabSheet& sheet = *currentSheet_;
    TypDokument->GFabrikat_Edit->setText(QString::fromStdString(sheet.GetGodselFabrikat()));
    TypDokument->SFabrikat_Edit->setText(QString::fromStdString(sheet.GetSpridarFabrikat()));
    TypDokument->GMedel_Edit->setText(QString::fromStdString(sheet.GetGodselMedel()));
    TypDokument->GPLats_Edit->setText(QString::fromStdString(sheet.GetProduktionsplats()));
    TypDokument->SModell_Edit->setText(QString::fromStdString(sheet.GetSpridarModell()));
    TypDokument->SInstallning_Edit->setText(QString::fromStdString(sheet.GetSpridarInstallning()));
    // Every layout code other than 0 means "24 m", as in the evaluation.
    const int layout = sheet.GetBackuppstallning() == Layout12m ? Layout12m : Layout24m;
    TypDokument->SpridarTyp_RadioGroup->SetItemIndex(layout);
    TypDokument->SetLayout(layout);
    for (int tray = 1; tray <= TrayCount; ++tray) TypDokument->SetTrayValue(WholeNumberOf(TrayEdit(tray)->text()), tray);
    // Only now: selecting another layout above resets the dialog's width.
    TypDokument->UpDown2->SetPosition(workingWidth);

    if (!RunDialogLoop()) return;
    TakeDialogValues(sheet);
    CalculateSheet();
    ShowActiveSheet();
}

void TForm1::FillResultLabels(const TNewTabSheet* sheet) {
    if (sheet == nullptr) {
        for (QLabel* label : {VK_Label, ABredd_Label, OVK_Label, OptimalAbredd_Label}) label->clear();
        return;
    }
    VK_Label->setText(FormatNumber(sheet->GetVK(sheet->GetABredd())) + QStringLiteral(" %"));
    ABredd_Label->setText(FormatNumber(sheet->GetABredd() / 2.0) + QStringLiteral(" m"));
    OVK_Label->setText(FormatNumber(sheet->GetOptimalVK()) + QStringLiteral(" %"));
    OptimalAbredd_Label->setText(FormatNumber(sheet->GetOptimalWidth()) + QStringLiteral(" m"));
}

void TForm1::FillDescriptionLabels(const TNewTabSheet* sheet) {
    const auto text = [sheet](const std::string& (TNewTabSheet::*get)() const) {
        return sheet == nullptr ? QString() : QString::fromStdString((sheet->*get)());
    };
    GFabrikat_Label->setText(text(&TNewTabSheet::GetGodselFabrikat));
    GMedel_Label->setText(text(&TNewTabSheet::GetGodselMedel));
    GPlats_Label->setText(text(&TNewTabSheet::GetProduktionsplats));
    SFabrikat_Label->setText(text(&TNewTabSheet::GetSpridarFabrikat));
    SModell_Label->setText(text(&TNewTabSheet::GetSpridarModell));
    SInstallning_Label->setText(text(&TNewTabSheet::GetSpridarInstallning));
}

void TForm1::ShowActiveSheet() {
    TNewTabSheet* active = PageControl1->ActivePage();
    if (active != nullptr) {
        ScrollTrayEdits();
        currentSheet_ = active;
        setWindowTitle(SheetCaption(*active));
        Spara_ToolButton->setEnabled(true);
        Print_ToolButton->setEnabled(true);
        for (int tray = 1; tray <= TrayCount; ++tray) {
            const QString text = QString::number(active->GetTrayAmount(tray));
            // Rewriting an unchanged text would move the caret of the field being typed in.
            if (TrayEdit(tray)->text() != text) TrayEdit(tray)->setText(text);
        }
        FillDescriptionLabels(active);
        CalculateSheet();
        UpDown1->SetPosition(active->GetABredd());
        Label9->show();
        UpDown1->show();
        Box_ScrollBar->setVisible(trayStripScrolls_);
    } else {
        for (int tray = 1; tray <= TrayCount; ++tray) {
            TrayEdit(tray)->hide();
            TrayEditLabel(tray)->hide();
        }
        // The strip's scroll bar belongs to the strip and goes with it.
        Box_ScrollBar->hide();
        currentSheet_ = nullptr;
        setWindowTitle(Caption);
        Spara_ToolButton->setEnabled(false);
        Print_ToolButton->setEnabled(false);
        FillResultLabels(nullptr);
        FillDescriptionLabels(nullptr);
        Label9->hide();
        UpDown1->hide();
    }
    Diagram_PaintBox->update();
}

void TForm1::CloseActiveSheet() {
    if (PageControl1->ActivePageIndex() >= 0) {
        currentSheet_ = nullptr;  // the sheet is freed next; nothing may read it again
        PageControl1->FreeActivePage();
    }
    if (PageControl1->ActivePageIndex() < 0)
        for (int tray = 1; tray <= TrayCount; ++tray) TrayEdit(tray)->clear();
    PlaceCloseButton();
    ShowActiveSheet();
}

void TForm1::CloseAllSheets() {
    currentSheet_ = nullptr;
    while (PageControl1->ActivePageIndex() >= 0) PageControl1->FreeActivePage();
    for (int tray = 1; tray <= TrayCount; ++tray) TrayEdit(tray)->clear();
    PlaceCloseButton();
    ShowActiveSheet();
}

void TForm1::SetYScaleMode(int mode) {
    yScaleMode_ = mode;
    Menu_Diagram1->setChecked(mode == YScaleValue);
    YSkala0->setChecked(mode == YScaleValue);
    Menu_Diagram2->setChecked(mode == YScalePercent);
    YSKala1->setChecked(mode == YScalePercent);
    CalculateSheet();
}

void TForm1::CopySettingsToSheet() {
    if (currentSheet_ == nullptr) return;
    currentSheet_->SetEvaluationSettings(currentSheet_->GetABredd(), yScaleMode_);
    currentSheet_->SetTrayCount(TrayCount);
}

void TForm1::CalculateSheet() {
    if (currentSheet_ == nullptr) return;
    kaldoventri::CalculateSheet(*currentSheet_, yScaleMode_);
    // The result labels follow every evaluation, so that they always agree
    // with the diagram (the VK label too for a width outside the layout's span).
    FillResultLabels(currentSheet_);
    Diagram_PaintBox->update();
}

void TForm1::CommitTrayEdits() {
    if (currentSheet_ == nullptr || TypDokument == nullptr) return;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const QString text = TrayEdit(tray)->text();
        if (text.isEmpty()) continue;
        TypDokument->SetTrayValue(WholeNumberOf(text), tray);
        currentSheet_->SetTrayAmount(WholeNumberOf(TypDokument->GetTrayText(tray)), tray);
    }
}

void TForm1::TrayEditKeyPress() { CommitTrayEdits(); }

void TForm1::TrayEditKeyUp() {
    if (currentSheet_ == nullptr) return;
    CommitTrayEdits();
    if (!AnyTrayEditEmpty()) {
        CalculateSheet();
        ShowActiveSheet();
    }
}

void TForm1::TrayEditExit(QLineEdit* field) {
    if (field == nullptr || !field->text().isEmpty()) return;
    ShowPlainMessage(this, QStringLiteral("Saknas värde!"));
    returningFocus_ = true;
    field->setFocus(Qt::OtherFocusReason);
    returningFocus_ = false;
}

}  // namespace kaldoventri
