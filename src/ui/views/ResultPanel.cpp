// The result and description labels.
#include "ui/views/ResultPanel.h"

#include "ui/views/RecordBox.h"

#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <vector>

#include "display/LocaleText.h"
#include "evaluation/DataWarnings.h"
#include "evaluation/DrivingPattern.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/SheetFigures.h"
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

ResultPanel::ResultPanel(QWidget& topPanel) : panel_(topPanel), panelHeight_(topPanel.maximumHeight()) {
    const char* const results[] = {"VK_Label", "ABredd_Label", "OVK_Label", "OptimalAbredd_Label"};
    const char* const texts[] = {"SFabrikat_Label", "SModell_Label", "SInstallning_Label",
                                 "GMedel_Label",    "GFabrikat_Label", "GPlats_Label"};
    for (int i = 0; i < 4; ++i) results_[i] = Label(results[i]);
    for (int i = 0; i < 6; ++i) texts_[i] = Label(texts[i]);
    FitFonts();
    AlignResultLabels();
    CreateUnitsColumn();
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
    if (sheet == nullptr) {
        for (QLabel* label : texts_) label->clear();
        for (QLabel* label : results_) label->clear();
        recordBox_->hide();
        return;
    }
    const std::string* texts[] = {&sheet->GetSpridarFabrikat(), &sheet->GetSpridarModell(),
                                  &sheet->GetSpridarInstallning(), &sheet->GetGodselMedel(),
                                  &sheet->GetGodselFabrikat(), &sheet->GetProduktionsplats()};
    for (int i = 0; i < 6; ++i) texts_[i]->setText(FromUtf8(*texts[i]));
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
    ShowUnitsColumn(sheet);
}

void ResultPanel::CreateUnitsColumn() {
    const auto label = [](QWidget* parent, const QString& name, const QString& text, const QFont& font) {
        auto* made = new QLabel(text, parent);
        made->setObjectName(name);
        made->setFont(font);
        return made;
    };
    recordBox_ = new RecordBox(&panel_, font_);
    rateBox_ = new QGroupBox(&panel_);
    rateBox_->setObjectName(QStringLiteral("Giva_GroupBox"));
    label(rateBox_, QStringLiteral("GivaCaption_Label"), QStringLiteral("Giva:"), font_);
    targetCaption_ = label(rateBox_, QStringLiteral("MalCaption_Label"), QStringLiteral("Mål:"), font_);
    rate_ = label(rateBox_, QStringLiteral("Giva_Label"), QString(), font_);
    target_ = label(rateBox_, QStringLiteral("Mal_Label"), QString(), font_);
    warningsBox_ = new QGroupBox(&panel_);
    warningsBox_->setObjectName(QStringLiteral("Varningar_GroupBox"));
    warnings_ = label(warningsBox_, QStringLiteral("Varningar_Label"), QString(),
                      ProgramPixelFont(QStringLiteral("MS Sans Serif"), 14, false));
    warnings_->setWordWrap(true);
    warnings_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    rateBox_->hide();
    warningsBox_->hide();
}

