// The main window's creation, menu and button wiring, resize and close.
#include "ui/mainwindow/TForm1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QTimer>

#include "drawing/TCopyDiagram.h"
#include "drawing/TDiagram.h"
#include "drawing/TPrintDiagram.h"
#include "ui/mainwindow/CommandBoundary.h"
#include "ui/mainwindow/MessageBoxes.h"
#include "ui/mainwindow/PointerReadout.h"
#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/TAboutBox.h"
#include "ui/widgets/TTypDokument.h"
#include "ui/widgets/TrayKeyFilter.h"

// Resources of a static library must be registered by hand; this has to
// happen outside any namespace.
static void InitIconResources() { Q_INIT_RESOURCE(kaldoventri_icons); }

namespace kaldoventri {

namespace {
constexpr int ReadoutTimerInterval = 50;  // ms
// Pixels kept free for a value such as "12,5 m" or "18,2 %" in the result boxes.
constexpr int ResultValueRoom = 62;
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    InitIconResources();
    setupUi(this);
    // System menu and minimise only: the window starts maximised and has no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kaldoventri.xpm")));

    Nytt_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/new.xpm")));
    Open_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/open.xpm")));
    Spara_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/save.xpm")));
    Print_ToolButton->setIcon(QIcon(QStringLiteral(":/icons/print.xpm")));
    Close_Button->setIcon(QIcon(QStringLiteral(":/icons/close.xpm")));

    UpDown1->SetOrientation(Qt::Horizontal);
    // Wide enough for a sheet whose working width came from the dialog (up to
    // 100); the arrows themselves keep it within 10..80 (UpDown1Click).
    UpDown1->SetMin(0);
    UpDown1->SetMax(100);

    const QFont panelFont = ProgramPixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    for (QLabel* label : Top_Panel->findChildren<QLabel*>()) label->setFont(panelFont);
    // The fallback face runs wider than the one the window was laid out for:
    // narrow the result boxes' font so that a value fits beside the longest
    // caption, and "Arbetsbredd:" so that it ends before the arrows.
    for (QGroupBox* box : {GroupBox1, GroupBox2}) {
        const QFont narrowed = CondensedToFit(panelFont, box == GroupBox1 ? Label3->text() : Label10->text(),
                                              box->width() - 16 - 5 - ResultValueRoom);
        for (QLabel* label : box->findChildren<QLabel*>()) label->setFont(narrowed);
    }
    Label9->setFont(CondensedToFit(panelFont, Label9->text(), UpDown1->x() - Label9->x() - 4));
    Diagram_PaintBox->setFont(panelFont);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(ReadoutTimerInterval);

    trayKeyFilter_ = new TrayKeyFilter(this);
    Diagram_Area->installEventFilter(this);

    BuildPopupMenu();
    FormCreate();
    ConnectCommands();
    Timer1->start();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    readoutRect_ = QRect(100, 100, 150, 30);
    readoutWindow_ = std::make_unique<PointerReadout>();
    AlignResultLabels();
    SetYScaleMode(0);
    screenDiagram_ = std::make_unique<TDiagram>();
    copyDiagram_ = std::make_unique<TCopyDiagram>();
    printDiagram_ = std::make_unique<TPrintDiagram>();
    screenDiagram_->SetTrayMarking(1);
    screenDiagram_->SetShowMetres(true);
    copyDiagram_->SetTrayMarking(1);
    copyDiagram_->SetShowMetres(true);
    printDiagram_->SetTrayMarking(1);
    printDiagram_->SetShowMetres(true);
    nextSheetNumber_ = 1;
    PlaceCloseButton();
    CreateTrayEdits();
}

void TForm1::BuildPopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(YSkala0);
    PopupMenu1->addAction(YSKala1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Visameter1);
    PopupMenu1->addAction(VisaBackar1);
    PopupMenu1->addAction(VisaBackarbacknr1);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(PopupMenu_Setup);

