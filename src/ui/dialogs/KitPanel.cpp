// The own-kit controls of the test entry dialog.
#include "ui/dialogs/KitPanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

#include "display/LocaleText.h"
#include "ui/controls/DescriptionGuard.h"
#include "ui/dialogs/TrayEntryRow.h"
#include "ui/support/MessageBoxes.h"

namespace kaldoventri {

namespace {

QDoubleSpinBox* MetresBox(const QString& name, QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setRange(NarrowestWorkingWidth / 2.0, WidestWorkingWidth / 2.0);
    return box;
}

int HalfMetres(const QDoubleSpinBox* box) { return static_cast<int>(std::lround(box->value() * 2)); }

}  // namespace

KitPanel::KitPanel(TrayEntryRow& row, QWidget* parent)
    : QGroupBox(QStringLiteral("Egen uppställning"), parent), row_(row), name_(new QLineEdit(this)),
      saved_(new QComboBox(this)), delete_(new QPushButton(QStringLiteral("Ta bort"), this)),
      count_(new QSpinBox(this)), spacing_(new QLineEdit(this)), fill_(new QPushButton(QStringLiteral("Fyll i"), this)),
      searchFirst_(MetresBox(QStringLiteral("SearchFirst_SpinBox"), this)),
      searchLast_(MetresBox(QStringLiteral("SearchLast_SpinBox"), this)) {
    setObjectName(QStringLiteral("Kit_GroupBox"));
    name_->setObjectName(QStringLiteral("KitName_Edit"));
    (new DescriptionGuard(this))->Guard(name_);
    saved_->setObjectName(QStringLiteral("SavedKits_ComboBox"));
    saved_->setMinimumContentsLength(18);
    delete_->setObjectName(QStringLiteral("DeleteKit_Button"));
    count_->setObjectName(QStringLiteral("KitCount_SpinBox"));
    count_->setRange(FewestTrays, MostTrays);
    spacing_->setObjectName(QStringLiteral("KitSpacing_Edit"));
    spacing_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,2}([.,]\\d{0,3})?")), spacing_));
    spacing_->setMaximumWidth(70);
    fill_->setObjectName(QStringLiteral("KitFill_Button"));
    // Enter in the dialog presses only a button that has the focus.
    for (QPushButton* button : {delete_, fill_}) button->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    const auto caption = [this](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, this);
        label->setBuddy(buddy);
        return label;
    };
    const auto line = [this](std::initializer_list<QWidget*> widgets) {
        auto* box = new QHBoxLayout;
        for (QWidget* widget : widgets) box->addWidget(widget);
        box->addStretch();
        return box;
    };
    grid->addWidget(caption(QStringLiteral("&Namn:"), name_), 0, 0);
    grid->addLayout(line({name_, caption(QStringLiteral("S&parade:"), saved_), saved_, delete_}), 0, 1);
    grid->addWidget(caption(QStringLiteral("An&tal:"), count_), 1, 0);
    grid->addLayout(line({count_, new QLabel(QStringLiteral("backar,"), this), spacing_,
                          new QLabel(QStringLiteral("m mellanrum"), this), fill_}),
                    1, 1);
    grid->addWidget(caption(QStringLiteral("Sök&område:"), searchFirst_), 2, 0);
    grid->addLayout(line({searchFirst_, new QLabel(QStringLiteral("till"), this), searchLast_,
                          new QLabel(QStringLiteral("m (optimal arbetsbredd)"), this)}),
                    2, 1);
    name_->setMinimumWidth(260);

    connect(count_, &QSpinBox::valueChanged, this, &KitPanel::countChanged);
    connect(fill_, &QPushButton::clicked, this, &KitPanel::FillEvenly);
    connect(saved_, &QComboBox::activated, this, &KitPanel::ChooseSaved);
    connect(delete_, &QPushButton::clicked, this, &KitPanel::DeleteSaved);
    RefreshSaved(QString());
}

