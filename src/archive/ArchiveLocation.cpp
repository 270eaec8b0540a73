#include "archive/ArchiveLocation.h"

#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>

namespace kaldoventri {

QString ArchiveLocation::Name() const {
    if (kind == Kind::SQLite) return file;
    return QStringLiteral("postgresql://%1@%2:%3/%4").arg(user, host).arg(port).arg(database);
}

ArchiveLocation DefaultArchive() {
    ArchiveLocation location;
    location.file = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/provarkiv.sqlite");
    return location;
}

std::optional<ArchiveLocation> ParseArchiveLocation(const QString& text) {
    ArchiveLocation location;
    if (!text.startsWith(QStringLiteral("postgresql://")) && !text.startsWith(QStringLiteral("postgres://"))) {
        if (text.isEmpty()) return std::nullopt;
        location.file = text;
        return location;
    }
    const QUrl url(text);
    location.kind = ArchiveLocation::Kind::PostgreSQL;
    location.user = url.userName();
    location.host = url.host();
    // A socket folder cannot stand in a URI's host: "%2Frun%2Fpostgresql" decodes to it.
    if (location.host.isEmpty()) location.host = QUrl::fromPercentEncoding(text.section('@', 1).section('/', 0, 0).section(':', 0, 0).toUtf8());
    // The usual spelling of a socket folder: postgresql://anna@/prov?host=/run/postgresql
    if (const QString host = QUrlQuery(url).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded); !host.isEmpty())
        location.host = host;
    location.port = url.port(QUrlQuery(url).queryItemValue(QStringLiteral("port")).toInt() > 0
                                 ? QUrlQuery(url).queryItemValue(QStringLiteral("port")).toInt()
                                 : 5432);
    location.database = url.path().mid(1);
    if (location.database.isEmpty() || location.database.contains('/')) return std::nullopt;
    return location;
}

}  // namespace kaldoventri
