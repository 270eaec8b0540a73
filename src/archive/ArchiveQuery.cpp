// A search turned into SQL that SQLite and PostgreSQL both read.
#include "archive/ArchiveQuery.h"

#include <QRegularExpression>
#include <QStringList>

#include "archive/ArchivedTest.h"

namespace kaldoventri {

namespace {

// A word as LIKE takes it literally.
QString LikePattern(const QString& word) {
    QString escaped = FoldedForSearch(word);
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

struct SortColumn {
    const char* name;
    bool text;  // texts are empty when missing, figures NULL
};

SortColumn ColumnOf(ArchiveSort sort) {
    switch (sort) {
    case ArchiveSort::TestDate: return {"test_date", true};
    case ArchiveSort::Customer: return {"customer", true};
    case ArchiveSort::Maker: return {"spreader_maker", true};
    case ArchiveSort::Model: return {"spreader_model", true};
    case ArchiveSort::Setting: return {"spreader_setting", true};
    case ArchiveSort::Fertiliser: return {"fertiliser", true};
    case ArchiveSort::Width: return {"working_width", false};
    case ArchiveSort::VK: return {"vk", false};
    case ArchiveSort::OptimalWidth: return {"optimal_width", false};
    case ArchiveSort::Rate: return {"rate", false};
    case ArchiveSort::Correction: return {"correction", false};
    }
    return {"test_date", true};
}

QString OrderOf(const QString& column, const QString& missing, bool descending) {
    const QString direction = descending ? QStringLiteral(" DESC") : QString();
    return QStringLiteral("CASE WHEN %1 THEN 1 ELSE 0 END, %2%3, file, id").arg(missing, column, direction);
}

}  // namespace

QString ListOrderIndexSql() {
    // The expressions of OrderOf for the test date, newest first, or the database would not use it.
    return QStringLiteral("CREATE INDEX IF NOT EXISTS tests_in_list_order ON tests "
                          "((CASE WHEN test_date = '' THEN 1 ELSE 0 END), test_date DESC, file, id)");
}

namespace {

// The value a test is ordered by; a null one when it has none.
QVariant SortValueOf(const ArchivedTest& test, ArchiveSort sort) {
    const auto figure = [](const std::optional<double>& value) { return value ? QVariant(*value) : QVariant(); };
    const auto text = [](const QString& value) { return value.isEmpty() ? QVariant() : QVariant(value); };
    switch (sort) {
    case ArchiveSort::TestDate: return text(test.testDate);
    case ArchiveSort::Customer: return text(test.customer);
    case ArchiveSort::Maker: return text(test.spreaderMaker);
    case ArchiveSort::Model: return text(test.spreaderModel);
    case ArchiveSort::Setting: return text(test.spreaderSetting);
    case ArchiveSort::Fertiliser: return text(test.fertiliser);
    case ArchiveSort::Width: return test.workingWidth;
    case ArchiveSort::VK: return figure(test.vk);
    case ArchiveSort::OptimalWidth: return figure(test.optimalWidth);
    case ArchiveSort::Rate: return figure(test.rate);
    case ArchiveSort::Correction: return figure(test.correction);
    }
    return {};
}

}  // namespace

QStringList SearchWords(const QString& typed) {
    QStringList words;
    static const QRegularExpression word(QStringLiteral("\"([^\"]*)\"?|(\\S+)"));
    for (auto match = word.globalMatch(typed); match.hasNext();) {
        const auto found = match.next();
        const QString text = (found.hasCaptured(1) ? found.captured(1) : found.captured(2)).trimmed();
        if (!text.isEmpty()) words << text;
    }
    return words;
}

ArchiveQuerySql SqlOf(const ArchiveQuery& request, const ArchivedTest* after) {
    ArchiveQuerySql sql;
    QStringList conditions;
    for (const QString& word : request.words) {
        if (word.trimmed().isEmpty()) continue;
        conditions << QStringLiteral("search_text LIKE ? ESCAPE '\\'");
        sql.values << LikePattern(word.trimmed());
    }
    if (request.from) {
        conditions << QStringLiteral("test_date <> '' AND test_date >= ?");
        sql.values << request.from->toString(Qt::ISODate);
    }
    if (request.to) {
        conditions << QStringLiteral("test_date <> '' AND test_date <= ?");
        sql.values << request.to->toString(Qt::ISODate);
    }
    if (!request.kit.isEmpty()) {
        conditions << QStringLiteral("kit = ?");
        sql.values << request.kit;
    }
    const SortColumn column = ColumnOf(request.sort);
    const QString name = QString::fromLatin1(column.name);
    const QString missing = column.text ? name + QStringLiteral(" = ''") : name + QStringLiteral(" IS NULL");
    if (after != nullptr) {
        // What comes after the test in the list's order: among the tests with a
        // value, those further in the value's direction, then every test without
        // one; ties in file name and id.
        const QString tie = QStringLiteral("(file > ? OR (file = ? AND id > ?))");
        const QVariant value = SortValueOf(*after, request.sort);
        if (value.isNull()) {
            conditions << QStringLiteral("(%1) AND %2").arg(missing, tie);
        } else {
            conditions << QStringLiteral("((%1) OR (%2 %3 ?) OR (%2 = ? AND %4))")
                              .arg(missing, name, request.descending ? QStringLiteral("<") : QStringLiteral(">"), tie);
            sql.values << value << value;
        }
        sql.values << after->file << after->file << after->id;
    }
    if (!conditions.isEmpty()) sql.where = QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    sql.orderBy = QStringLiteral(" ORDER BY ") + OrderOf(name, missing, request.descending);
    return sql;
}

}  // namespace kaldoventri
