// One window program per user and display. A second start hands its file
// arguments to the running program, which opens them and comes to the
// front, and ends without a splash; without a running program it listens
// for later starts. A local socket (a named pipe on Windows) carries the
// files: the system removes it with the program, so a crash leaves nothing
// that could turn later starts away.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <QStringList>

namespace kaldoventri {

// The socket's name: one per user and display, so that programs of other
// users, sessions or virtual displays never meet.
QString InstanceName();

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& name = InstanceName(), QObject* parent = nullptr);

    // True when a running program took the files; this start then ends.
    bool HandOver(const QStringList& files);
    // Takes later starts' files from now on; false when it cannot listen
    // (this program then runs alone, as before).
    bool Listen();

signals:
    // Absolute paths, in the order the other start was given them; empty
    // when it was started without files.
    void filesArrived(const QStringList& files);

private:
    void Accept();

    QString name_;
    QLocalServer server_;
};

}  // namespace kaldoventri