    for (QWidget* source : std::initializer_list<QWidget*>{Diagram_PaintBox, Top_Panel, Bottom_Panel, GroupBox1,
                                                           GroupBox3, GroupBox4, PageControl1}) {
        source->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(source, &QWidget::customContextMenuRequested, this,
                [this, source](const QPoint& pos) { ShowPopupMenu(source, pos); });
    }
    // Not GroupBox2: a right click there (or on its labels) opens nothing.
    GroupBox2->setContextMenuPolicy(Qt::PreventContextMenu);
}

void TForm1::ShowPopupMenu(QWidget* source, const QPoint& pos) {
    if (readoutWindow_) readoutWindow_->ReleaseHint();  // it would cover the menu
    PopupMenu1->popup(source->mapToGlobal(pos));
}

void TForm1::Run(void (TForm1::*command)()) {
    RunCommand(this, [this, command] { (this->*command)(); });
}

void TForm1::ConnectCommands() {
    const auto on = [this](auto* sender, auto signal, void (TForm1::*command)()) {
        connect(sender, signal, this, [this, command] { Run(command); });
    };
    on(Nytt1, &QAction::triggered, &TForm1::NewSheet);
    on(Nytt_ToolButton, &QToolButton::clicked, &TForm1::NewSheet);
#ifdef KALDOVENTRI_FILE_COMMANDS
    on(ppna1, &QAction::triggered, &TForm1::OpenSheetFromFile);
    on(Open_ToolButton, &QToolButton::clicked, &TForm1::OpenSheetFromFile);
    on(Spara1, &QAction::triggered, &TForm1::SaveSheetToFile);
    on(Spara_ToolButton, &QToolButton::clicked, &TForm1::SaveSheetToFile);
#endif
    on(Stng1, &QAction::triggered, &TForm1::CloseActiveSheet);
    on(Close_Button, &QToolButton::clicked, &TForm1::CloseActiveSheet);
    on(Stngalla1, &QAction::triggered, &TForm1::CloseAllSheets);
    connect(Avsluta1, &QAction::triggered, this, &QWidget::close);
    for (QAction* item : {Menu_Diagram1, YSkala0})
        connect(item, &QAction::triggered, this, [this] { RunCommand(this, [this] { SetYScaleMode(0); }); });
    for (QAction* item : {Menu_Diagram2, YSKala1})
        connect(item, &QAction::triggered, this, [this] { RunCommand(this, [this] { SetYScaleMode(1); }); });
    on(Kopiera1, &QAction::triggered, &TForm1::Kopiera1Click);
    on(setup, &QAction::triggered, &TForm1::setupClick);
    on(PopupMenu_Setup, &QAction::triggered, &TForm1::PopupMenu_SetupClick);
    on(Instllningar1, &QAction::triggered, &TForm1::Instllningar1Click);
    on(Om1, &QAction::triggered, &TForm1::Om1Click);
    on(Print_ToolButton, &QToolButton::clicked, &TForm1::Print_ToolButtonClick);

    // The display items decide from the tick they had before the click, so
    // the tick that QAction flips by itself is put back first.
    const auto display = [this](QAction* item, void (TForm1::*command)()) {
        connect(item, &QAction::triggered, this, [this, item, command](bool checked) {
            item->setChecked(!checked);
            Run(command);
        });
    };
    display(Visameter1, &TForm1::Visameter1Click);
    display(VisaBackar1, &TForm1::VisaBackar1Click);
    display(VisaBackarbacknr1, &TForm1::VisaBackarbacknr1Click);

    on(UpDown1, &ArrowControl::Click, &TForm1::UpDown1Click);
    on(Box_ScrollBar, &QScrollBar::valueChanged, &TForm1::Box_ScrollBarChange);
    on(PageControl1, &SheetTabBar::Change, &TForm1::PageControl1Change);
    on(Timer1, &QTimer::timeout, &TForm1::Timer1Timer);
    connect(trayKeyFilter_, &TrayKeyFilter::KeyRefused, this, [this] { Run(&TForm1::TrayEditKeyPress); });

    Diagram_PaintBox->OnPaint = [this](QPainter& painter) {
        RunCommand(this, [this, &painter] { Diagram_PaintBoxPaint(painter); });
    };
    Diagram_PaintBox->OnMouseMove = [this](int x, int y) {
        RunCommand(this, [this, x, y] { Diagram_PaintBoxMouseMove(x, y); });
    };
    Diagram_PaintBox->OnMouseLeave = [this] { Run(&TForm1::Diagram_PaintBoxMouseLeave); };
    Diagram_PaintBox->OnClick = [this] { Run(&TForm1::Diagram_PaintBoxClick); };
}

