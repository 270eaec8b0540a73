// The test entry dialog. The window's controls come from TTypDokument.ui; this
// file adds the fonts, the tray key filter, the tab order and the behaviour of
// the layout choice and the working width.
#include "ui/dialogs/TTypDokument.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <variant>

#include "display/LocaleText.h"
#include "ui/controls/ArrowControl.h"
#include "ui/controls/DescriptionGuard.h"
#include "ui/controls/ProgramFont.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/TrayKeyFilter.h"
#include "ui/controls/TrayText.h"
#include "ui/dialogs/KitPanel.h"
#include "ui/dialogs/SheetUnitsPanel.h"
#include "ui/dialogs/TestRecordPanel.h"
#ifdef KALDOVENTRI_SCALE
#include "ui/dialogs/ScaleWindow.h"
#endif
#include "ui/dialogs/TrayEntryRow.h"
#include "ui/support/CommandError.h"
#include "ui/support/MessageBoxes.h"
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
    for (int tray = 1; tray <= TrayCount; ++tray) trayKeyFilter_->Guard(Box_Edit(tray), tray);
    FitTexts();
    unitsPanel_ = new SheetUnitsPanel(this);
    PlaceUnitsPanel();
    trayRow_ = new TrayEntryRow(ui_->Backar_Panel, Box_Edit(2)->x() - Box_Edit(1)->x(), Box_Edit(1)->width(),
                                trayKeyFilter_);
    trayKeyFilter_->SetTrayCount([this] { return trayRow_->Count(); });
    baseTrayPanelHeight_ = ui_->Backar_Panel->height();
    // The record goes under the trays; the buttons and the dialog's foot move down for it.
    recordPanel_ = new TestRecordPanel(this);
    const int recordRoom = recordPanel_->sizeHint().height() + 6;
    baseHeight_ = height() + recordRoom;
    baseButton1Top_ = ui_->Button1->y() + recordRoom;
    baseButton2Top_ = ui_->Button2->y() + recordRoom;
    kitPanel_ = new KitPanel(*trayRow_, this);
    kitPanel_->hide();
    connect(kitPanel_, &KitPanel::countChanged, this, [this](int count) {
        trayRow_->SetCount(count, true);
        SetTabOrder();
    });

    // The layout is chosen before the handler is connected, so creating the
    // dialog changes no working width.
    SpridarTyp_RadioGroup->SetItems(
        {FromUtf8(LayoutName(Layout12m)), FromUtf8(LayoutName(Layout24m)), QStringLiteral("Egen uppställning")});
    // The third item takes room from the working-width panel below, which
    // has more than its one field needs.
    constexpr int ThirdItem = 22;
    SpridarTyp_RadioGroup->resize(SpridarTyp_RadioGroup->width(), SpridarTyp_RadioGroup->height() + ThirdItem);
    ui_->Uppstallning_Panel->resize(ui_->Uppstallning_Panel->width(), ui_->Uppstallning_Panel->height() + ThirdItem);
    ui_->Arbetsbredd_Panel->setGeometry(ui_->Arbetsbredd_Panel->geometry().adjusted(0, ThirdItem, 0, 0));
    SpridarTyp_RadioGroup->SetItemIndex(0);
    connect(SpridarTyp_RadioGroup, &RadioGroup::Click, this,
            &TTypDokument::SpridarTyp_RadioGroupClick);

    UpDown2->SetMax(WidestWorkingWidth);
    UpDown2->SetMin(NarrowestWorkingWidth);
    UpDown2->SetPageStep(HalfMetresPerMetre);
    UpDown2->SetPosition(Width12mLayout);
    UpDown2->SetBuddy(Edit1);
    connect(UpDown2, &ArrowControl::Click, this, &TTypDokument::UpDown2Click);

    // Neither button is the default or the cancel button: Enter and Escape in
    // a field must not close the dialog.
    connect(ui_->Button1, &QPushButton::clicked, this, &TTypDokument::OkClicked);
    connect(ui_->Button2, &QPushButton::clicked, this, &QDialog::reject);
#ifdef KALDOVENTRI_SCALE
    scaleButton_ = new QPushButton(QStringLiteral("&Våg..."), this);
    scaleButton_->setAutoDefault(false);
    scaleButton_->setGeometry(ui_->Button2->geometry().translated(ui_->Button2->width() + 12, 0));
    connect(scaleButton_, &QPushButton::clicked, this, &TTypDokument::OpenScale);
    // The scale fills this dialog's fields only while it is open.
    connect(this, &QDialog::finished, this, [this] {
        if (scaleWindow_) scaleWindow_->close();
    });
