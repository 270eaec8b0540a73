// The units of a test in the test entry dialog.
#include "ui/dialogs/SheetUnitsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <cmath>
#include <optional>

#include "display/LocaleText.h"

namespace kaldoventri {

namespace {

constexpr int SizeRole = Qt::UserRole;
constexpr int KindRole = Qt::UserRole + 1;

// A number as a Swede or a spreadsheet writes it: "0,25" or "0.25".
std::optional<double> TypedNumber(const QString& typed) {
    QString text = typed.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<double> PositiveNumber(const QLineEdit* field) {
    const std::optional<double> value = TypedNumber(field->text());
    if (!value || !(*value > 0.0)) return std::nullopt;
    return value;
}

QLineEdit* NumberField(const QString& name, int width, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,6}([.,]\\d{0,6})?")), field));
    field->setFixedWidth(width);
    field->setAlignment(Qt::AlignRight);
    return field;
}

QString UnitText(const AmountUnit& unit) {
    return FormatNumber(unit.size) + (unit.kind == AmountKind::Mass ? QStringLiteral(" g") : QStringLiteral(" ml"));
}

}  // namespace

SheetUnitsPanel::SheetUnitsPanel(QWidget* parent)
    : QGroupBox(QStringLiteral("Enheter (frivilligt)"), parent),
      width_(NumberField(QStringLiteral("BackBredd_Edit"), 48, this)),
      length_(NumberField(QStringLiteral("BackLangd_Edit"), 48, this)),
      area_(NumberField(QStringLiteral("Backyta_Edit"), 72, this)), unit_(new QComboBox(this)),
      density_(NumberField(QStringLiteral("Densitet_Edit"), 56, this)),
      target_(NumberField(QStringLiteral("Malgiva_Edit"), 72, this)) {
    setObjectName(QStringLiteral("Enheter_GroupBox"));
    unit_->setObjectName(QStringLiteral("Enhet_ComboBox"));
    unit_->addItem(QStringLiteral("(ingen)"));
    for (const AmountUnit unit : {AmountUnit{0.1, AmountKind::Mass}, AmountUnit{1.0, AmountKind::Mass},
                                  AmountUnit{1.0, AmountKind::Volume}})
        UnitIndex(unit);

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    const auto text = [this](const QString& shown) { return new QLabel(shown, this); };
    const auto line = [](std::initializer_list<QWidget*> widgets) {
        auto* box = new QHBoxLayout;
        box->setSpacing(4);
        for (QWidget* widget : widgets) box->addWidget(widget);
        box->addStretch();
        return box;
    };
    grid->addWidget(caption(QStringLiteral("Back&yta:"), width_), 0, 0);
    grid->addLayout(line({width_, text(QStringLiteral("×")), length_, text(QStringLiteral("cm"))}), 0, 1);
    grid->addWidget(text(QStringLiteral("eller")), 1, 0, Qt::AlignRight);
    grid->addLayout(line({area_, text(QStringLiteral("m²"))}), 1, 1);
    grid->addWidget(caption(QStringLiteral("&Enhet:"), unit_), 2, 0);
    grid->addLayout(line({unit_, caption(QStringLiteral("&Densitet:"), density_), density_, text(QStringLiteral("kg/l"))}),
                    2, 1);
    grid->addWidget(caption(QStringLiteral("&Målgiva:"), target_), 3, 0);
    grid->addLayout(line({target_, text(QStringLiteral("kg/ha"))}), 3, 1);

    connect(width_, &QLineEdit::textEdited, this, &SheetUnitsPanel::AreaFromCentimetres);
    connect(length_, &QLineEdit::textEdited, this, &SheetUnitsPanel::AreaFromCentimetres);
    connect(area_, &QLineEdit::textEdited, this, [this] {
        width_->clear();
        length_->clear();
    });
    connect(unit_, &QComboBox::currentIndexChanged, this, &SheetUnitsPanel::UnitChosen);
    UnitChosen();
}

int SheetUnitsPanel::UnitIndex(const AmountUnit& unit) {
    for (int i = 1; i < unit_->count(); ++i)
        if (unit_->itemData(i, SizeRole).toDouble() == unit.size &&
            unit_->itemData(i, KindRole).toInt() == static_cast<int>(unit.kind))
            return i;
    // A unit a test file brought along that the list lacks is offered too.
    unit_->addItem(UnitText(unit));
    const int added = unit_->count() - 1;
    unit_->setItemData(added, unit.size, SizeRole);
    unit_->setItemData(added, static_cast<int>(unit.kind), KindRole);
    return added;
}

void SheetUnitsPanel::AreaFromCentimetres() {
    const std::optional<double> width = PositiveNumber(width_);
    const std::optional<double> length = PositiveNumber(length_);
    if (width && length)
        area_->setText(FormatNumber(*width * *length / 10000));
    else
        area_->clear();
}

// A density belongs to a volume only.
void SheetUnitsPanel::UnitChosen() {
    const bool volume = unit_->currentIndex() > 0 &&
                        unit_->currentData(KindRole).toInt() == static_cast<int>(AmountKind::Volume);
    density_->setEnabled(volume);
}

void SheetUnitsPanel::ShowUnits(const SheetUnits& units) {
    Clear();
    if (units.trayArea) area_->setText(FormatNumber(*units.trayArea));
    if (units.unit) unit_->setCurrentIndex(UnitIndex(*units.unit));
    if (units.density) density_->setText(FormatNumber(*units.density));
    if (units.target) target_->setText(FormatNumber(*units.target));
}

void SheetUnitsPanel::Clear() {
    for (QLineEdit* field : {width_, length_, area_, density_, target_}) field->clear();
    unit_->setCurrentIndex(0);
}

std::variant<SheetUnits, UnitsRefusal> SheetUnitsPanel::ReadUnits() const {
    const auto typed = [](const QLineEdit* field) { return !field->text().trimmed().isEmpty(); };
    SheetUnits units;
    if (typed(width_) || typed(length_)) {
        if (!typed(width_) || !typed(length_))
            return UnitsRefusal{QStringLiteral("Skriv både backens bredd och längd i cm, eller ytan i m²."),
                                typed(width_) ? length_ : width_};
        for (QLineEdit* side : {width_, length_})
            if (!PositiveNumber(side))
                return UnitsRefusal{QStringLiteral("Backens bredd och längd måste vara positiva tal i cm."), side};
        units.trayArea = *PositiveNumber(width_) * *PositiveNumber(length_) / 10000;
    } else if (typed(area_)) {
        units.trayArea = PositiveNumber(area_);
        if (!units.trayArea) return UnitsRefusal{QStringLiteral("Backytan måste vara ett positivt tal i m²."), area_};
    }
    if (unit_->currentIndex() > 0)
        units.unit = AmountUnit{unit_->currentData(SizeRole).toDouble(),
                                static_cast<AmountKind>(unit_->currentData(KindRole).toInt())};
    if (density_->isEnabled() && typed(density_)) {
        units.density = PositiveNumber(density_);
        if (!units.density)
            return UnitsRefusal{QStringLiteral("Densiteten måste vara ett positivt tal i kg/l."), density_};
    }
    if (typed(target_)) {
        units.target = PositiveNumber(target_);
        if (!units.target) return UnitsRefusal{QStringLiteral("Målgivan måste vara ett positivt tal i kg/ha."), target_};
    }
    if (const auto problem = UnitsProblem(units)) return UnitsRefusal{FromUtf8(*problem), density_};
    return units;
}

QList<QWidget*> SheetUnitsPanel::TabOrder() const { return {width_, length_, area_, unit_, density_, target_}; }

}  // namespace kaldoventri
