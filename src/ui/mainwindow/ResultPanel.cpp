// The result and description labels.
#include "ui/mainwindow/ResultPanel.h"

#include <QGroupBox>
#include <QLabel>

#include <vector>

#include "evaluation/TNewTabSheet.h"
#include "files/LocaleNumber.h"
#include "ui/widgets/ProgramFont.h"
#include "ui_TForm1.h"

namespace kaldoventri {

namespace {

// Shows the text in the label, in a narrower or smaller font when it would
// not fit the label's width at the panel's font.
void ShowFitted(QLabel* label, const QString& text, const QFont& font) {
    label->setFont(FittedToWidth(font, text, label->width()));
    label->setText(text);
}

}  // namespace

ResultPanel::ResultPanel(Ui::TForm1& form) : form_(form) {
    FitFonts();
    AlignResultLabels();
}

void ResultPanel::FitFonts() {
    const QFont panelFont = ProgramPixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    for (QLabel* label : form_.Top_Panel->findChildren<QLabel*>()) label->setFont(panelFont);
    form_.Label9->setFont(CondensedToFit(panelFont, form_.Label9->text(), form_.UpDown1->x() - form_.Label9->x() - 4));

    // The result boxes grow to hold their longest caption and the longest
    // value a test gives (a VK of "509,9 %" at most, a width of "50 m"), so
    // GroupBox2 moves along with GroupBox1. A value beyond that (from a file
    // with negative amounts) is narrowed to fit when it is shown.
    const QFontMetrics metrics(panelFont);
    const int valueRoom = metrics.horizontalAdvance(QStringLiteral("999,9 %"));
    const auto fitted = [&](QGroupBox* box, const QLabel* longest) {
        const int needed = 16 + metrics.horizontalAdvance(longest->text()) + 5 + valueRoom + 10;
        box->resize(qMax(box->width(), needed), box->height());
    };
    fitted(form_.GroupBox1, form_.Label3);
    fitted(form_.GroupBox2, form_.Label10);
    form_.GroupBox2->move(form_.GroupBox1->geometry().right() + 16, form_.GroupBox2->y());
}

void ResultPanel::AlignResultLabels() {
    struct Row {
        QLabel* caption;
        QLabel* value;
    };
    struct Group {
        QLabel* longest;
        std::vector<Row> rows;
        bool valuesTakeCaptionTop;
    };
    Ui::TForm1& f = form_;
    const std::vector<Group> groups{
        {f.Label3, {{f.Label3, f.VK_Label}, {f.Label2, f.ABredd_Label}}, false},
        {f.Label10, {{f.Label7, f.OVK_Label}, {f.Label10, f.OptimalAbredd_Label}}, false},
        {f.Label1, {{f.Label1, f.SFabrikat_Label}, {f.Label6, f.SModell_Label}, {f.Label8, f.SInstallning_Label}}, true},
        {f.Label11, {{f.Label4, f.GMedel_Label}, {f.Label5, f.GFabrikat_Label}, {f.Label11, f.GPlats_Label}}, true},
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

void ResultPanel::Show(const TNewTabSheet* sheet) {
    Ui::TForm1& f = form_;
    const auto text = [sheet](const std::string& (TNewTabSheet::*get)() const) {
        return sheet == nullptr ? QString() : QString::fromStdString((sheet->*get)());
    };
    f.GFabrikat_Label->setText(text(&TNewTabSheet::GetGodselFabrikat));
    f.GMedel_Label->setText(text(&TNewTabSheet::GetGodselMedel));
    f.GPlats_Label->setText(text(&TNewTabSheet::GetProduktionsplats));
    f.SFabrikat_Label->setText(text(&TNewTabSheet::GetSpridarFabrikat));
    f.SModell_Label->setText(text(&TNewTabSheet::GetSpridarModell));
    f.SInstallning_Label->setText(text(&TNewTabSheet::GetSpridarInstallning));
    if (sheet == nullptr) {
        for (QLabel* label : {f.VK_Label, f.ABredd_Label, f.OVK_Label, f.OptimalAbredd_Label}) label->clear();
        return;
    }
    const QFont font = f.Label3->font();
    ShowFitted(f.VK_Label, FormatNumber(sheet->GetVK(sheet->GetABredd())) + QStringLiteral(" %"), font);
    ShowFitted(f.ABredd_Label, FormatNumber(sheet->GetABredd() / 2.0) + QStringLiteral(" m"), font);
    ShowFitted(f.OVK_Label, FormatNumber(sheet->GetOptimalVK()) + QStringLiteral(" %"), font);
    ShowFitted(f.OptimalAbredd_Label, FormatNumber(sheet->GetOptimalWidth()) + QStringLiteral(" m"), font);
}

}  // namespace kaldoventri
