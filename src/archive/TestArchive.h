// The test archive: a database of tests on SQLite or PostgreSQL, through Qt
// SQL. A test is kept as the bytes its file holds when the program writes it,
// so that it opens, saves and reports again as it was, beside the figures its
// list shows. The same bytes twice are one test (the newest file path kept).
// The schema carries its version: an older archive is brought up to date, a
// newer one refused. Every write is one transaction; every failure is a
// Swedish message, and leaves the archive as it was.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <memory>
#include <optional>
#include <variant>
#include <vector>

#include "archive/ArchiveLocation.h"
#include "archive/ArchiveQuery.h"
#include "archive/ArchivedTest.h"
#include "evaluation/TNewTabSheet.h"

namespace kaldoventri {

struct ArchiveError {
    QString message;  // Swedish, naming the archive
};

class TestArchive {
public:
    // How long an SQLite file is held open. A program that holds it between
    // its calls and then opens and closes the same file some other way (a
    // file dialog looking into it) loses SQLite's locks on it without
    // knowing, and another program may then remove the journal it still
    // writes to. A window holds the file only while it works with it; a
    // command-line run, which does nothing else, holds it for the run.
    enum class Holding { ForTheRun, WhileWorking };

    // Opens (an SQLite file is created when it does not exist) and brings the
    // schema up to date. `password` for PostgreSQL when the password file has none.
    static std::variant<std::unique_ptr<TestArchive>, ArchiveError> Open(const ArchiveLocation& location,
                                                                         const QString& password = {},
                                                                         Holding holding = Holding::ForTheRun);
    ~TestArchive();
    TestArchive(const TestArchive&) = delete;
    TestArchive& operator=(const TestArchive&) = delete;

    static constexpr int SchemaVersion = 1;

    enum class Added { New, AlreadyThere };
    // Keeps the evaluated sheet as its file would be written, from `file`.
    std::variant<Added, ArchiveError> Add(const TNewTabSheet& sheet, const QString& file);

    // The tests found in the query's order (newest test date first unless it
    // says otherwise, tests without the sorted value last, then by file name):
    // all of them, or `limit` from the `offset`-th on.
    std::variant<std::vector<ArchivedTest>, ArchiveError> Find(const ArchiveQuery& query, qint64 offset = 0,
                                                                qint64 limit = -1);
    // The `limit` tests that follow `last` in the query's order: a long list
    // read page by page, each as quick to find as the first.
    std::variant<std::vector<ArchivedTest>, ArchiveError> FindAfter(const ArchiveQuery& query, const ArchivedTest& last,
                                                                     qint64 limit);
    // How many tests the query finds.
    std::variant<qint64, ArchiveError> CountMatches(const ArchiveQuery& query);
    // The test's file bytes, as archived.
    std::variant<QByteArray, ArchiveError> Bytes(qint64 id);
    std::variant<int, ArchiveError> Remove(const std::vector<qint64>& ids);
    std::variant<qint64, ArchiveError> Count();

    const ArchiveLocation& Location() const { return location_; }

private:
    TestArchive(ArchiveLocation location, QString connection);
    // Opens the connection if it is closed (an SQLite file held only while working).
    std::optional<ArchiveError> Connect();
    // Closes it again after a call, where the file is held only while working.
    struct Working {
        TestArchive& archive;
        ~Working();
    };
    std::optional<ArchiveError> PrepareSchema();
    std::variant<std::vector<ArchivedTest>, ArchiveError> Select(const ArchiveQuerySql& sql, const QString& page);
    // The message of a failure, with the database's own words where it has some.
    ArchiveError Failed(const QString& what, const QSqlError& queryError = {}) const;
    QSqlDatabase Database() const;

    ArchiveLocation location_;
    QString connection_;
    Holding holding_ = Holding::ForTheRun;
};

}  // namespace kaldoventri
