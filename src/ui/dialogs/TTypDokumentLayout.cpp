// The test entry dialog's geometry beyond its stored layout: fonts that fit,
// the tray row widened for five digits, the units panel beside the
// description, the own kit's controls and the tab order through all of them.
#include <QGuiApplication>
#include <QLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "ui/controls/ProgramFont.h"
#include "ui/controls/RadioGroup.h"
#include "ui/controls/TrayText.h"
#include "ui/dialogs/KitPanel.h"
#include "ui/dialogs/SheetUnitsPanel.h"
#include "ui/dialogs/TestRecordPanel.h"
#include "ui/dialogs/TTypDokument.h"
#include "ui/dialogs/TrayEntryRow.h"
#include "ui_TTypDokument.h"

namespace kaldoventri {

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
    // A tray field shows the largest amount it takes whole; its text room is
    // the field less its frame and the line edit's own margin of 2 pixels a side.
    QLineEdit* first = Box_Edit(1);
    const int frame = first->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, first);
    const QFont trayFont =
        CondensedToFit(first->font(), QString::number(LargestTypedAmount), first->width() - 2 * frame - 4);
    for (int tray = 1; tray <= TrayCount; ++tray) {
        QLineEdit* edit = Box_Edit(tray);
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
    const int left = Box_Edit(1)->x();
    const int outside = width() - panel->width();  // the dialog beside the tray panel
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().width() - 20 : 1600;
    const int pitch = std::clamp((room - outside - left - 2 - 14) / TrayCount, Box_Edit(2)->x() - left, WidestPitch);
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
    for (QWidget* field : trayRow_->TabOrder()) order.append(field);
    for (int i = 0; i < SpridarTyp_RadioGroup->Count(); ++i)
        order.append(SpridarTyp_RadioGroup->Button(i));
    order.append(Edit1);
    order.append(unitsPanel_->TabOrder());
    order.append(kitPanel_->TabOrder());
    order.append(recordPanel_->TabOrder());
    if (scaleButton_ != nullptr) order.append(scaleButton_);
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order.at(i - 1), order.at(i));
}

void TTypDokument::ShowKitControls(bool own) {
    trayRow_->SetCount(own ? kitPanel_->Count() : TrayCount, own);
    QWidget* panel = ui_->Backar_Panel;
    panel->resize(panel->width(), baseTrayPanelHeight_ + (own ? trayRow_->PlacesHeight() : 0));
    if (own) kitPanel_->setGeometry(panel->x(), panel->y() + panel->height() + 6, panel->width(),
                                    kitPanel_->sizeHint().height());
    kitPanel_->setVisible(own);
    const int grow = (own ? kitPanel_->height() + 6 : 0) + (panel->height() - baseTrayPanelHeight_);
    const int recordTop = own ? kitPanel_->geometry().bottom() + 7 : panel->geometry().bottom() + 7;
    recordPanel_->setGeometry(panel->x(), recordTop, panel->width(), recordPanel_->sizeHint().height());
    recordPanel_->layout()->activate();  // its captions get their widths before the dialog first shows
    ui_->Button1->move(ui_->Button1->x(), baseButton1Top_ + grow);
    ui_->Button2->move(ui_->Button2->x(), baseButton2Top_ + grow);
    if (scaleButton_ != nullptr) scaleButton_->move(scaleButton_->x(), ui_->Button2->y());
    resize(width(), baseHeight_ + grow);
    SetTabOrder();
    if (isVisible()) KeepOnScreen();
}

void TTypDokument::KeepOnScreen() {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) return;
    const QRect room = shownOn->availableGeometry();
    const QRect frame = frameGeometry();
    const int top = std::max(room.top(), std::min(frame.top(), room.bottom() + 1 - frame.height()));
    if (top != frame.top()) move(frame.left(), top);
}

void TTypDokument::PlaceUnitsPanel() {
    // The description fields give up what they were widened by, down to
    // three quarters of their stored width; what is still missing widens the dialog.
    constexpr int Gap = 10;
    const QList<QWidget*> descriptionBoxes{ui_->Spridare_GroupBox, ui_->Godsel_GroupBox};
    const QList<QLineEdit*> descriptionFields{SFabrikat_Edit, SModell_Edit, SInstallning_Edit,
                                              GMedel_Edit,    GFabrikat_Edit, GPLats_Edit};
    const int needed = unitsPanel_->sizeHint().width() + Gap;
    const int spare = SFabrikat_Edit->width() - 360;
    const int taken = std::clamp(needed, 0, std::max(spare, 0));
    for (QWidget* box : descriptionBoxes) box->resize(box->width() - taken, box->height());
    for (QLineEdit* edit : descriptionFields) edit->resize(edit->width() - taken, edit->height());
    const int extra = needed - taken;
    if (extra > 0) {
        for (QWidget* moved : {static_cast<QWidget*>(ui_->Uppstallning_Panel),
                               static_cast<QWidget*>(ui_->Arbetsbredd_Panel), static_cast<QWidget*>(ui_->Button1)})
            moved->move(moved->x() + extra, moved->y());
        resize(width() + extra, height());
    }
    const QWidget* top = ui_->Spridare_GroupBox;
    const int bottom = ui_->Godsel_GroupBox->geometry().bottom();
    unitsPanel_->setGeometry(top->geometry().right() + 1 + Gap, top->y(), needed - Gap, bottom - top->y() + 1);
}

}  // namespace kaldoventri
