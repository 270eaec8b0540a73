// The archive of this run and its settings.
#include "ui/archive/ArchiveSession.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QSettings>

namespace kaldoventri {

namespace {

const QString LocationKey = QStringLiteral("Provarkiv/Plats");
const QString ArchivesFilesKey = QStringLiteral("Provarkiv/ArkiveraFiler");

QSettings UserSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kaldoventri"),
                     QStringLiteral("Kaldoventri"));
}

QString SettingOf(const ArchiveLocation& location) {
    return location.kind == ArchiveLocation::Kind::SQLite ? location.file : location.Name();
}

}  // namespace

ArchiveLocation StoredArchiveLocation() {
    const QString stored = UserSettings().value(LocationKey).toString();
    if (auto location = ParseArchiveLocation(stored)) return *location;
    return DefaultArchive();
}

ArchiveSession::ArchiveSession() : location_(StoredArchiveLocation()) {}

ArchiveSession::~ArchiveSession() = default;

void ArchiveSession::SetLocation(const ArchiveLocation& location) {
    archive_.reset();
    location_ = location;
    password_.clear();
    passwordAsked_ = false;
    UserSettings().setValue(LocationKey, SettingOf(location));
}

bool ArchiveSession::ArchivesFiles() const { return UserSettings().value(ArchivesFilesKey, true).toBool(); }

void ArchiveSession::SetArchivesFiles(bool on) { UserSettings().setValue(ArchivesFilesKey, on); }

std::variant<TestArchive*, ArchiveError> ArchiveSession::Archive(QWidget* parent) {
    if (archive_) return archive_.get();
    // The window's file dialogs may look into the archive's folder: the file is held only while in use.
    constexpr auto holding = TestArchive::Holding::WhileWorking;
    auto opened = TestArchive::Open(location_, password_, holding);
    if (std::holds_alternative<ArchiveError>(opened) && location_.kind == ArchiveLocation::Kind::PostgreSQL &&
        !passwordAsked_ && parent != nullptr) {
        // Asked once: a wrong or cancelled answer is not asked again this run.
        passwordAsked_ = true;
        bool given = false;
        const QString password = QInputDialog::getText(
            parent, QStringLiteral("Provarkiv"), QStringLiteral("Lösenord för %1:").arg(location_.Name()),
            QLineEdit::Password, {}, &given);
        if (given) {
            password_ = password;
            opened = TestArchive::Open(location_, password_, holding);
        }
    }
    if (auto* error = std::get_if<ArchiveError>(&opened)) return *error;
    archive_ = std::move(std::get<std::unique_ptr<TestArchive>>(opened));
    return archive_.get();
}

}  // namespace kaldoventri
