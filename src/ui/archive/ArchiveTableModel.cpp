// The archive's tests as table rows, loaded page by page.
#include "ui/archive/ArchiveTableModel.h"

namespace kaldoventri {

namespace {

constexpr ArchiveSort SortOfColumn[] = {ArchiveSort::TestDate, ArchiveSort::Customer, ArchiveSort::Maker,
                                        ArchiveSort::Model,    ArchiveSort::Setting,  ArchiveSort::Fertiliser,
                                        ArchiveSort::Width,    ArchiveSort::VK,       ArchiveSort::OptimalWidth,
                                        ArchiveSort::Rate,     ArchiveSort::Correction};

}  // namespace

ArchiveTableModel::ArchiveTableModel(QObject* parent) : QAbstractTableModel(parent) {
    locale_.setNumberOptions(QLocale::OmitGroupSeparator);
}

void ArchiveTableModel::SetArchive(TestArchive* archive) {
    archive_ = archive;
    Refresh();
}

void ArchiveTableModel::SetQuery(const ArchiveQuery& query) {
    query_ = query;
    Refresh();
}

void ArchiveTableModel::Refresh() {
    beginResetModel();
    tests_.clear();
    matches_ = 0;
    if (archive_ != nullptr) {
        auto count = archive_->CountMatches(query_);
        if (auto* error = std::get_if<ArchiveError>(&count))
            emit failed(error->message);
        else
            matches_ = std::get<qint64>(count);
    }
    endResetModel();
    if (canFetchMore({})) fetchMore({});
}

const ArchivedTest* ArchiveTableModel::Test(int row) const {
    return row >= 0 && row < static_cast<int>(tests_.size()) ? &tests_[static_cast<std::size_t>(row)] : nullptr;
}

int ArchiveTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(tests_.size());
}

int ArchiveTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

bool ArchiveTableModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && archive_ != nullptr && static_cast<qint64>(tests_.size()) < matches_;
}

void ArchiveTableModel::fetchMore(const QModelIndex& parent) {
    if (!canFetchMore(parent)) return;
    // After the last test loaded rather than at an offset, so a page deep in
    // a long list comes as fast as the first.
    auto page = tests_.empty() ? archive_->Find(query_, 0, PageSize) : archive_->FindAfter(query_, tests_.back(), PageSize);
    if (auto* error = std::get_if<ArchiveError>(&page)) {
        // Nothing more is asked for until the list is read again.
        matches_ = static_cast<qint64>(tests_.size());
        emit failed(error->message);
        return;
    }
    auto& found = std::get<std::vector<ArchivedTest>>(page);
    if (found.empty()) {
        // Tests removed by another program since the count.
        matches_ = static_cast<qint64>(tests_.size());
        return;
    }
    const int first = static_cast<int>(tests_.size());
    beginInsertRows({}, first, first + static_cast<int>(found.size()) - 1);
    for (ArchivedTest& test : found) tests_.push_back(std::move(test));
    endInsertRows();
}

void ArchiveTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount) return;
    query_.sort = SortOfColumn[column];
    query_.descending = order == Qt::DescendingOrder;
    Refresh();
}

QString ArchiveTableModel::Number(const std::optional<double>& value, int decimals) const {
    return value ? locale_.toString(*value, 'f', decimals) : QString();
}

QVariant ArchiveTableModel::data(const QModelIndex& index, int role) const {
    const ArchivedTest* test = Test(index.row());
    if (test == nullptr) return {};
    if (role == Qt::TextAlignmentRole)
        return index.column() >= Width ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (role == Qt::ToolTipRole) return test->file;
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Date: return test->testDate;
    case Customer: return test->customer;
    case Maker: return test->spreaderMaker;
    case Model: return test->spreaderModel;
    case Setting: return test->spreaderSetting;
    case Fertiliser: return test->fertiliser;
    case Width: return Number(test->workingWidth, 1);
    case VK: return Number(test->vk, 1);
    case OptimalWidth: return Number(test->optimalWidth, 1);
    case Rate: return Number(test->rate, 1);
    case Correction: return Number(test->correction, 2);
    default: return {};
    }
}

QVariant ArchiveTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const names[] = {"Datum",    "Kund", "Fabrikat",      "Modell", "Inställning", "Gödselmedel",
                                        "Bredd (m)", "VK (%)", "Optimal bredd (m)", "Giva (kg/ha)", "Korrektion"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(names[section]) : QVariant();
}

}  // namespace kaldoventri
