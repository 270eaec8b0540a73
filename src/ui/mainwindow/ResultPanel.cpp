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
// Pixels kept free for a value such as "12,5 m" or "18,2 %" in the result boxes.
constexpr int ResultValueRoom = 62;
}  // namespace

ResultPanel::ResultPanel(Ui::TForm1& form) : form_(form) {
    FitFonts();
    AlignResultLabels();
}

void ResultPanel::FitFonts() {
    const QFont panelFont = ProgramPixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    for (QLabel* label : form_.Top_Panel->findChildren<QLabel*>()) label->setFont(panelFont);
    // The fallback face runs wider than the one the window was laid out for:
    // narrow the result boxes' font so that a value fits beside the longest
    // caption, and "Arbetsbredd:" so that it ends before the arrows.
    for (QGroupBox* box : {form_.GroupBox1, form_.GroupBox2}) {
        const QString longest = box == form_.GroupBox1 ? form_.Label3->text() : form_.Label10->text();
        const QFont narrowed = CondensedToFit(panelFont, longest, box->width() - 16 - 5 - ResultValueRoom);
        for (QLabel* label : box->findChildren<QLabel*>()) label->setFont(narrowed);
    }
    form_.Label9->setFont(CondensedToFit(panelFont, form_.Label9->text(), form_.UpDown1->x() - form_.Label9->x() - 4));
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
    f.VK_Label->setText(FormatNumber(sheet->GetVK(sheet->GetABredd())) + QStringLiteral(" %"));
    f.ABredd_Label->setText(FormatNumber(sheet->GetABredd() / 2.0) + QStringLiteral(" m"));
    f.OVK_Label->setText(FormatNumber(sheet->GetOptimalVK()) + QStringLiteral(" %"));
    f.OptimalAbredd_Label->setText(FormatNumber(sheet->GetOptimalWidth()) + QStringLiteral(" m"));
}

}  // namespace kaldoventri