void KitPanel::ShowKit(const TrayKit& kit) {
    {
        const QSignalBlocker blocker(count_);
        count_->setValue(static_cast<int>(kit.positions.size()));
    }
    emit countChanged(count_->value());
    row_.ShowPlaces(kit.positions);
    name_->setText(QString::fromStdString(kit.name));
    searchFirst_->setValue(kit.search.first / 2.0);
    searchLast_->setValue(kit.search.last / 2.0);
    // The first gap as the quick fill takes it, to a millimetre: -11,155 - -12,125
    // is 0,97, not 0,970000000000001.
    if (kit.positions.size() >= 2) spacing_->setText(FormatNumber(std::round((kit.positions[1] - kit.positions[0]) * 1000) / 1000));
    RefreshSaved(name_->text());
}

std::variant<TrayKit, QString> KitPanel::ReadKit() const {
    TrayKit kit;
    kit.layout = LayoutOwn;
    kit.name = name_->text().trimmed().toStdString();
    if (kit.name.empty()) return QStringLiteral("Ge uppställningen ett namn.");
    QString problem;
    kit.positions = row_.Places(&problem);
    if (!problem.isEmpty()) return problem;
    kit.search = {HalfMetres(searchFirst_), HalfMetres(searchLast_)};
    if (const auto kitProblem = KitProblem(kit)) return FromUtf8(*kitProblem);
    return kit;
}

int KitPanel::Count() const { return count_->value(); }

void KitPanel::Keep(const TrayKit& kit) {
    store_.Save(kit);
    RefreshSaved(QString::fromStdString(kit.name));
}

QList<QWidget*> KitPanel::TabOrder() const {
    return {name_, saved_, delete_, count_, spacing_, fill_, searchFirst_, searchLast_};
}

void KitPanel::FillEvenly() {
    const std::optional<double> spacing = PlaceOf(spacing_->text());
    const int count = count_->value();
    if (!spacing || *spacing <= 0) {
        ShowPlainMessage(window(), QStringLiteral("Skriv mellanrummet mellan backarna i meter."));
        spacing_->setFocus();
        return;
    }
    if ((count - 1) * *spacing / 2 > OutermostPosition) {
        ShowPlainMessage(window(), QStringLiteral("%1 backar med %2 m mellanrum ryms inte inom ±24,25 m.")
                                       .arg(count)
                                       .arg(FormatNumber(*spacing)));
        spacing_->setFocus();
        return;
    }
    const std::vector<double> places = EvenlySpaced(count, *spacing);
    row_.ShowPlaces(places);
    const WidthRange search = DefaultSearchRange(LastCurveWidthOf(places));
    searchFirst_->setValue(search.first / 2.0);
    searchLast_->setValue(search.last / 2.0);
}

void KitPanel::ChooseSaved(int index) {
    if (index <= 0) return;  // the first entry only says that none is chosen
    if (const std::optional<TrayKit> kit = store_.Load(saved_->itemText(index))) {
        ShowKit(*kit);
        return;
    }
    ShowPlainMessage(window(), QStringLiteral("Uppställningen \"%1\" kan inte läsas.").arg(saved_->itemText(index)));
    RefreshSaved(QString());
}

void KitPanel::DeleteSaved() {
    const int index = saved_->currentIndex();
    if (index <= 0) return;
    const QString name = saved_->itemText(index);
    if (!AskYesNo(window(), QStringLiteral("Ta bort den sparade uppställningen \"%1\"?").arg(name))) return;
    store_.Remove(name);
    RefreshSaved(QString());
}

void KitPanel::RefreshSaved(const QString& current) {
    const QSignalBlocker blocker(saved_);
    saved_->clear();
    saved_->addItem(QStringLiteral("(välj sparad)"));
    saved_->addItems(store_.Names());
    const int found = saved_->findText(current);
    saved_->setCurrentIndex(found > 0 ? found : 0);
    delete_->setEnabled(saved_->count() > 1);
}

}  // namespace kaldoventri
