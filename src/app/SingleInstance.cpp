// The handover between a second start and the running program: the second
// start writes one absolute path a line and an empty line, and waits for
// "ok" before it ends.
#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace kaldoventri {

namespace {

constexpr int ConnectTimeoutMs = 1000;
// The running program may still be behind its splash screen.
constexpr int AnswerTimeoutMs = 15000;
const QByteArray Answer = "ok\n";

}  // namespace

QString InstanceName() {
    QByteArray who;
#ifdef Q_OS_WIN
    who = qgetenv("USERDOMAIN") + '\\' + qgetenv("USERNAME") + '\n' + qgetenv("SESSIONNAME");
#else
    who = QByteArray::number(static_cast<qulonglong>(getuid())) + '\n' + qgetenv("DISPLAY") + '\n' +
          qgetenv("WAYLAND_DISPLAY");
#endif
    return QStringLiteral("Kaldoventri-") +
           QString::fromLatin1(QCryptographicHash::hash(who, QCryptographicHash::Sha1).toHex().left(20));
}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent), name_(name) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

bool SingleInstance::HandOver(const QStringList& files) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(ConnectTimeoutMs)) return false;
    QByteArray message;
    for (const QString& file : files) message += QFileInfo(file).absoluteFilePath().toUtf8() + '\n';
    message += '\n';
#ifdef Q_OS_WIN
    // This start came from the user; it lets the running program take the front.
    AllowSetForegroundWindow(ASFW_ANY);
#endif
    socket.write(message);
    if (!socket.waitForBytesWritten(AnswerTimeoutMs)) return false;
    QByteArray answer;
    while (answer.size() < Answer.size() && socket.waitForReadyRead(AnswerTimeoutMs)) answer += socket.readAll();
    return answer.startsWith(Answer);
}

bool SingleInstance::Listen() {
    if (server_.listen(name_)) return true;
    // A name left by a program that crashed: nobody answered on it above.
    if (server_.serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name_);
        return server_.listen(name_);
    }
    return false;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, received] {
            *received += socket->readAll();
            // The message ends with an empty line: "\n" alone or "...\n\n".
            if (!(*received == "\n" || received->endsWith("\n\n"))) return;
            QStringList files;
            for (const QByteArray& line : received->split('\n'))
                if (!line.isEmpty()) files << QString::fromUtf8(line);
            received->clear();
            socket->write(Answer);
            socket->flush();
            emit filesArrived(files);
        });
    }
}

}  // namespace kaldoventri