#endif

    ShowKitControls(false);  // places the record and the buttons under the trays
    ShowWorkingWidth();
}

TTypDokument::~TTypDokument() = default;

bool TTypDokument::Execute() {
    ShowWorkingWidth();
    // The dialog opens on a layout it offers: any code but "24 m" and an own kit is "12 m".
    if (layout_ != Layout24m && layout_ != LayoutOwn) layout_ = Layout12m;
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
    ShowKitControls(false);
    for (QLineEdit* edit : {SFabrikat_Edit, SModell_Edit, SInstallning_Edit, GMedel_Edit,
                            GFabrikat_Edit, GPLats_Edit})
        edit->clear();
    for (int tray = 1; tray <= trayRow_->Count(); ++tray) Box_Edit(tray)->clear();
    unitsPanel_->Clear();
    recordPanel_->Clear();
    // A blank test is typed from the top, not from wherever the last one ended.
    SFabrikat_Edit->setFocus();
}

void TTypDokument::ClearAmounts() {
    for (int tray = 1; tray <= trayRow_->Count(); ++tray) Box_Edit(tray)->clear();
    if (trayRow_->Count() > 0) Box_Edit(1)->setFocus();
}

void TTypDokument::ShowSettings(const SheetSettings& settings) {
    SFabrikat_Edit->setText(settings.spreaderMaker);
    SModell_Edit->setText(settings.spreaderModel);
    SInstallning_Edit->setText(settings.spreaderSetting);
    GMedel_Edit->setText(settings.fertiliserName);
    GFabrikat_Edit->setText(settings.fertiliserMaker);
    GPLats_Edit->setText(settings.productionSite);
    const bool own = settings.kit.layout == LayoutOwn;
    SpridarTyp_RadioGroup->SetItemIndex(own ? 2 : settings.kit.layout == Layout12m ? 0 : 1);
    SetLayout(settings.kit.layout);
    if (own) {
        kitPanel_->ShowKit(settings.kit);
        kitShown_ = true;
    }
    ShowKitControls(own);
    for (int tray = 1; tray <= trayRow_->Count() && tray <= static_cast<int>(settings.amounts.size()); ++tray)
        SetTrayValue(settings.amounts[static_cast<std::size_t>(tray - 1)], tray);
    UpDown2->SetPosition(settings.workingWidth);
    unitsPanel_->ShowUnits(settings.units);
    recordPanel_->ShowRecord(settings.record);
}

void TTypDokument::DateToday() {
    auto record = recordPanel_->ReadRecord();
    TestRecord shown = std::holds_alternative<TestRecord>(record) ? std::get<TestRecord>(record) : TestRecord{};
    shown.date = TodayIso();
    recordPanel_->ShowRecord(shown);
}

SheetSettings TTypDokument::Settings() const {
    SheetSettings settings;
    settings.amounts.assign(static_cast<std::size_t>(trayRow_->Count()), 0);
    for (int tray = 1; tray <= trayRow_->Count(); ++tray)
        settings.amounts[static_cast<std::size_t>(tray - 1)] = TrayAmountOrError(GetTrayText(tray), tray);
    settings.spreaderMaker = GetSpreaderMaker();
    settings.spreaderModel = GetSpreaderModel();
    settings.spreaderSetting = GetSpreaderSetting();
    settings.fertiliserName = GetFertiliserName();
    settings.fertiliserMaker = GetFertiliserMaker();
    settings.productionSite = GetProductionSite();
    if (GetLayout() == LayoutOwn) {
        auto kit = kitPanel_->ReadKit();
        if (const QString* problem = std::get_if<QString>(&kit)) throw CommandError(*problem);
        settings.kit = std::get<TrayKit>(std::move(kit));
    } else {
        settings.kit = BuiltInKit(GetLayout());
    }
    settings.workingWidth = GetWorkingWidth();
    auto units = unitsPanel_->ReadUnits();
    if (const UnitsRefusal* refusal = std::get_if<UnitsRefusal>(&units)) throw CommandError(refusal->message);
    settings.units = std::get<SheetUnits>(units);
    auto record = recordPanel_->ReadRecord();
    if (const UnitsRefusal* refusal = std::get_if<UnitsRefusal>(&record)) throw CommandError(refusal->message);
    settings.record = std::get<TestRecord>(record);
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
    // Until the tray row has taken them over, the stored fields are the dialog's.
    if (trayRow_ != nullptr) return trayRow_->Amount(tray);
    if (tray < 1 || tray > TrayCount) return nullptr;
    return findChild<QLineEdit*>(QStringLiteral("Box_Edit%1").arg(tray));
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
    for (int tray = 1; tray <= trayRow_->Count(); ++tray)
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
            ShowKitControls(false);
            break;
        case 1:
            UpDown2->SetPosition(Width24mLayout);
            ShowWorkingWidth();
            layout_ = Layout24m;
            ShowKitControls(false);
            break;
        case 2:
            // A first own kit starts from the places of the layout left, which
            // the user then edits; later ones from the kit typed last.
            if (!kitShown_) {
                TrayKit start = BuiltInKit(layout_ == Layout24m ? Layout24m : Layout12m);
                start.layout = LayoutOwn;
                start.name.clear();
                kitPanel_->ShowKit(start);
                kitShown_ = true;
            }
            layout_ = LayoutOwn;
            ShowKitControls(true);
            break;
        default:
            break;
    }
}

