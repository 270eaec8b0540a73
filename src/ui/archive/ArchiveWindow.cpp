// The archive window: its filters, the chosen tests and the keys of its table.
#include "ui/archive/ArchiveWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>

#include <algorithm>

#include "archive/ArchivedTest.h"
#include "ui/archive/ArchiveSession.h"
#include "ui/archive/ArchiveTableModel.h"
#include "ui/archive/FolderImport.h"
#include "ui/archive/HistoryPlotView.h"
#include "ui/support/CommandBoundary.h"

namespace kaldoventri {

ArchiveWindow::ArchiveWindow(ArchiveSession& session, Workbook& workbook, ReportCommands& reports, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), workbook_(workbook), reports_(reports) {
    setWindowTitle(QStringLiteral("Provarkiv"));
    BuildLayout();
    ConnectControls();
    ChosenChanged();
}

ArchiveWindow::~ArchiveWindow() {
    if (import_) import_->Cancel();
}

void ArchiveWindow::Run(const std::function<void()>& work) { RunCommand(this, work); }

void ArchiveWindow::ConnectControls() {
    // A word is looked for once the typing pauses, not at every key.
    searchDelay_.setSingleShot(true);
    searchDelay_.setInterval(250);
    connect(&searchDelay_, &QTimer::timeout, this, [this] { Run([this] { ApplyFilters(); }); });
    connect(search_, &QLineEdit::textChanged, this, [this] { searchDelay_.start(); });
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        searchDelay_.stop();
        Run([this] { ApplyFilters(); });
    });
    for (QCheckBox* on : {fromOn_, toOn_})
        connect(on, &QCheckBox::toggled, this, [this] {
            from_->setEnabled(fromOn_->isChecked());
            to_->setEnabled(toOn_->isChecked());
            Run([this] { ApplyFilters(); });
        });
    for (QDateEdit* date : {from_, to_})
        connect(date, &QDateEdit::dateChanged, this, [this] { Run([this] { ApplyFilters(); }); });
    connect(kit_, &QComboBox::currentIndexChanged, this, [this] { Run([this] { ApplyFilters(); }); });

    connect(model_, &ArchiveTableModel::failed, status_, &QLabel::setText);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        status_->setText(QStringLiteral("%1 prov").arg(model_->MatchCount()));
        ChosenChanged();
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, [this] {
        // Fitted to the first tests listed, then left as the user drags them.
        if (columnsFitted_) return;
        columnsFitted_ = true;
        table_->resizeColumnsToContents();
    });
    connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { ChosenChanged(); });
    connect(table_, &QTableView::doubleClicked, this, [this] { Run([this] { OpenChosen(); }); });
    table_->installEventFilter(this);
    search_->installEventFilter(this);

    connect(open_, &QPushButton::clicked, this, [this] { Run([this] { OpenChosen(); }); });
    connect(compareButton_, &QPushButton::clicked, this, [this] { Run([this] { CompareChosen(); }); });
    connect(report_, &QPushButton::clicked, this, [this] { Run([this] { ReportChosen(); }); });
    connect(csv_, &QPushButton::clicked, this, [this] { Run([this] { TableOfChosen(false); }); });
    connect(excel_, &QPushButton::clicked, this, [this] { Run([this] { TableOfChosen(true); }); });
    connect(remove_, &QPushButton::clicked, this, [this] { Run([this] { RemoveChosen(); }); });
    connect(importButton_, &QPushButton::clicked, this, [this] { Run([this] { ImportFolder(); }); });
    connect(changeArchive_, &QPushButton::clicked, this, [this] { Run([this] { ChangeArchive(); }); });
    archiveFiles_->setChecked(session_.ArchivesFiles());
    connect(archiveFiles_, &QCheckBox::toggled, this, [this](bool on) { session_.SetArchivesFiles(on); });
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] { search_->setFocus(); });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
}

void ArchiveWindow::SetCompareHook(CompareHook hook) {
    compare_ = std::move(hook);
    ChosenChanged();
}

void ArchiveWindow::ApplyFilters() {
    ArchiveQuery query = model_->Query();
    query.words = SearchWords(search_->text());
    query.from = fromOn_->isChecked() ? std::optional(from_->date()) : std::nullopt;
    query.to = toOn_->isChecked() ? std::optional(to_->date()) : std::nullopt;
    query.kit = kit_->currentData().toString();
    model_->SetQuery(query);
}

std::vector<const ArchivedTest*> ArchiveWindow::Chosen() const {
    std::vector<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    std::vector<const ArchivedTest*> chosen;
    for (int row : rows)
        if (const ArchivedTest* test = model_->Test(row)) chosen.push_back(test);
    return chosen;
}

std::optional<MachineHistory> ArchiveWindow::ChosenHistory() const {
    std::vector<HistoryTest> tests;
    for (const ArchivedTest* test : Chosen())
        tests.push_back({test->testDate.toStdString(), test->spreaderMaker.toStdString(),
                         test->spreaderModel.toStdString(), test->customer.toStdString(), test->vk, test->correction});
    // One test is no history.
    if (tests.size() < 2) return std::nullopt;
    return OneMachineHistory(tests);
}

void ArchiveWindow::ChosenChanged() {
    const std::size_t chosen = table_->selectionModel()->selectedRows().size();
    for (QPushButton* button : {open_, report_, csv_, excel_, remove_}) button->setEnabled(chosen > 0);
    compareButton_->setEnabled(compare_ && chosen >= 2 && chosen <= 4);
    const std::optional<MachineHistory> history = ChosenHistory();
    history_->SetHistory(history);
    history_->setVisible(history.has_value());
}

bool ArchiveWindow::eventFilter(QObject* watched, QEvent* event) {
    // From the search field the arrow down goes to the list, as in a file dialog.
    if (watched == search_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down &&
        model_->rowCount() > 0) {
        table_->setFocus();
        if (!table_->selectionModel()->hasSelection()) table_->selectRow(0);
        return true;
    }
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Run([this] { OpenChosen(); });
            return true;
        }
        if (key == Qt::Key_Delete) {
            Run([this] { RemoveChosen(); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace kaldoventri
