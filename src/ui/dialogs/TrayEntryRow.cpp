// The dialog's tray row in a sideways-scrolling area.
#include "ui/dialogs/TrayEntryRow.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

#include "display/LocaleText.h"
#include "evaluation/TrayKit.h"
#include "ui/controls/TrayKeyFilter.h"

namespace kaldoventri {

namespace {

// Within the row: amount fields on top, their numbers under them, the places
// under the numbers.
constexpr int FieldHeight = 28;
constexpr int NumberTop = 32;
constexpr int NumberHeight = 20;
constexpr int PlaceTop = 54;
constexpr int RowHeight = NumberTop + NumberHeight;
constexpr int RowHeightWithPlaces = PlaceTop + FieldHeight;
// A line edit's frame, inner margins and text cursor beside its text.
constexpr int FieldChrome = 10;

class RevealOnFocus : public QObject {
public:
    explicit RevealOnFocus(QScrollArea* scroller) : QObject(scroller), scroller_(scroller) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The whole field, not only its text cursor (which is all ensureWidgetVisible looks at for
        // a line edit), comes into sight.
        if (event->type() == QEvent::FocusIn)
            if (auto* widget = qobject_cast<QWidget*>(watched)) {
                const QRect field = widget->geometry();
                scroller_->ensureVisible(field.center().x(), field.center().y(), field.width() / 2 + 2,
                                         field.height() / 2);
            }
        return false;
    }

private:
    QScrollArea* scroller_;
};

}  // namespace

std::optional<double> PlaceOf(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QChar(0x2212), QLatin1Char('-'));
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double place = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(place)) return std::nullopt;
    return KeptPlace(place);
}

TrayEntryRow::TrayEntryRow(QWidget* panel, int pitch, int fieldWidth, TrayKeyFilter* keyFilter)
    : QObject(panel), panel_(panel), scroller_(new QScrollArea(panel)), content_(new QWidget),
      placesCaption_(new QLabel(QStringLiteral("Läge, m:"), panel)), keyFilter_(keyFilter), pitch_(pitch),
      fieldWidth_(fieldWidth) {
    scroller_->setObjectName(QStringLiteral("Backar_ScrollArea"));
    scroller_->setFrameShape(QFrame::NoFrame);
    scroller_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroller_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller_->setFocusPolicy(Qt::NoFocus);
    scroller_->viewport()->setAutoFillBackground(false);
    content_->setAutoFillBackground(false);
    scroller_->setWidget(content_);

    auto* first = panel->findChild<QLineEdit*>(QStringLiteral("Box_Edit1"));
    Q_ASSERT(first);
    left_ = first->x();
    amountTop_ = first->y();
    if (const auto* caption = panel->findChild<QLabel*>(QStringLiteral("Backar_Label"))) {
        placesCaption_->setFont(caption->font());
        placesCaption_->setAlignment(caption->alignment());
        placesCaption_->setGeometry(caption->x(), amountTop_ + PlaceTop, caption->width(), FieldHeight);
    }
    placesCaption_->hide();

    for (int tray = 1; tray <= TrayCount; ++tray) {
        auto* amount = panel->findChild<QLineEdit*>(QStringLiteral("Box_Edit%1").arg(tray));
        auto* number = panel->findChild<QLabel*>(QStringLiteral("Box_Label%1").arg(tray));
        Q_ASSERT(amount && number);
        amount->setParent(content_);
        number->setParent(content_);
        amounts_.push_back(amount);
        numbers_.push_back(number);
    }
    for (int tray = 1; tray <= TrayCount; ++tray) Make(tray);
    SetCount(TrayCount, false);
}

void TrayEntryRow::Make(int tray) {
    const auto index = static_cast<std::size_t>(tray - 1);
    if (index >= amounts_.size()) {
        // Fields beyond the stored 26 take the look of the first.
        const QLineEdit* model = amounts_.front();
        auto* amount = new QLineEdit(content_);
        amount->setObjectName(QStringLiteral("Box_Edit%1").arg(tray));
        amount->setFont(model->font());
        amount->setAlignment(model->alignment());
        keyFilter_->Guard(amount, tray);
        auto* number = new QLabel(QString::number(tray), content_);
        number->setObjectName(QStringLiteral("Box_Label%1").arg(tray));
        number->setFont(numbers_.front()->font());
        number->setAlignment(numbers_.front()->alignment());
        amounts_.push_back(amount);
        numbers_.push_back(number);
    }
    auto* place = new QLineEdit(content_);
    place->setObjectName(QStringLiteral("Lage_Edit%1").arg(tray));
    // "-24.25" fits the tray's narrow field only without the amounts' bold.
    QFont placeFont = amounts_.front()->font();
    placeFont.setBold(false);
    place->setFont(placeFont);
    place->setTextMargins(0, 0, 0, 0);
    place->setAlignment(Qt::AlignCenter);
    place->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[-\u2212+]?\\d{0,2}([.,]\\d{0,4})?")), place));
    place->setToolTip(QStringLiteral("Backens läge i meter från körspårets mitt, vänster sida negativ"));
    connect(place, &QLineEdit::textChanged, this, [this] {
        if (FieldWidth() != shownWidth_) Layout();
    });
    places_.push_back(place);
    for (QWidget* field : {static_cast<QWidget*>(amounts_[index]), static_cast<QWidget*>(place)})
        field->installEventFilter(new RevealOnFocus(scroller_));
}

