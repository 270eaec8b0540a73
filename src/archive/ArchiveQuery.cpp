// A search turned into SQL that SQLite and PostgreSQL both read.
#include "archive/ArchiveQuery.h"

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

}  // namespace

ArchiveQuerySql SqlOf(const ArchiveQuery& request) {
    ArchiveQuerySql sql;
    QStringList conditions;
    if (!request.word.trimmed().isEmpty()) {
        conditions << QStringLiteral("search_text LIKE ? ESCAPE '\\'");
        sql.values << LikePattern(request.word.trimmed());
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
    if (!conditions.isEmpty()) sql.where = QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    const SortColumn column = ColumnOf(request.sort);
    const QString name = QString::fromLatin1(column.name);
    const QString missing = column.text ? name + QStringLiteral(" = ''") : name + QStringLiteral(" IS NULL");
    const QString direction = request.descending ? QStringLiteral(" DESC") : QString();
    sql.orderBy = QStringLiteral(" ORDER BY CASE WHEN %1 THEN 1 ELSE 0 END, %2%3, file, id").arg(missing, name, direction);
    return sql;
}

}  // namespace kaldoventri
