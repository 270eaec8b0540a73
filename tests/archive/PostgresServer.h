// A real PostgreSQL server for a test: initdb and pg_ctl into a temporary
// folder, listening on a Unix socket in that folder only, stopped at the end.
// The server refuses root, so under root it runs as the user nobody.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace kaldoventri::testing {

class PostgresServer {
public:
    static constexpr const char* Bin = "/usr/lib/postgresql/15/bin/";

    PostgresServer() {
        if (!QFile::exists(QString::fromLatin1(Bin) + "initdb") || !folder_.isValid()) return;
        folder_.setAutoRemove(true);
        if (geteuid() == 0 && chown(folder_.path().toLocal8Bit().constData(), 65534, 65534) != 0) return;
        const QString data = folder_.filePath(QStringLiteral("data"));
        ready_ = Run("initdb", {"-D", data, "-A", "trust", "-U", "kaldo", "-E", "UTF8"}) &&
                 Run("pg_ctl", {"-D", data, "-o", QStringLiteral("-k %1 -c listen_addresses='' -p 5433").arg(folder_.path()),
                                "-l", folder_.filePath(QStringLiteral("log")), "-w", "start"}) &&
                 Run("createdb", {"-h", folder_.path(), "-p", "5433", "-U", "kaldo", "arkiv"});
    }
    ~PostgresServer() {
        if (QDir(folder_.filePath(QStringLiteral("data"))).exists())
            Run("pg_ctl", {"-D", folder_.filePath(QStringLiteral("data")), "-m", "immediate", "-w", "stop"});
    }
    PostgresServer(const PostgresServer&) = delete;
    PostgresServer& operator=(const PostgresServer&) = delete;

    bool Ready() const { return ready_; }
    QString SocketFolder() const { return folder_.path(); }
    // The archive's address as the command line takes it.
    QString Uri() const { return QStringLiteral("postgresql://kaldo@/arkiv?host=%1&port=5433").arg(folder_.path()); }

private:
    bool Run(const char* tool, const QStringList& arguments) {
        QProcess process;
        QString program = QString::fromLatin1(Bin) + QLatin1String(tool);
        QStringList all = arguments;
        if (geteuid() == 0) {
            all.prepend(program);
            all.prepend(QStringLiteral("nobody"));
            all.prepend(QStringLiteral("-u"));
            program = QStringLiteral("runuser");
            all.insert(2, QStringLiteral("--"));
        }
        process.setWorkingDirectory(folder_.path());
        process.start(program, all);
        return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    QTemporaryDir folder_;
    bool ready_ = false;
};

}  // namespace kaldoventri::testing
