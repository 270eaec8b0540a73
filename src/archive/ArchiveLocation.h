// Where an archive lives: an SQLite file (the default is one in the user's
// data folder) or a PostgreSQL database named by a URI,
// postgresql://user@host:port/database, where the host may be a Unix-socket
// folder. The password is never part of it: it comes from the standard
// PostgreSQL password file, or is asked for once per run.
#pragma once

#include <QString>

#include <optional>

namespace kaldoventri {

struct ArchiveLocation {
    enum class Kind { SQLite, PostgreSQL };
    Kind kind = Kind::SQLite;
    QString file;  // SQLite
    QString host, user, database;  // PostgreSQL
    int port = 5432;

    // "provarkiv.sqlite" or "postgresql://anna@server:5432/prov", for messages.
    QString Name() const;
};

// The user's default archive: "provarkiv.sqlite" in the program's data folder.
ArchiveLocation DefaultArchive();

// An ARKIV argument: a URI starting with postgresql:// (or postgres://), or
// else an SQLite file's path. Nothing for a URI without a database.
std::optional<ArchiveLocation> ParseArchiveLocation(const QString& text);

}  // namespace kaldoventri
