// The strip of 26 tray fields on the bottom panel, the sheet close button's
// place and the alignment of the result labels.
#include <QLabel>
#include <QLineEdit>

#include "ui/mainwindow/TForm1.h"
#include "ui/widgets/ProgramFont.h"
#include "ui/widgets/TrayKeyFilter.h"

namespace kaldoventri {

namespace {

// Slot k of the strip (k = 1, 2, ...) lies at x = 180 + 35 k and fits
// while x + 30 < panel width - 10.
constexpr int TrayPitch = 35;
constexpr int StripOrigin = 180;

int SlotX(int slot) { return StripOrigin + TrayPitch * slot; }
bool SlotFits(int slot, int panelWidth) { return SlotX(slot) + 30 < panelWidth - 10; }

QFont TrayFont() { return ProgramPointFont(QStringLiteral("MS Sans Serif"), 12, true); }

}  // namespace

QLineEdit* TForm1::TrayEdit(int tray) const {
    return tray >= 1 && tray <= TrayCount ? trayEdits_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

QLabel* TForm1::TrayEditLabel(int tray) const {
    return tray >= 1 && tray <= TrayCount ? trayEditLabels_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

int TForm1::TrayOfEdit(const QObject* object) const {
    for (int tray = 1; tray <= TrayCount; ++tray)
        if (trayEdits_[static_cast<std::size_t>(tray - 1)] == object) return tray;
    return 0;
}

bool TForm1::AnyTrayEditEmpty() const { return LastEmptyTrayEdit() > 0; }

int TForm1::LastEmptyTrayEdit() const {
    int last = 0;
    for (int tray = 1; tray <= TrayCount; ++tray)
        if (TrayEdit(tray)->text().isEmpty()) last = tray;
    return last;
}

void TForm1::CreateTrayEdits() {
    const int width = Bottom_Panel->width();
    QWidget* previous = nullptr;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        auto* field = new QLineEdit(Bottom_Panel);
        field->setObjectName(QStringLiteral("FBox%1").arg(tray));
        // Three digits must fit the 35-pixel field, which the fallback face is too wide for.
        field->setFont(CondensedToFit(TrayFont(), QStringLiteral("999"), 35 - 8));
        field->hide();
        auto* label = new QLabel(QString::number(tray), Bottom_Panel);
        label->setObjectName(QStringLiteral("FBoxLabel%1").arg(tray));
        label->setFont(TrayFont());
        if (SlotFits(tray, width)) {
            field->setGeometry(SlotX(tray), 5, 35, 23);
            label->setGeometry(SlotX(tray), 36, 35, 23);
            label->show();
        } else {
            field->setGeometry(40, 5, 35, 23);
            label->setGeometry(40, 36, 35, 23);
            label->hide();
        }
        field->installEventFilter(trayKeyFilter_);
        field->installEventFilter(this);
        if (previous != nullptr) setTabOrder(previous, field);
        previous = field;
        trayEdits_[static_cast<std::size_t>(tray - 1)] = field;
        trayEditLabels_[static_cast<std::size_t>(tray - 1)] = label;
    }
}

void TForm1::PlaceTrayEdit(int tray, int slot, bool shown) {
    QLineEdit* field = TrayEdit(tray);
    QLabel* label = TrayEditLabel(tray);
    if (shown) {
        field->setGeometry(SlotX(slot), 10, 35, 25);
        label->setGeometry(SlotX(slot) + 5, 35, 35, 25);
    }
    field->setVisible(shown);
    label->setVisible(shown);
}

void TForm1::ArrangeTrayEdits() {
    const int width = Bottom_Panel->width();
    Box_ScrollBar->setValue(0);
    int shownCount = 0;
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const bool fits = SlotFits(tray, width);
        PlaceTrayEdit(tray, tray, fits);
        if (fits) {
            Box_ScrollBar->resize(TrayPitch * tray, Box_ScrollBar->height());
            ++shownCount;
        }
    }
    trayStripScrolls_ = shownCount < TrayCount;
    Box_ScrollBar->setVisible(trayStripScrolls_ && PageControl1->ActivePageIndex() >= 0);
    Box_ScrollBar->setMaximum(TrayCount - shownCount);
    Box_ScrollBar->setPageStep(TrayCount);
}

void TForm1::ScrollTrayEdits() {
    const int width = Bottom_Panel->width();
    const int first = Box_ScrollBar->value();
    for (int tray = 1; tray <= TrayCount; ++tray) {
        const int slot = tray - first;
        PlaceTrayEdit(tray, slot, slot >= 1 && SlotFits(slot, width));
    }
    Box_ScrollBar->setPageStep(1);
}

void TForm1::PlaceCloseButton() {
    Close_Button->move(Diagram_Area->width() - Close_Button->width() - 5, 5);
    Close_Button->setVisible(PageControl1->ActivePageIndex() >= 0);
    Close_Button->raise();
}

void TForm1::AlignResultLabels() {
    struct Row {
        QLabel* caption;
        QLabel* value;
    };
    struct Group {
        QLabel* longest;
        std::vector<Row> rows;
        bool valuesTakeCaptionTop;
    };
    const std::vector<Group> groups{
        {Label3, {{Label3, VK_Label}, {Label2, ABredd_Label}}, false},
        {Label10, {{Label7, OVK_Label}, {Label10, OptimalAbredd_Label}}, false},
        {Label1, {{Label1, SFabrikat_Label}, {Label6, SModell_Label}, {Label8, SInstallning_Label}}, true},
        {Label11, {{Label4, GMedel_Label}, {Label5, GFabrikat_Label}, {Label11, GPlats_Label}}, true},
    };
    for (const Group& group : groups) {
        group.longest->adjustSize();
        group.longest->move(16, group.longest->y());
        const int edge = 16 + group.longest->width();
        for (const Row& row : group.rows) {
            row.caption->adjustSize();
            row.caption->move(edge - row.caption->width(), row.caption->y());
            const int top = group.valuesTakeCaptionTop ? row.caption->y() : row.value->y();
            const int room = row.value->parentWidget()->width() - (edge + 5) - 6;
            row.value->setGeometry(edge + 5, top, qMax(room, 0), row.caption->height());
        }
    }
}

}  // namespace kaldoventri