std::optional<QString> TTypDokument::KitProblemText() const {
    if (GetLayout() != LayoutOwn) return std::nullopt;
    const auto kit = kitPanel_->ReadKit();
    if (const QString* problem = std::get_if<QString>(&kit)) return *problem;
    return std::nullopt;
}

void TTypDokument::KeepKit() {
    if (GetLayout() != LayoutOwn) return;
    const auto kit = kitPanel_->ReadKit();
    if (const TrayKit* usable = std::get_if<TrayKit>(&kit)) kitPanel_->Keep(*usable);
}

std::optional<QString> TTypDokument::UnitsProblemText() const {
    const auto units = unitsPanel_->ReadUnits();
    if (const UnitsRefusal* refusal = std::get_if<UnitsRefusal>(&units)) return refusal->message;
    return std::nullopt;
}

void TTypDokument::FocusUnitsProblem() {
    const auto units = unitsPanel_->ReadUnits();
    if (const UnitsRefusal* refusal = std::get_if<UnitsRefusal>(&units)) refusal->field->setFocus();
}

std::optional<QString> TTypDokument::EntriesProblem() {
    if (std::optional<QString> problem = KitProblemText()) return problem;
    if (std::optional<QString> problem = UnitsProblemText()) {
        FocusUnitsProblem();
        return problem;
    }
    if (const int empty = LastEmptyTray(); empty > 0) {
        FocusTray(empty);
        return MissingTrayMessage(empty);
    }
    const auto record = recordPanel_->ReadRecord();
    if (const UnitsRefusal* refusal = std::get_if<UnitsRefusal>(&record)) {
        refusal->field->setFocus();
        return refusal->message;
    }
    return std::nullopt;
}

void TTypDokument::OkClicked() {
    // The message stands over the dialog, which stays as it was typed and
    // ready for the correction, instead of closing behind the message.
    if (const std::optional<QString> problem = EntriesProblem())
        ShowPlainMessage(this, *problem);
    else
        accept();
}

void TTypDokument::UpDown2Click() { ShowWorkingWidth(); }

void TTypDokument::ShowWorkingWidth() { Edit1->setText(FormatNumber(UpDown2->Position() / 2.0)); }

void TTypDokument::showEvent(QShowEvent* event) {
    ShowWorkingWidth();
    QDialog::showEvent(event);
    // Shown again where it was last, the dialog may have grown since.
    KeepOnScreen();
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

#ifdef KALDOVENTRI_SCALE
void TTypDokument::OpenScale() {
    if (!scaleWindow_) {
        ScaleTarget target{
            [this] { return trayRow_->Count(); }, [this](int tray) { return Box_Edit(tray); }, [](int) {},
            [this] {
                auto units = unitsPanel_->ReadUnits();
                return std::holds_alternative<SheetUnits>(units) ? std::get<SheetUnits>(units) : SheetUnits{};
            }};
        scaleWindow_ = new ScaleWindow(std::move(target), this);
        scaleWindow_->PlaceBeside(*this);
    }
    scaleWindow_->show();
    scaleWindow_->raise();
    scaleWindow_->activateWindow();
}
#endif

}  // namespace kaldoventri
