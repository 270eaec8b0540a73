// The archive the program uses during one run: where it is (kept in the
// user's settings, the default archive otherwise), whether saved and opened
// tests go into it, and one connection held open for the whole run rather
// than one per save. A PostgreSQL password the password file does not give is
// asked for once per run and kept in memory only.
#pragma once

#include <QString>

#include <memory>
#include <optional>

#include "archive/TestArchive.h"

class QWidget;

namespace kaldoventri {

class ArchiveSession {
public:
    ArchiveSession();
    ~ArchiveSession();
    ArchiveSession(const ArchiveSession&) = delete;
    ArchiveSession& operator=(const ArchiveSession&) = delete;

    const ArchiveLocation& Location() const { return location_; }
    // Uses another archive from now on, and in later runs.
    void SetLocation(const ArchiveLocation& location);
    // The password given this run for the archive in use; empty when none was needed.
    const QString& Password() const { return password_; }

    // "Arkivera sparade och öppnade prov": on unless the user turned it off.
    bool ArchivesFiles() const;
    void SetArchivesFiles(bool on);

    // The open archive, opened now if it is not yet; `parent` is the window a
    // password question belongs to. The message when it cannot be opened.
    std::variant<TestArchive*, ArchiveError> Archive(QWidget* parent);

private:
    ArchiveLocation location_;
    std::unique_ptr<TestArchive> archive_;
    QString password_;
    bool passwordAsked_ = false;
};

// The location the user's settings name, or the default archive.
ArchiveLocation StoredArchiveLocation();

}  // namespace kaldoventri
