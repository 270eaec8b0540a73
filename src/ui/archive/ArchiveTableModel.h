// The archive window's list of tests, a page at a time: the view asks for
// more as it scrolls (canFetchMore/fetchMore), and ordering by a column asks
// the archive again in that order rather than sorting what is loaded. So a
// list of 100 000 tests opens as fast as one of a hundred.
#pragma once

#include <QAbstractTableModel>
#include <QLocale>

#include <vector>

#include "archive/TestArchive.h"

namespace kaldoventri {

class ArchiveTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { Date, Customer, Maker, Model, Setting, Fertiliser, Width, VK, OptimalWidth, Rate, Correction, ColumnCount };
    static constexpr int PageSize = 200;

    explicit ArchiveTableModel(QObject* parent = nullptr);

    // The archive to list (none: an empty list) and what to find in it; the list starts again.
    void SetArchive(TestArchive* archive);
    void SetQuery(const ArchiveQuery& query);
    const ArchiveQuery& Query() const { return query_; }
    // Reads the archive again, as after an import or a removal.
    void Refresh();

    // How many tests the query finds, loaded or not.
    qint64 MatchCount() const { return matches_; }
    const ArchivedTest* Test(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    void sort(int column, Qt::SortOrder order) override;

signals:
    // The archive could not be read; the list keeps what it had.
    void failed(const QString& message);

private:
    QString Number(const std::optional<double>& value, int decimals) const;

    TestArchive* archive_ = nullptr;
    ArchiveQuery query_;
    std::vector<ArchivedTest> tests_;
    qint64 matches_ = 0;
    QLocale locale_;
};

}  // namespace kaldoventri