void TrayEntryRow::SetCount(int count, bool withPlaces) {
    count = std::clamp(count, FewestTrays, MostTrays);
    while (static_cast<int>(places_.size()) < count) Make(static_cast<int>(places_.size()) + 1);
    count_ = count;
    withPlaces_ = withPlaces;
    Layout();
}

int TrayEntryRow::FieldWidth() const {
    int width = fieldWidth_;
    if (withPlaces_)
        for (int i = 0; i < count_; ++i) {
            const QLineEdit* place = places_[static_cast<std::size_t>(i)];
            width = std::max(width, place->fontMetrics().horizontalAdvance(place->text()) + FieldChrome);
        }
    return width;
}

void TrayEntryRow::Layout() {
    // Fields that widen for their places keep the stored gap between them.
    shownWidth_ = FieldWidth();
    const int pitch = pitch_ + shownWidth_ - fieldWidth_;
    for (std::size_t i = 0; i < places_.size(); ++i) {
        const bool shown = static_cast<int>(i) < count_;
        const int x = pitch * static_cast<int>(i);
        amounts_[i]->setGeometry(x, 0, shownWidth_, FieldHeight);
        numbers_[i]->setGeometry(x, NumberTop, shownWidth_, NumberHeight);
        places_[i]->setGeometry(x, PlaceTop, shownWidth_, FieldHeight);
        amounts_[i]->setVisible(shown);
        numbers_[i]->setVisible(shown);
        places_[i]->setVisible(shown && withPlaces_);
        if (!shown) {
            amounts_[i]->clear();
            places_[i]->clear();
        }
    }
    const int height = withPlaces_ ? RowHeightWithPlaces : RowHeight;
    content_->resize(pitch * (count_ - 1) + shownWidth_, height);
    const int bar = scroller_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroller_);
    // The row reaches as far right as 26 trays do in the stored layout.
    const int right = left_ + pitch_ * (TrayCount - 1) + fieldWidth_;
    scroller_->setGeometry(left_, amountTop_, std::max(right, panel_->width() - 14) - left_, height + bar);
    placesCaption_->setVisible(withPlaces_);
}

int TrayEntryRow::PlacesHeight() const { return RowHeightWithPlaces - RowHeight; }

QLineEdit* TrayEntryRow::Amount(int tray) const {
    return tray >= 1 && tray <= count_ ? amounts_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

QLineEdit* TrayEntryRow::Place(int tray) const {
    return tray >= 1 && tray <= count_ ? places_[static_cast<std::size_t>(tray - 1)] : nullptr;
}

std::vector<double> TrayEntryRow::Places(QString* problem) const {
    std::vector<double> places;
    for (int tray = 1; tray <= count_; ++tray) {
        const QString text = Place(tray)->text().trimmed();
        const std::optional<double> place = PlaceOf(text);
        if (!place) {
            if (problem != nullptr && problem->isEmpty())
                *problem = text.isEmpty() ? QStringLiteral("Back %1 saknar läge.").arg(tray)
                                          : QStringLiteral("Läget för back %1 är inget tal: \"%2\".").arg(tray).arg(text);
            continue;
        }
        places.push_back(*place);
    }
    return places;
}

void TrayEntryRow::ShowPlaces(const std::vector<double>& places) {
    for (int tray = 1; tray <= count_; ++tray)
        Place(tray)->setText(static_cast<std::size_t>(tray) <= places.size()
                                 ? FormatNumber(places[static_cast<std::size_t>(tray - 1)])
                                 : QString());
}

std::vector<QWidget*> TrayEntryRow::TabOrder() const {
    std::vector<QWidget*> order;
    for (int tray = 1; tray <= static_cast<int>(places_.size()); ++tray) order.push_back(amounts_[static_cast<std::size_t>(tray - 1)]);
    for (QLineEdit* place : places_) order.push_back(place);
    return order;
}

}  // namespace kaldoventri
