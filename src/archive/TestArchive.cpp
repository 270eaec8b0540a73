#include "archive/TestArchive.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <atomic>

#include "files/TestFileWriter.h"

namespace kaldoventri {

namespace {

const QString Columns = QStringLiteral(
    "file, archived_at, test_date, customer, tester, spreader_maker, spreader_model, spreader_setting, "
    "fertiliser, fertiliser_maker, production_site, kit, working_width, vk, optimal_width, optimal_vk, rate, "
    "correction");

QString TestsTable(ArchiveLocation::Kind kind) {
    const bool sqlite = kind == ArchiveLocation::Kind::SQLite;
    return QStringLiteral(
               "CREATE TABLE tests ("
               "id %1, fingerprint TEXT NOT NULL UNIQUE, bytes %2 NOT NULL, search_text TEXT NOT NULL, "
               "file TEXT NOT NULL, archived_at TEXT NOT NULL, test_date TEXT NOT NULL, customer TEXT NOT NULL, "
               "tester TEXT NOT NULL, spreader_maker TEXT NOT NULL, spreader_model TEXT NOT NULL, "
               "spreader_setting TEXT NOT NULL, fertiliser TEXT NOT NULL, fertiliser_maker TEXT NOT NULL, "
               "production_site TEXT NOT NULL, kit TEXT NOT NULL, working_width DOUBLE PRECISION NOT NULL, "
               "vk DOUBLE PRECISION, optimal_width DOUBLE PRECISION, optimal_vk DOUBLE PRECISION, "
               "rate DOUBLE PRECISION, correction DOUBLE PRECISION)")
        .arg(sqlite ? QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT") : QStringLiteral("BIGSERIAL PRIMARY KEY"),
             sqlite ? QStringLiteral("BLOB") : QStringLiteral("BYTEA"));
}

QVariant Optional(const std::optional<double>& value) {
    return value ? QVariant(*value) : QVariant(QMetaType::fromType<double>());
}

std::optional<double> OptionalOf(const QVariant& value) {
    if (value.isNull()) return std::nullopt;
    return value.toDouble();
}

}  // namespace

TestArchive::TestArchive(ArchiveLocation location, QString connection)
    : location_(std::move(location)), connection_(std::move(connection)) {}

TestArchive::~TestArchive() {
    {
        QSqlDatabase database = QSqlDatabase::database(connection_, false);
        if (database.isOpen()) database.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase TestArchive::Database() const { return QSqlDatabase::database(connection_, false); }

ArchiveError TestArchive::Failed(const QString& what, const QSqlError& queryError) const {
    const QSqlError error = queryError.isValid() ? queryError : Database().lastError();
    QString detail = error.databaseText().trimmed();
    if (detail.isEmpty()) detail = error.driverText().trimmed();
    return ArchiveError{QStringLiteral("Provarkivet %1: %2%3").arg(location_.Name(), what,
                                                                     detail.isEmpty() ? QString() : QStringLiteral(" (") + detail + ')')};
}

std::variant<std::unique_ptr<TestArchive>, ArchiveError> TestArchive::Open(const ArchiveLocation& location,
                                                                           const QString& password, Holding holding) {
    static std::atomic<int> opened{0};
    const QString connection = QStringLiteral("kaldoventri-archive-%1").arg(++opened);
    const bool sqlite = location.kind == ArchiveLocation::Kind::SQLite;
    std::unique_ptr<TestArchive> archive(new TestArchive(location, connection));
    QSqlDatabase database = QSqlDatabase::addDatabase(sqlite ? QStringLiteral("QSQLITE") : QStringLiteral("QPSQL"), connection);
    if (!database.isValid())
        return ArchiveError{QStringLiteral("Provarkivet %1: databasdrivrutinen saknas i den här installationen.").arg(location.Name())};
    if (sqlite) {
        QDir().mkpath(QFileInfo(location.file).absolutePath());
        database.setDatabaseName(location.file);
        // Another program writing the same file holds it for a moment at most.
        database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    } else {
        database.setHostName(location.host);
        database.setPort(location.port);
        database.setUserName(location.user);
        database.setDatabaseName(location.database);
        if (!password.isEmpty()) database.setPassword(password);
        database.setConnectOptions(QStringLiteral("connect_timeout=5"));
    }
    if (auto failed = archive->Connect()) return *failed;
    if (auto failed = archive->PrepareSchema()) return *failed;
    if (sqlite) archive->holding_ = holding;
    const Working working{*archive};
    return archive;
}

std::optional<ArchiveError> TestArchive::Connect() {
    QSqlDatabase database = Database();
    if (database.isOpen()) return std::nullopt;
    if (!database.open()) return Failed(QStringLiteral("kunde inte öppnas."));
    if (location_.kind == ArchiveLocation::Kind::SQLite) {
        QSqlQuery pragma(database);
        // Readers never wait for a writer, and two programs can write in turn.
        if (!pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
            ArchiveError failed = Failed(QStringLiteral("är inget provarkiv."), pragma.lastError());
            pragma.finish();
            database.close();
            return failed;
        }
    }
    return std::nullopt;
}

TestArchive::Working::~Working() {
    if (archive.holding_ == Holding::WhileWorking) archive.Database().close();
}

std::optional<ArchiveError> TestArchive::PrepareSchema() {
    QSqlDatabase database = Database();
    QSqlQuery query(database);
    const QStringList tables = database.tables();
    if (!tables.contains(QStringLiteral("archive_info"))) {
        if (!tables.isEmpty())
            return ArchiveError{QStringLiteral("Provarkivet %1 är inget provarkiv; det lämnas som det är.").arg(location_.Name())};
        if (!database.transaction()) return Failed(QStringLiteral("kunde inte skapas."));
        const bool made =
            query.exec(QStringLiteral("CREATE TABLE archive_info (name TEXT PRIMARY KEY, value TEXT NOT NULL)")) &&
            query.exec(QStringLiteral("INSERT INTO archive_info VALUES ('schema', '%1')").arg(SchemaVersion)) &&
            query.exec(TestsTable(location_.kind)) &&
            query.exec(QStringLiteral("CREATE INDEX tests_by_date ON tests (test_date)"));
        if (made && database.commit()) return PrepareSchema();
        database.rollback();
        // Another program may have made it at the same moment.
        if (database.tables().contains(QStringLiteral("archive_info"))) return PrepareSchema();
        return Failed(QStringLiteral("kunde inte skapas."), query.lastError());
    }
    if (!query.exec(QStringLiteral("SELECT value FROM archive_info WHERE name = 'schema'")) || !query.next())
        return ArchiveError{QStringLiteral("Provarkivet %1 är inget provarkiv; det lämnas som det är.").arg(location_.Name())};
    const int version = query.value(0).toInt();
    if (version > SchemaVersion)
        return ArchiveError{QStringLiteral("Provarkivet %1 är gjort av en nyare version av Kaldoventri (version %2 av "
                                           "arkivet, den här läser %3). Det öppnas inte, så att det inte skadas.")
                                .arg(location_.Name())
                                .arg(version)
                                .arg(SchemaVersion)};
    // Lists newest first straight from an index, however many tests there are.
    // An archive that cannot take it (opened read-only) is listed all the same.
    query.exec(ListOrderIndexSql());
    return std::nullopt;
}

std::variant<TestArchive::Added, ArchiveError> TestArchive::Add(const TNewTabSheet& sheet, const QString& file) {
    if (auto failed = Connect()) return *failed;
    const Working working{*this};
    const QByteArray bytes = WriteTestFile(MakeTestFileValues(sheet));
    const QString fingerprint = QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    ArchivedTest test = ArchivedFiguresOf(sheet, QFileInfo(file).absoluteFilePath());
    // The record's note is searched, though the list does not show it.
    const QString searchText = SearchTextOf(test, QString::fromStdString(sheet.GetRecord().note));
    test.archivedAt = QDateTime::currentDateTime().toString(Qt::ISODate);
    // An empty text is stored as one, never as a missing value.
    const auto text = [](const QString& value) { return QVariant(value.isNull() ? QStringLiteral("") : value); };
    const QVariantList figures{text(test.file), text(test.archivedAt), text(test.testDate), text(test.customer),
                               text(test.tester), text(test.spreaderMaker), text(test.spreaderModel),
                               text(test.spreaderSetting), text(test.fertiliser), text(test.fertiliserMaker),
                               text(test.productionSite), text(test.kit), test.workingWidth,
                               Optional(test.vk), Optional(test.optimalWidth), Optional(test.optimalVK),
                               Optional(test.rate), Optional(test.correction)};

    QSqlDatabase database = Database();
    if (!database.transaction()) return Failed(QStringLiteral("provet kunde inte arkiveras."));
    QSqlQuery insert(database);
    insert.prepare(QStringLiteral("INSERT INTO tests (fingerprint, bytes, search_text, %1) VALUES (?, ?, ?%2) "
                                  "ON CONFLICT (fingerprint) DO NOTHING")
                       .arg(Columns, QStringLiteral(", ?").repeated(int(figures.size()))));
    insert.addBindValue(fingerprint);
    insert.addBindValue(bytes);
    insert.addBindValue(searchText);
    for (const QVariant& value : figures) insert.addBindValue(value);
    bool done = insert.exec();
    QSqlError error = insert.lastError();
    const bool added = done && insert.numRowsAffected() == 1;
    if (done && !added) {
        // The same test again: it now belongs to the newest file.
        QSqlQuery update(database);
        // Unchanged, it writes nothing, so a folder imported again costs no disk writes.
        update.prepare(QStringLiteral("UPDATE tests SET file = ?, search_text = ? WHERE fingerprint = ? "
                                      "AND (file <> ? OR search_text <> ?)"));
        update.addBindValue(test.file);
        update.addBindValue(searchText);
        update.addBindValue(fingerprint);
        update.addBindValue(test.file);
        update.addBindValue(searchText);
        done = update.exec();
        error = update.lastError();
    }
    if (!done || !database.commit()) {
        ArchiveError failed = Failed(QStringLiteral("provet kunde inte arkiveras."), error);
        database.rollback();
        return failed;
    }
    return added ? Added::New : Added::AlreadyThere;
}

std::variant<std::vector<ArchivedTest>, ArchiveError> TestArchive::Find(const ArchiveQuery& request, qint64 offset,
                                                                        qint64 limit) {
    QString page;
    if (limit >= 0) page = QStringLiteral(" LIMIT %1 OFFSET %2").arg(limit).arg(std::max<qint64>(offset, 0));
    return Select(SqlOf(request), page);
}

std::variant<std::vector<ArchivedTest>, ArchiveError> TestArchive::FindAfter(const ArchiveQuery& request,
                                                                             const ArchivedTest& last, qint64 limit) {
    return Select(SqlOf(request, &last), QStringLiteral(" LIMIT %1").arg(std::max<qint64>(limit, 0)));
}

std::variant<std::vector<ArchivedTest>, ArchiveError> TestArchive::Select(const ArchiveQuerySql& sql, const QString& page) {
    if (auto failed = Connect()) return *failed;
    const Working working{*this};
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT id, %1 FROM tests").arg(Columns) + sql.where + sql.orderBy + page);
    for (const QVariant& value : sql.values) query.addBindValue(value);
    if (!query.exec()) return Failed(QStringLiteral("sökningen misslyckades."), query.lastError());
    std::vector<ArchivedTest> found;
    while (query.next()) {
        ArchivedTest test;
        int c = 0;
        test.id = query.value(c++).toLongLong();
        for (QString* text : {&test.file, &test.archivedAt, &test.testDate, &test.customer, &test.tester,
                              &test.spreaderMaker, &test.spreaderModel, &test.spreaderSetting, &test.fertiliser,
                              &test.fertiliserMaker, &test.productionSite, &test.kit})
            *text = query.value(c++).toString();
        test.workingWidth = query.value(c++).toDouble();
        for (std::optional<double>* figure : {&test.vk, &test.optimalWidth, &test.optimalVK, &test.rate, &test.correction})
            *figure = OptionalOf(query.value(c++));
        found.push_back(std::move(test));
    }
    return found;
}

std::variant<qint64, ArchiveError> TestArchive::CountMatches(const ArchiveQuery& request) {
    if (auto failed = Connect()) return *failed;
    const Working working{*this};
    const ArchiveQuerySql sql = SqlOf(request);
    QSqlQuery query(Database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM tests") + sql.where);
    for (const QVariant& value : sql.values) query.addBindValue(value);
    if (!query.exec() || !query.next()) return Failed(QStringLiteral("sökningen misslyckades."), query.lastError());
    return query.value(0).toLongLong();
}

std::variant<QByteArray, ArchiveError> TestArchive::Bytes(qint64 id) {
    if (auto failed = Connect()) return *failed;
    const Working working{*this};
    QSqlQuery query(Database());
    query.prepare(QStringLiteral("SELECT bytes FROM tests WHERE id = ?"));
    query.addBindValue(id);
    if (!query.exec()) return Failed(QStringLiteral("provet kunde inte läsas."), query.lastError());
    if (!query.next()) return ArchiveError{QStringLiteral("Provarkivet %1: provet finns inte längre.").arg(location_.Name())};
    return query.value(0).toByteArray();
}

std::variant<int, ArchiveError> TestArchive::Remove(const std::vector<qint64>& ids) {
    if (auto failed = Connect()) return *failed;
    const Working working{*this};
    QSqlDatabase database = Database();
    if (!database.transaction()) return Failed(QStringLiteral("proven kunde inte tas bort."));
    QSqlQuery query(database);
    query.prepare(QStringLiteral("DELETE FROM tests WHERE id = ?"));
    int removed = 0;
    for (qint64 id : ids) {
        query.addBindValue(id);
        if (!query.exec()) {
            ArchiveError error = Failed(QStringLiteral("proven kunde inte tas bort."), query.lastError());
            database.rollback();
            return error;
        }
        removed += query.numRowsAffected();
    }
    if (!database.commit()) return Failed(QStringLiteral("proven kunde inte tas bort."));
    return removed;
}

std::variant<qint64, ArchiveError> TestArchive::Count() {
    if (auto failed = Connect()) return *failed;
    const Working working{*this};
    QSqlQuery query(Database());
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM tests")) || !query.next())
        return Failed(QStringLiteral("kunde inte läsas."), query.lastError());
    return query.value(0).toLongLong();
}

}  // namespace kaldoventri
