// The dialog for choosing replicate sheets.
#include "ui/dialogs/AverageSheetsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "display/LocaleText.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

namespace {

int LayoutOf(const TNewTabSheet& sheet) { return sheet.GetBackuppstallning() == Layout12m ? Layout12m : Layout24m; }

}  // namespace

AverageSheetsDialog::AverageSheetsDialog(const Workbook& workbook, QWidget* parent)
    : QDialog(parent), workbook_(workbook), list_(new QListWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    setObjectName(QStringLiteral("AverageSheetsDialog"));
    setWindowTitle(QStringLiteral("Medelvärde av blad"));
    auto* column = new QVBoxLayout(this);
    auto* hint = new QLabel(QStringLiteral("Välj minst två blad med samma backuppställning. Det nya bladet får "
                                           "medelvärdet av deras backar och beskrivningen av det först valda."),
                            this);
    hint->setWordWrap(true);
    column->addWidget(hint);
    column->addWidget(list_);
    column->addWidget(buttons_);
    buttons_->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const TNewTabSheet& sheet = *workbook.Sheet(i);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(FromUtf8(sheet.GetTitle()), FromUtf8(LayoutName(LayoutOf(sheet)))), list_);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
    }
    connect(list_, &QListWidget::itemChanged, this, &AverageSheetsDialog::ItemChanged);
    resize(420, 320);
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
    const int layout = chosen_.empty() ? -1 : LayoutOf(*workbook_.Sheet(chosen_.front()));
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        const bool allowed = layout < 0 || LayoutOf(*workbook_.Sheet(i)) == layout;
        item->setFlags(allowed ? item->flags() | Qt::ItemIsEnabled : item->flags() & ~Qt::ItemIsEnabled);
    }
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(chosen_.size() >= 2);
    refreshing_ = false;
}

}  // namespace kaldoventri
