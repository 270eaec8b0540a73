// What a search of the archive asks for and in which order the tests come:
// every filter optional, newest test first unless a column is chosen.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace kaldoventri {

struct ArchivedTest;

// The columns a list of tests can be ordered by.
enum class ArchiveSort { TestDate, Customer, Maker, Model, Setting, Fertiliser, Width, VK, OptimalWidth, Rate, Correction };

struct ArchiveQuery {
    QStringList words;  // each found in some text of the test or its file name, ignoring case
    std::optional<QDate> from, to;  // the test date within, both ends included
    QString kit;  // "12 m", "24 m" or an own kit's name
    ArchiveSort sort = ArchiveSort::TestDate;
    bool descending = true;
};

// The words of a search as typed: "Amazone ZA-M" is two words that a test
// must both hold; a part in double quotes, "\"Gård Åsa\"", is one.
QStringList SearchWords(const QString& typed);

// The WHERE and ORDER BY of a query over the tests table, with the values its
// placeholders take. Tests without the sorted value come last either way, and
// ties keep one fixed order, so that pages of a list never overlap.
struct ArchiveQuerySql {
    QString where;  // empty, or " WHERE ..."
    QString orderBy;  // " ORDER BY ..."
    QVariantList values;
};
// With `after`, only the tests that follow that one in the order.
ArchiveQuerySql SqlOf(const ArchiveQuery& query, const ArchivedTest* after = nullptr);

// The index that holds the tests in the list's first order, newest test first.
QString ListOrderIndexSql();

}  // namespace kaldoventri
