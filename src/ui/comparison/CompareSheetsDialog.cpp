// The dialog for choosing the sheets to compare.
#include "ui/comparison/CompareSheetsDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "display/LocaleText.h"
#include "evaluation/Comparison.h"
#include "evaluation/TrayKit.h"
#include "ui/support/MessageBoxes.h"
#include "workbook/Workbook.h"

namespace kaldoventri {

QString CompareCountMessage(int ticked) {
    return QStringLiteral("Välj två till fyra blad att jämföra (nu %1 valda).").arg(ticked);
}

CompareSheetsDialog::CompareSheetsDialog(const Workbook& workbook, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("CompareSheetsDialog"));
    setWindowTitle(QStringLiteral("Jämför blad"));
    auto* label = new QLabel(QStringLiteral("&Välj två till fyra blad. Det första du väljer är referensen."), this);
    label->setBuddy(list_);
    for (int i = 0; i < workbook.SheetCount(); ++i) {
        const TNewTabSheet& sheet = *workbook.Sheet(i);
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2, %3)")
                .arg(FromUtf8(sheet.GetTitle()), FromUtf8(KitNameOf(sheet)), WidthText(sheet.GetABredd(), QLocale())),
            list_);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(i == workbook.CurrentIndex() ? Qt::Checked : Qt::Unchecked);
    }
    if (workbook.CurrentIndex() >= 0) {
        chosen_.push_back(workbook.CurrentIndex());
        list_->setCurrentRow(workbook.CurrentIndex());
    }
    connect(list_, &QListWidget::itemChanged, this, &CompareSheetsDialog::ItemChanged);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Avbryt"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    list_->setFocus();
}

void CompareSheetsDialog::ItemChanged(QListWidgetItem* item) {
    const int row = list_->row(item);
    chosen_.erase(std::remove(chosen_.begin(), chosen_.end(), row), chosen_.end());
    if (item->checkState() == Qt::Checked) chosen_.push_back(row);
}

void CompareSheetsDialog::accept() {
    const int ticked = static_cast<int>(chosen_.size());
    if (ticked < FewestComparedTests || ticked > MostComparedTests) {
        ShowPlainMessage(this, CompareCountMessage(ticked));
        return;
    }
    QDialog::accept();
}

}  // namespace kaldoventri