void ResultPanel::ShowUnitsColumn(const TNewTabSheet* sheet) {
    // A test without units has no rate, but its data warnings are shown all the same.
    if (sheet == nullptr) {
        panel_.setFixedHeight(panelHeight_);
        recordBox_->hide();
        rateBox_->hide();
        warningsBox_->hide();
        return;
    }
    const std::string separator = DecimalSeparatorOf();
    const SheetFigures figures = ComputeSheetFigures(*sheet);
    QStringList lines;
    for (const DataWarning& warning : DataWarningsOf(*sheet, separator)) lines << FromUtf8(warning.text);

    // The column stands right of the widest box of the two rows, as far as
    // the panel reaches. Where it would be narrower than its content needs,
    // the rate and the warnings take a row of their own under the texts, so
    // that a small window still shows them.
    const auto* resultBox = panel_.findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    const auto* fertiliserBox = panel_.findChild<QGroupBox*>(QStringLiteral("GroupBox3"));
    const auto* spreaderBox = panel_.findChild<QGroupBox*>(QStringLiteral("GroupBox4"));
    int left = 0;
    for (const char* name : {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4"})
        left = std::max(left, panel_.findChild<QGroupBox*>(QLatin1String(name))->geometry().right() + 16);
    left = std::max(left, recordBox_->Show(sheet, *fertiliserBox) + 16);
    constexpr int NarrowestColumn = 240;
    const bool beside = panel_.width() - left - 8 >= NarrowestColumn;
    const bool hasRate = figures.rate.has_value();
    const bool hasWarnings = !lines.isEmpty();
    const int rowTop = std::max(fertiliserBox->geometry().bottom(), spreaderBox->geometry().bottom()) + 9;
    const int rowHeight = resultBox->height();
    panel_.setFixedHeight(beside || !(hasRate || hasWarnings) ? panelHeight_ : rowTop + rowHeight + 8);
    QRect rateRect(left, resultBox->y(), panel_.width() - left - 8, resultBox->height());
    QRect warningsRect(left, fertiliserBox->y(), rateRect.width(), panelHeight_ - fertiliserBox->y() - 8);
    if (!beside) {
        rateRect = QRect(spreaderBox->x(), rowTop, spreaderBox->width(), rowHeight);
        const int warningsLeft = hasRate ? rateRect.right() + 17 : spreaderBox->x();
        warningsRect = QRect(warningsLeft, rowTop, panel_.width() - warningsLeft - 8, rowHeight);
    }
    const int width = rateRect.width();

    rateBox_->setVisible(hasRate);
    if (rateBox_->isVisible()) {
        rateBox_->setGeometry(rateRect);
        const QLabel* firstRow = Label("Label3");
        const QLabel* secondRow = Label("Label2");
        auto* rateCaption = rateBox_->findChild<QLabel*>(QStringLiteral("GivaCaption_Label"));
        const int edge = 16 + std::max(rateCaption->sizeHint().width(), targetCaption_->sizeHint().width());
        rateCaption->setGeometry(edge - rateCaption->sizeHint().width(), firstRow->y(), rateCaption->sizeHint().width(),
                                 firstRow->height());
        targetCaption_->setGeometry(edge - targetCaption_->sizeHint().width(), secondRow->y(),
                                    targetCaption_->sizeHint().width(), secondRow->height());
        const int valueRoom = std::max(width - edge - 5 - 6, 0);
        rate_->setGeometry(edge + 5, firstRow->y(), valueRoom, firstRow->height());
        target_->setGeometry(edge + 5, secondRow->y(), valueRoom, secondRow->height());
        ShowFitted(rate_, FromUtf8(RateText(figures, separator)), font_);
        QString target;
        if (figures.target) {
            target = FromUtf8(FormatGeneral(figures.target->target, separator)) + QStringLiteral(" kg/ha: ") +
                     FromUtf8(DeviationText(figures));
            if (figures.target->correction) target += QStringLiteral(", ") + FromUtf8(CorrectionText(figures, separator));
        }
        ShowFitted(target_, target, font_);
        targetCaption_->setVisible(figures.target.has_value());
    }

    warningsBox_->setVisible(hasWarnings);
    if (warningsBox_->isVisible()) {
        warningsBox_->setGeometry(warningsRect);
        const QRect inside = warningsBox_->rect().adjusted(8, 6, -8, -4);
        warnings_->setGeometry(inside);
        const QString text = lines.join(QLatin1Char('\n'));
        // Several warnings at once are shown smaller rather than cut off.
        QFont font = warnings_->font();
        for (int pixels = 14; pixels >= 10; --pixels) {
            font.setPixelSize(pixels);
            const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, inside.width(), 10000), Qt::TextWordWrap, text);
            if (needed.height() <= inside.height()) break;
        }
        warnings_->setFont(font);
        warnings_->setText(text);
        warningsBox_->setToolTip(text);
    }
}

}  // namespace kaldoventri
