// The archive window's controls and their places: the archive in use and the
// filters at the top, the table with the history beside it, the commands and
// the import's progress below. It fits a 1366 x 768 screen.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/archive/ArchiveTableModel.h"
#include "ui/archive/ArchiveWindow.h"
#include "ui/archive/HistoryPlotView.h"
#include "ui/support/KitStore.h"

namespace kaldoventri {

namespace {

QDateEdit* DateField(QWidget* parent) {
    auto* field = new QDateEdit(QDate::currentDate(), parent);
    field->setCalendarPopup(true);
    field->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    field->setEnabled(false);
    return field;
}

}  // namespace

void ArchiveWindow::BuildLayout() {
    auto* whole = new QVBoxLayout(this);

    auto* where = new QHBoxLayout;
    archiveName_ = new QLabel(this);
    archiveName_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    changeArchive_ = new QPushButton(QStringLiteral("&Byt arkiv..."), this);
    where->addWidget(new QLabel(QStringLiteral("Arkiv:"), this));
    where->addWidget(archiveName_, 1);
    where->addWidget(changeArchive_);
    whole->addLayout(where);

    auto* filters = new QHBoxLayout;
    search_ = new QLineEdit(this);
    search_->setPlaceholderText(QStringLiteral("Fabrikat, modell, gödselmedel, kund, filnamn ..."));
    search_->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(QStringLiteral("&Sök:"), this);
    searchLabel->setBuddy(search_);
    fromOn_ = new QCheckBox(QStringLiteral("&Från"), this);
    from_ = DateField(this);
    toOn_ = new QCheckBox(QStringLiteral("&Till"), this);
    to_ = DateField(this);
    kit_ = new QComboBox(this);
    kit_->addItem(QStringLiteral("Alla uppställningar"), QString());
    for (const QString& name : {QStringLiteral("12 m"), QStringLiteral("24 m")}) kit_->addItem(name, name);
    for (const QString& name : KitStore().Names()) kit_->addItem(name, name);
    auto* kitLabel = new QLabel(QStringLiteral("&Uppställning:"), this);
    kitLabel->setBuddy(kit_);
    filters->addWidget(searchLabel);
    filters->addWidget(search_, 1);
    for (QWidget* part : std::initializer_list<QWidget*>{fromOn_, from_, toOn_, to_, kitLabel, kit_}) filters->addWidget(part);
    whole->addLayout(filters);

    model_ = new ArchiveTableModel(this);
    table_ = new QTableView(this);
    table_->setModel(model_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    table_->horizontalHeader()->setSortIndicator(ArchiveTableModel::Date, Qt::DescendingOrder);
    table_->setSortingEnabled(true);
    history_ = new HistoryPlotView(this);
    history_->setMinimumWidth(280);
    history_->hide();
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(table_);
    splitter->addWidget(history_);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);
    whole->addWidget(splitter, 1);

    auto* commands = new QHBoxLayout;
    open_ = new QPushButton(QStringLiteral("Ö&ppna"), this);
    compareButton_ = new QPushButton(QStringLiteral("&Jämför..."), this);
    report_ = new QPushButton(QStringLiteral("&Rapport..."), this);
    csv_ = new QPushButton(QStringLiteral("&CSV..."), this);
    excel_ = new QPushButton(QStringLiteral("E&xcel..."), this);
    remove_ = new QPushButton(QStringLiteral("Ta b&ort..."), this);
    importButton_ = new QPushButton(QStringLiteral("&Importera mapp..."), this);
    for (QPushButton* button : {open_, compareButton_, report_, csv_, excel_, remove_}) commands->addWidget(button);
    commands->addStretch(1);
    commands->addWidget(importButton_);
    whole->addLayout(commands);

    auto* foot = new QHBoxLayout;
    archiveFiles_ = new QCheckBox(QStringLiteral("&Arkivera sparade och öppnade prov"), this);
    status_ = new QLabel(this);
    progress_ = new QProgressBar(this);
    progress_->setMaximumWidth(260);
    progress_->hide();
    foot->addWidget(archiveFiles_);
    foot->addStretch(1);
    foot->addWidget(status_);
    foot->addWidget(progress_);
    whole->addLayout(foot);

    setTabOrder(search_, fromOn_);
    resize(1200, 640);
    search_->setFocus();
}

}  // namespace kaldoventri
