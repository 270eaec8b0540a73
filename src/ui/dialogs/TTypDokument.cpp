// The test entry dialog. The window's controls come from TTypDokument.ui; this
// file adds the fonts, the tray key filter, the tab order and the behaviour of
// the layout choice and the working width.
#include "ui/dialogs/TTypDokument.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "display/LocaleText.h"
#include "ui/controls/ArrowControl.h"
#include "ui/controls/DescriptionGuard.h"
#include "ui/controls/ProgramFont.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/TrayKeyFilter.h"
#include "ui/controls/TrayText.h"
#include "ui_TTypDokument.h"

namespace kaldoventri {

namespace {

constexpr int Width12mLayout = 24;    // half-metres
constexpr int Width24mLayout = 48;

}  // namespace

TTypDokument::TTypDokument(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TTypDokument>()),
      trayKeyFilter_(new TrayKeyFilter(this)) {
    ui_->setupUi(this);
    SFabrikat_Edit = ui_->SFabrikat_Edit;
    SModell_Edit = ui_->SModell_Edit;
    SInstallning_Edit = ui_->SInstallning_Edit;
    GMedel_Edit = ui_->GMedel_Edit;
    GFabrikat_Edit = ui_->GFabrikat_Edit;
    GPLats_Edit = ui_->GPLats_Edit;
    SpridarTyp_RadioGroup = ui_->SpridarTyp_RadioGroup;
    UpDown2 = ui_->UpDown2;
    Edit1 = ui_->Edit1;

    setFont(ProgramPixelFont(QStringLiteral("MS Sans Serif"), 16, true));
    SpridarTyp_RadioGroup->setFont(
        ProgramPixelFont(QStringLiteral("Microsoft Sans Serif"), 16, true));

    auto* descriptions = new DescriptionGuard(this);
    for (QLineEdit* edit : {SFabrikat_Edit, SModell_Edit, SInstallning_Edit, GMedel_Edit, GFabrikat_Edit, GPLats_Edit})
        descriptions->Guard(edit);
    for (int tray = 1; tray <= TrayCount; ++tray) {
        auto* edit = findChild<QLineEdit*>(QStringLiteral("Box_Edit%1").arg(tray));
        Q_ASSERT(edit);
        trayKeyFilter_->Guard(edit);
        boxEdits_[static_cast<std::size_t>(tray - 1)] = edit;
    }
    FitTexts();

    // The layout is chosen before the handler is connected, so creating the
    // dialog changes no working width.
    SpridarTyp_RadioGroup->SetItems({FromUtf8(LayoutName(Layout12m)), FromUtf8(LayoutName(Layout24m))});
    SpridarTyp_RadioGroup->SetItemIndex(0);
    connect(SpridarTyp_RadioGroup, &RadioGroup::Click, this,
            &TTypDokument::SpridarTyp_RadioGroupClick);

    UpDown2->SetMax(WidestWorkingWidth);
    UpDown2->SetMin(NarrowestWorkingWidth);
    UpDown2->SetPosition(Width12mLayout);
    UpDown2->SetBuddy(Edit1);
    connect(UpDown2, &ArrowControl::Click, this, &TTypDokument::UpDown2Click);

    // Neither button is the default or the cancel button: Enter and Escape in
    // a field must not close the dialog.
    connect(ui_->Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::reject);

    SetTabOrder();
    ShowWorkingWidth();
}

TTypDokument::~TTypDokument() = default;

void TTypDokument::FitTexts() {
    // The six captions share one font, narrowed as much as the longest needs.
    const QList<QLabel*> captions{ui_->SFabrikat_Label, ui_->SModell_Label,
                                  ui_->SInstallning_Label, ui_->GMedel_Label,
                                  ui_->GFabrikat_Label, ui_->GPlats_Label};
    const QLabel* longest = captions.first();
    for (const QLabel* caption : captions)
        if (caption->fontMetrics().horizontalAdvance(caption->text()) >
            longest->fontMetrics().horizontalAdvance(longest->text()))
            longest = caption;
    const QFont captionFont = CondensedToFit(longest->font(), longest->text(), longest->width());
    for (QLabel* caption : captions) caption->setFont(captionFont);

    WidenTrayRow();
    // A tray field shows five digits whole; its text room is the field less
    // its frame and the line edit's own margin of 2 pixels a side.
    QLineEdit* first = boxEdits_.front();
    const int frame = first->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, first);
    const QFont trayFont =
        CondensedToFit(first->font(), QStringLiteral("99999"), first->width() - 2 * frame - 4);
    for (QLineEdit* edit : boxEdits_) {
        edit->setFont(trayFont);
        edit->setAlignment(Qt::AlignCenter);
    }
}

