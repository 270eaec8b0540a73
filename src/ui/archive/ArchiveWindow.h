// "Provarkiv": the archive's tests found by a word, test dates and kit, in a
// table ordered by any column, newest first. The chosen tests open as sheets,
// go to a comparison, a report or a table, or are removed; a folder of test
// files comes in on a thread of its own while the window stays usable. Tests
// of one machine show their history beside the table. Not modal, and usable
// with the keyboard alone.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "evaluation/MachineHistory.h"
#include "report/ReportTest.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace kaldoventri {

class ArchiveSession;
class ArchiveTableModel;
class FolderImport;
class HistoryPlotView;
class ReportCommands;
class Workbook;
struct ArchivedTest;
struct FolderImportResult;

class ArchiveWindow : public QWidget {
    Q_OBJECT

public:
    ArchiveWindow(ArchiveSession& session, Workbook& workbook, ReportCommands& reports, QWidget* parent);
    ~ArchiveWindow() override;

    // "Jämför...": the 2 to 4 chosen tests are opened as sheets (the
    // comparison follows open sheets) and handed on by their places in the
    // workbook, in table order; the button stays disabled while no comparison
    // is connected.
    using CompareHook = std::function<void(const std::vector<int>& sheets)>;
    void SetCompareHook(CompareHook hook);

    // Connects to the session's archive (asking for a password if it must)
    // and lists what the filters find.
    void ConnectArchive();

    ArchiveTableModel& Model() const { return *model_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void ConnectControls();
    void ApplyFilters();
    void ChosenChanged();
    std::vector<const ArchivedTest*> Chosen() const;
    // The chosen tests read back from the archive and evaluated, in table order.
    std::vector<ReportTest> ChosenTests();
    std::optional<MachineHistory> ChosenHistory() const;

    // Opens the chosen tests as sheets; their places in the workbook, those
    // that could be opened, in table order.
    std::vector<int> OpenChosen();
    void CompareChosen();
    void ReportChosen();
    void TableOfChosen(bool excel);
    void RemoveChosen();
    void ImportFolder();
    void ImportFinished(const FolderImportResult& result);
    void ChangeArchive();
    void Run(const std::function<void()>& work);

    ArchiveSession& session_;
    Workbook& workbook_;
    ReportCommands& reports_;
    CompareHook compare_;
    ArchiveTableModel* model_ = nullptr;
    QPointer<FolderImport> import_;
    QTimer searchDelay_;
    bool columnsFitted_ = false;

    QLabel* archiveName_ = nullptr;
    QPushButton* changeArchive_ = nullptr;
    QLineEdit* search_ = nullptr;
    QCheckBox* fromOn_ = nullptr;
    QCheckBox* toOn_ = nullptr;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QComboBox* kit_ = nullptr;
    QTableView* table_ = nullptr;
    HistoryPlotView* history_ = nullptr;
    QPushButton* open_ = nullptr;
    QPushButton* compareButton_ = nullptr;
    QPushButton* report_ = nullptr;
    QPushButton* csv_ = nullptr;
    QPushButton* excel_ = nullptr;
    QPushButton* remove_ = nullptr;
    QPushButton* importButton_ = nullptr;
    QCheckBox* archiveFiles_ = nullptr;
    QLabel* status_ = nullptr;
    QProgressBar* progress_ = nullptr;
};

}  // namespace kaldoventri