void TForm1::setupClick() {
    if (currentSheet_ == nullptr) return;
    if (const int empty = LastEmptyTrayEdit(); empty > 0) {
        ShowPlainMessage(this, QStringLiteral("Saknas värde i back %1!").arg(empty));
        return;
    }
    EditSheetSettings(UpDown1->Position());
}

void TForm1::PopupMenu_SetupClick() {
    if (currentSheet_ == nullptr) return;
    if (const int empty = LastEmptyTrayEdit(); empty > 0) {
        ShowPlainMessage(this, QStringLiteral("Saknas värde i back %1!").arg(empty));
        return;
    }
    EditSheetSettings(currentSheet_->GetABredd());
}

void TForm1::UpDown1Click() {
    if (currentSheet_ == nullptr) return;
    if (UpDown1->Position() < 10)
        UpDown1->SetPosition(10);
    else if (UpDown1->Position() > 80)
        UpDown1->SetPosition(80);
    currentSheet_->SetABredd(UpDown1->Position());
    ShowActiveSheet();
}

void TForm1::Instllningar1Click() {
    // The answer is not needed: the printer and settings chosen stay in printer_.
    QPrintDialog dialog(&printer_, this);
    dialog.exec();
}

void TForm1::Om1Click() { TAboutBox::Execute(this); }

void TForm1::PageControl1Change() { ShowActiveSheet(); }

void TForm1::Box_ScrollBarChange() { ScrollTrayEdits(); }

void TForm1::FormResize() {
    PlaceCloseButton();
    ArrangeTrayEdits();
    ShowActiveSheet();
    Diagram_PaintBox->update();
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Run(&TForm1::FormResize);
}

void TForm1::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    if (readoutWindow_) readoutWindow_->hide();
    readoutWindow_.reset();
    QMainWindow::closeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Diagram_Area && event->type() == QEvent::Resize) {
        Diagram_Image->setGeometry(Diagram_Area->rect());
        Diagram_PaintBox->setGeometry(Diagram_Area->rect());
        Close_Button->raise();
        return false;
    }
    if (const int tray = TrayOfEdit(watched); tray > 0) {
        QLineEdit* field = trayEdits_[static_cast<std::size_t>(tray - 1)];
        if (event->type() == QEvent::KeyRelease) {
            Run(&TForm1::TrayEditKeyUp);
        } else if (event->type() == QEvent::FocusOut) {
            // Only a move of the focus to another control of this window
            // counts as leaving the field; a deactivated window, a pop-up
            // menu or a message box does not.
            const QWidget* next = QApplication::focusWidget();
            if (next != nullptr && next != field && next->window() == this && !returningFocus_)
                QueueTrayEditExit(field);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::QueueTrayEditExit(QLineEdit* field) {
    // After the focus change has finished: a message box must not open in
    // the middle of it.
    QTimer::singleShot(0, this, [this, target = QPointer<QLineEdit>(field)] {
        if (!target || !target->isVisible() || trayExitShowing_) return;
        trayExitShowing_ = true;
        RunCommand(this, [this, target] { TrayEditExit(target); });
        trayExitShowing_ = false;
    });
}

}  // namespace kaldoventri