void TTypDokument::WidenTrayRow() {
    // The stored layout gives each tray field room for three digits; an
    // amount such as 1007 would show as "007". The row is spread so that five
    // digits fit (1426 pixels wide on a 1600-pixel screen) and the dialog
    // grows to the right with it, but never beyond its screen: on a narrower
    // screen the fields are as wide as it allows, and no narrower than before.
    constexpr int WidestPitch = 48;  // neighbouring frames overlap by 2, as in the stored layout
    QWidget* panel = ui_->Backar_Panel;
    const int left = boxEdits_.front()->x();
    const int outside = width() - panel->width();  // the dialog beside the tray panel
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() - 20 : 1600;
    const int pitch = std::clamp((room - outside - left - 2 - 14) / TrayCount, boxEdits_[1]->x() - left, WidestPitch);
    const int fieldWidth = pitch + 2;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const int x = left + pitch * (tray - 1);
        QLineEdit* edit = Box_Edit(tray);
        edit->setGeometry(x, edit->y(), fieldWidth, edit->height());
        if (auto* label = panel->findChild<QLabel*>(QStringLiteral("Box_Label%1").arg(tray)))
            label->setGeometry(x, label->y(), fieldWidth, label->height());
    }
    const int grow = left + pitch * (TrayCount - 1) + fieldWidth + 14 - panel->width();
    if (grow <= 0) return;
    panel->resize(panel->width() + grow, panel->height());
    for (QWidget* box : {static_cast<QWidget*>(ui_->Spridare_GroupBox), static_cast<QWidget*>(ui_->Godsel_GroupBox)})
        box->resize(box->width() + grow, box->height());
    for (QLineEdit* edit : {SFabrikat_Edit, SModell_Edit, SInstallning_Edit, GMedel_Edit, GFabrikat_Edit, GPLats_Edit})
        edit->resize(edit->width() + grow, edit->height());
    for (QWidget* moved : {static_cast<QWidget*>(ui_->Uppstallning_Panel), static_cast<QWidget*>(ui_->Arbetsbredd_Panel),
                           static_cast<QWidget*>(ui_->Button1)})
        moved->move(moved->x() + grow, moved->y());
    resize(width() + grow, height());
}

void TTypDokument::SetTabOrder() {
    QList<QWidget*> order{ui_->Button1,    ui_->Button2,   SFabrikat_Edit,
                          SModell_Edit,    SInstallning_Edit, GMedel_Edit,
                          GFabrikat_Edit,  GPLats_Edit};
    for (QLineEdit* edit : boxEdits_) order.append(edit);
    for (int i = 0; i < SpridarTyp_RadioGroup->Count(); ++i)
        order.append(SpridarTyp_RadioGroup->Button(i));
    order.append(Edit1);
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order.at(i - 1), order.at(i));
}

bool TTypDokument::Execute() {
    ShowWorkingWidth();
    // The dialog opens on a layout it offers: any code but "24 m" is "12 m".
    if (layout_ != Layout24m) layout_ = Layout12m;
    // The first showing starts in the first description field; later ones
    // return to wherever the user (or a caller) left the focus.
    if (!focusWidget()) SFabrikat_Edit->setFocus();
    return exec() == QDialog::Accepted;
}

void TTypDokument::ClearEntries() {
    layout_ = Layout12m;
    UpDown2->SetPosition(Width12mLayout);
    ShowWorkingWidth();
    SpridarTyp_RadioGroup->SetItemIndex(0);
    for (QLineEdit* edit : {SFabrikat_Edit, SModell_Edit, SInstallning_Edit, GMedel_Edit,
                            GFabrikat_Edit, GPLats_Edit})
        edit->clear();
    for (QLineEdit* edit : boxEdits_) edit->clear();
    // A blank test is typed from the top, not from wherever the last one ended.
    SFabrikat_Edit->setFocus();
}

