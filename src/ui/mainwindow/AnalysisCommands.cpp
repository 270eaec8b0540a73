// The analysis commands and their menu items.
#include "ui/mainwindow/AnalysisCommands.h"

#include <QActionGroup>
#include <QMenu>
#include <QSplitter>

#include "evaluation/DrivingPattern.h"
#include "ui/mainwindow/CommandBoundary.h"
#include "ui/mainwindow/VKCurveView.h"
#include "ui/widgets/AverageSheetsDialog.h"
#include "ui_TForm1.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

AnalysisCommands::AnalysisCommands(Ui::TForm1& form, Workbook& workbook, QMenu& popupMenu, QWidget* window)
    : QObject(window), workbook_(workbook), window_(window) {
    // The diagram area and the curve share its place in the window's column.
    splitter_ = new QSplitter(Qt::Vertical, form.centralwidget);
    splitter_->setObjectName(QStringLiteral("DiagramSplitter"));
    splitter_->setChildrenCollapsible(false);
    form.FormLayout->replaceWidget(form.Diagram_Area, splitter_);
    splitter_->addWidget(form.Diagram_Area);
    curveView_ = new VKCurveView(workbook, splitter_);
    splitter_->addWidget(curveView_);
    splitter_->setStretchFactor(0, 2);
    splitter_->setStretchFactor(1, 1);
    curveView_->hide();
    connect(curveView_, &VKCurveView::widthChosen, this, &AnalysisCommands::widthChosen);
    curveView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(curveView_, &QWidget::customContextMenuRequested, this,
            [this, &popupMenu](const QPoint& pos) { popupMenu.popup(curveView_->mapToGlobal(pos)); });

    BuildItems(form, popupMenu);
    connect(&workbook, &Workbook::changed, this, &AnalysisCommands::ShowPatternOfCurrentSheet);
    ShowPatternOfCurrentSheet();
}

void AnalysisCommands::BuildItems(Ui::TForm1& form, QMenu& popupMenu) {
    showCurve_ = new QAction(QStringLiteral("Visa VK-kurva"), this);
    showCurve_->setObjectName(QStringLiteral("VisaVKkurva1"));
    showCurve_->setCheckable(true);
    connect(showCurve_, &QAction::triggered, this, [this] { RunCommand(window_, [this] { VisaVKkurvaClick(); }); });

    auto* pattern = new QMenu(QStringLiteral("Körmönster"), window_);
    pattern->setObjectName(QStringLiteral("Kormonster1"));
    auto* patterns = new QActionGroup(this);
    backAndForth_ = pattern->addAction(QStringLiteral("Fram och tillbaka"));
    backAndForth_->setObjectName(QStringLiteral("FramOchTillbaka1"));
    racetrack_ = pattern->addAction(QStringLiteral("Varvkörning"));
    racetrack_->setObjectName(QStringLiteral("Varvkorning1"));
    for (QAction* item : {backAndForth_, racetrack_}) {
        item->setCheckable(true);
        patterns->addAction(item);
        const bool isRacetrack = item == racetrack_;
        connect(item, &QAction::triggered, this,
                [this, isRacetrack] { RunCommand(window_, [this, isRacetrack] { KormonsterClick(isRacetrack); }); });
    }

    // Diagram menu: after the Y scale; pop-up menu: after the display options.
    form.Diagram1->insertAction(form.Kopiera1, showCurve_);
    form.Diagram1->insertMenu(form.Kopiera1, pattern);
    form.Diagram1->insertSeparator(form.Kopiera1);
    popupMenu.insertAction(form.PopupMenu_Setup, showCurve_);
    popupMenu.insertMenu(form.PopupMenu_Setup, pattern);
    popupMenu.insertSeparator(form.PopupMenu_Setup);

    average_ = new QAction(QStringLiteral("Medelvärde av blad..."), this);
    average_->setObjectName(QStringLiteral("Medelvarde1"));
    connect(average_, &QAction::triggered, this, [this] { RunCommand(window_, [this] { MedelvardeClick(); }); });
    // Arkiv menu: with the other commands over several sheets, the report and the table.
    form.Akriv1->insertAction(form.Rapport1, average_);
}

void AnalysisCommands::VisaVKkurvaClick() {
    const bool show = showCurve_->isChecked();
    curveView_->setVisible(show);
    if (show) {
        // The curve takes about a third of the height the two share.
        const int total = splitter_->height();
        splitter_->setSizes({total - total / 3, total / 3});
    }
}

void AnalysisCommands::KormonsterClick(bool racetrack) {
    workbook_.SetDrivingPattern(racetrack ? DrivingPattern::Racetrack : DrivingPattern::BackAndForth);
    ShowPatternOfCurrentSheet();
}

void AnalysisCommands::ShowPatternOfCurrentSheet() {
    const TNewTabSheet* sheet = workbook_.CurrentSheet();
    const bool racetrack = sheet != nullptr && DrivingPatternOf(*sheet) == DrivingPattern::Racetrack;
    racetrack_->setChecked(racetrack);
    backAndForth_->setChecked(!racetrack);
}

void AnalysisCommands::MedelvardeClick() {
    if (workbook_.SheetCount() < 2) return;
    AverageSheetsDialog dialog(workbook_, window_);
    if (dialog.exec() == QDialog::Accepted) workbook_.AddAveragedSheet(dialog.ChosenSheets());
}

}  // namespace kaldoventri
