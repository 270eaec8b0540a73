// The result and description labels.
#include "ui/views/ResultPanel.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

#include "display/LocaleText.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/TNewTabSheet.h"
#include "ui/controls/ProgramFont.h"

namespace kaldoventri {

namespace {

// Shows the text in the label, in a narrower or smaller font when it would
// not fit the label's width at the panel's font.
void ShowFitted(QLabel* label, const QString& text, const QFont& font) {
    label->setFont(FittedToWidth(font, text, label->width()));
    label->setText(text);
}

}  // namespace

ResultPanel::ResultPanel(QWidget& topPanel) : panel_(topPanel) {
    const char* const results[] = {"VK_Label", "ABredd_Label", "OVK_Label", "OptimalAbredd_Label"};
    const char* const texts[] = {"SFabrikat_Label", "SModell_Label", "SInstallning_Label",
                                 "GMedel_Label",    "GFabrikat_Label", "GPlats_Label"};
    for (int i = 0; i < 4; ++i) results_[i] = Label(results[i]);
    for (int i = 0; i < 6; ++i) texts_[i] = Label(texts[i]);
    FitFonts();
    AlignResultLabels();
}

QLabel* ResultPanel::Label(const char* name) const {
    auto* label = panel_.findChild<QLabel*>(QLatin1String(name));
    Q_ASSERT(label != nullptr);
    return label;
}

void ResultPanel::FitFonts() {
    const QFont panelFont = ProgramPixelFont(QStringLiteral("MS Sans Serif"), 16, true);
    font_ = panelFont;
    for (QLabel* label : panel_.findChildren<QLabel*>()) label->setFont(panelFont);

    // The result boxes grow to hold their longest caption and the longest
    // value a test gives (a VK of "509,9 %" at most, a width of "49,5 m,
    // varvkörning"), so GroupBox2 moves along with GroupBox1. A value beyond
    // that (from a file with negative amounts) is narrowed to fit when it is shown.
    const QFontMetrics metrics(panelFont);
    const int percentRoom = metrics.horizontalAdvance(QStringLiteral("999,9 %"));
    const int widthRoom = metrics.horizontalAdvance(FromUtf8(WorkingWidthText(99, DrivingPattern::Racetrack, ",")));
    const auto fitted = [&](QGroupBox* box, const QLabel* longest, int valueRoom) {
        const int needed = 16 + metrics.horizontalAdvance(longest->text()) + 5 + valueRoom + 10;
        box->resize(qMax(box->width(), needed), box->height());
    };
    auto* resultBox = panel_.findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    auto* optimumBox = panel_.findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    fitted(resultBox, Label("Label3"), std::max(percentRoom, widthRoom));
    fitted(optimumBox, Label("Label10"), percentRoom);
    optimumBox->move(resultBox->geometry().right() + 16, optimumBox->y());
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
    const auto row = [this](const char* caption, const char* value) { return Row{Label(caption), Label(value)}; };
    const std::vector<Group> groups{
        {Label("Label3"), {row("Label3", "VK_Label"), row("Label2", "ABredd_Label")}, false},
        {Label("Label10"), {row("Label7", "OVK_Label"), row("Label10", "OptimalAbredd_Label")}, false},
        {Label("Label1"),
         {row("Label1", "SFabrikat_Label"), row("Label6", "SModell_Label"), row("Label8", "SInstallning_Label")},
         true},
        {Label("Label11"),
         {row("Label4", "GMedel_Label"), row("Label5", "GFabrikat_Label"), row("Label11", "GPlats_Label")},
         true},
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
    using Text = const std::string& (TNewTabSheet::*)() const;
    const Text texts[] = {&TNewTabSheet::GetSpridarFabrikat, &TNewTabSheet::GetSpridarModell,
                          &TNewTabSheet::GetSpridarInstallning, &TNewTabSheet::GetGodselMedel,
                          &TNewTabSheet::GetGodselFabrikat, &TNewTabSheet::GetProduktionsplats};
    for (int i = 0; i < 6; ++i) texts_[i]->setText(sheet == nullptr ? QString() : FromUtf8((sheet->*texts[i])()));
    if (sheet == nullptr) {
        for (QLabel* label : results_) label->clear();
        return;
    }
    // A VK that could not be computed, and a search range without any, read "–": never a perfect 0 %.
    const QLocale locale;
    const QString missing = FromUtf8(MissingFigure);
    const int own = sheet->GetABredd();
    const bool optimum = sheet->HasOptimum();
    const QString values[] = {sheet->GetVKComputed(own) ? PercentText(sheet->GetVK(own), locale) : missing,
                              FromUtf8(WorkingWidthText(own, DrivingPatternOf(*sheet), DecimalSeparatorOf(locale))),
                              optimum ? PercentText(sheet->GetOptimalVK(), locale) : missing,
                              optimum ? MetresText(sheet->GetOptimalWidth(), locale) : missing};
    for (int i = 0; i < 4; ++i) ShowFitted(results_[i], values[i], font_);
}

}  // namespace kaldoventri