void TTypDokument::ShowSettings(const SheetSettings& settings) {
    SFabrikat_Edit->setText(settings.spreaderMaker);
    SModell_Edit->setText(settings.spreaderModel);
    SInstallning_Edit->setText(settings.spreaderSetting);
    GMedel_Edit->setText(settings.fertiliserName);
    GFabrikat_Edit->setText(settings.fertiliserMaker);
    GPLats_Edit->setText(settings.productionSite);
    SpridarTyp_RadioGroup->SetItemIndex(settings.layout);
    SetLayout(settings.layout);
    for (int tray = 1; tray <= TrayCount; ++tray) SetTrayValue(settings.amounts[static_cast<std::size_t>(tray - 1)], tray);
    UpDown2->SetPosition(settings.workingWidth);
}

SheetSettings TTypDokument::Settings() const {
    SheetSettings settings;
    for (int tray = 1; tray <= TrayCount; ++tray)
        settings.amounts[static_cast<std::size_t>(tray - 1)] = TrayAmountOrError(GetTrayText(tray));
    settings.spreaderMaker = GetSpreaderMaker();
    settings.spreaderModel = GetSpreaderModel();
    settings.spreaderSetting = GetSpreaderSetting();
    settings.fertiliserName = GetFertiliserName();
    settings.fertiliserMaker = GetFertiliserMaker();
    settings.productionSite = GetProductionSite();
    settings.layout = GetLayout();
    settings.workingWidth = GetWorkingWidth();
    return settings;
}

int TTypDokument::GetWorkingWidth() const { return UpDown2->Position(); }

QString TTypDokument::GetSpreaderMaker() const { return SFabrikat_Edit->text(); }
QString TTypDokument::GetSpreaderModel() const { return SModell_Edit->text(); }
QString TTypDokument::GetSpreaderSetting() const { return SInstallning_Edit->text(); }
QString TTypDokument::GetFertiliserName() const { return GMedel_Edit->text(); }
QString TTypDokument::GetFertiliserMaker() const { return GFabrikat_Edit->text(); }
QString TTypDokument::GetProductionSite() const { return GPLats_Edit->text(); }

QLineEdit* TTypDokument::Box_Edit(int tray) const {
    if (tray < 1 || tray > TrayCount) return nullptr;
    return boxEdits_[static_cast<std::size_t>(tray - 1)];
}

void TTypDokument::SetTrayValue(qint64 value, int tray) {
    if (QLineEdit* edit = Box_Edit(tray)) edit->setText(QString::number(value));
}

QString TTypDokument::GetTrayText(int tray) const {
    const QLineEdit* edit = Box_Edit(tray);
    return edit ? edit->text() : QString();
}

int TTypDokument::LastEmptyTray() const {
    int last = 0;
    for (int tray = 1; tray <= TrayCount; ++tray)
        if (Box_Edit(tray)->text().isEmpty()) last = tray;
    return last;
}

void TTypDokument::FocusTray(int tray) {
    if (QLineEdit* edit = Box_Edit(tray)) edit->setFocus();
}

void TTypDokument::SpridarTyp_RadioGroupClick() {
    switch (SpridarTyp_RadioGroup->ItemIndex()) {
        case 0:
            UpDown2->SetPosition(Width12mLayout);
            ShowWorkingWidth();
            layout_ = Layout12m;
            break;
        case 1:
            UpDown2->SetPosition(Width24mLayout);
            ShowWorkingWidth();
            layout_ = Layout24m;
            break;
        default:
            break;
    }
}

void TTypDokument::UpDown2Click() { ShowWorkingWidth(); }

void TTypDokument::ShowWorkingWidth() { Edit1->setText(FormatNumber(UpDown2->Position() / 2.0)); }

void TTypDokument::showEvent(QShowEvent* event) {
    ShowWorkingWidth();
    QDialog::showEvent(event);
}

void TTypDokument::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter presses a button that has the focus, and nothing else.
            if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
            return;
        case Qt::Key_Escape:
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

}  // namespace kaldoventri
