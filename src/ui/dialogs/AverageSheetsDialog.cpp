// The dialog for choosing replicate sheets.
#include "ui/dialogs/AverageSheetsDialog.h"

#include <QDir>

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "display/LocaleText.h"
#include "evaluation/AveragedAmounts.h"
#include "evaluation/FigureTexts.h"
#include "evaluation/TrayKit.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

QString UnitOf(const TNewTabSheet& sheet) {
    const auto& unit = sheet.GetUnits().unit;
    return unit ? FromUtf8(AmountUnitText(*unit, DecimalSeparatorOf())) : QString();
}

// What the spreader was set to, which tells apart two tests of one title.
QString SpreaderOf(const TNewTabSheet& sheet) {
    QStringList parts;
    for (const std::string& part : {sheet.GetSpridarFabrikat(), sheet.GetSpridarModell(), sheet.GetSpridarInstallning()})
        if (!part.empty()) parts << FromUtf8(part);
    return parts.join(QLatin1Char(' '));
}

// "Blad1 (12 m, 0,1 g)"; where titles are equal, the file the sheet belongs
// to follows (for a sheet without one, what the spreader was set to), and
// where even that is equal, the sheet's tab.
QStringList ListTexts(const Workbook& workbook) {
    QStringList titles, spreaders, texts;
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        titles << FromUtf8(workbook.Sheet(i)->GetTitle());
        const QString file = workbook.FilePath(i);
        spreaders << (file.isEmpty() ? SpreaderOf(*workbook.Sheet(i)) : QDir::toNativeSeparators(file));
    }
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const TNewTabSheet& sheet = *workbook.Sheet(i);
        QStringList about{FromUtf8(KitNameOf(sheet))};
        if (!UnitOf(sheet).isEmpty()) about << UnitOf(sheet);
        QString text = QStringLiteral("%1 (%2)").arg(titles[i], about.join(QStringLiteral(", ")));
        bool twin = false, spreaderTwin = false;
        for (int j = 0; j < workbook.SheetCount(); ++j) {
            if (j == i || titles[j] != titles[i]) continue;
            twin = true;
            spreaderTwin = spreaderTwin || spreaders[j] == spreaders[i];
        }
        if (twin && !spreaders[i].isEmpty()) text += QStringLiteral(" – ") + spreaders[i];
        if (spreaderTwin) text += QStringLiteral(", flik %1").arg(i + 1);
        texts << text;
    }
    return texts;
}

QString KitName(const TNewTabSheet& sheet) { return FromUtf8(KitNameOf(sheet)); }

// "tas inte med: 1 g, det först valda 0,1 g", "tas inte med: annan backuppställning än 12 m".
QString WhyLeftOut(AveragingObstacle obstacle, const TNewTabSheet& sheet, const TNewTabSheet& first) {
    if (obstacle == AveragingObstacle::OtherKit)
        return QStringLiteral("tas inte med: annan backuppställning än %1").arg(KitName(first));
    const auto named = [](const TNewTabSheet& s) { return UnitOf(s).isEmpty() ? QStringLiteral("ingen enhet") : UnitOf(s); };
    return QStringLiteral("tas inte med: %1, det först valda %2").arg(named(sheet), named(first));
}

}  // namespace

AverageSheetsDialog::AverageSheetsDialog(const Workbook& workbook, QWidget* parent)
    : QDialog(parent), workbook_(workbook), texts_(ListTexts(workbook)), list_(new QListWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("AverageSheetsDialog"));
    setWindowTitle(QStringLiteral("Medelvärde av blad"));
    auto* column = new QVBoxLayout(this);
    auto* hint = new QLabel(QStringLiteral("Välj minst två blad med samma backuppställning och enhet. Det nya "
                                           "bladet får medelvärdet av deras backar och beskrivningen av det först "
                                           "valda."),
                            this);
    hint->setWordWrap(true);
    column->addWidget(hint);
    column->addWidget(list_);
    column->addWidget(buttons_);
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (const QString& text : texts_) {
        auto* item = new QListWidgetItem(text, list_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    connect(list_, &QListWidget::itemChanged, this, &AverageSheetsDialog::ItemChanged);
    resize(600, 320);
    Refresh();
}

void AverageSheetsDialog::ItemChanged(QListWidgetItem* item) {
    if (refreshing_) return;
    const int index = list_->row(item);
    const auto found = std::find(chosen_.begin(), chosen_.end(), index);
    if (item->checkState() == Qt::Checked && found == chosen_.end()) chosen_.push_back(index);
    if (item->checkState() != Qt::Checked && found != chosen_.end()) chosen_.erase(found);
    Refresh();
}

void AverageSheetsDialog::Refresh() {
    refreshing_ = true;
    // Amounts are averaged tray by tray, so only sheets whose trays lie alike
    // and whose amounts count alike go together; the others say why not.
    const TNewTabSheet* first = chosen_.empty() ? nullptr : workbook_.Sheet(chosen_.front());
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const TNewTabSheet& sheet = *workbook_.Sheet(i);
        const auto obstacle = first != nullptr ? AveragingObstacleOf(sheet, *first) : std::nullopt;
        const QString why = obstacle ? WhyLeftOut(*obstacle, sheet, *first) : QString();
        item->setFlags(obstacle ? item->flags() & ~Qt::ItemIsEnabled : item->flags() | Qt::ItemIsEnabled);
        item->setText(why.isEmpty() ? texts_[i] : texts_[i] + QStringLiteral(" – ") + why);
        item->setToolTip(why);
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen_.size() >= 2);
    refreshing_ = false;
}

}  // namespace kaldoventri
