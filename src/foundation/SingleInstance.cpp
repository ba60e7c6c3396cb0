#include "foundation/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>

namespace mes {

SingleInstance::SingleInstance(const QString& folder, const QString& key, QObject* parent)
    : QObject(parent), key_(key), lock_(QDir(folder).filePath(key + QStringLiteral(".lock"))) {
    lock_.setStaleLockTime(0);  // only a dead owner makes the lock stale
}

SingleInstance::~SingleInstance() {
    if (server_) server_->close();
    if (primary_) lock_.unlock();
}

QString SingleInstance::defaultFolder() { return QDir::tempPath(); }

QString SingleInstance::defaultKey() {
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QStringLiteral("mes-terminal-") + (user.isEmpty() ? QStringLiteral("default") : user);
}

bool SingleInstance::acquire() {
    if (primary_) return true;
    if (!lock_.tryLock(0)) {
        notifyRunning();
        return false;
    }
    primary_ = true;
    server_ = std::make_unique<QLocalServer>();
    QLocalServer::removeServer(key_);  // a socket left by a crashed copy
    if (server_->listen(key_)) {
        connect(server_.get(), &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* s = server_->nextPendingConnection()) {
                connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
                emit activationRequested();
            }
        });
    }
    return true;
}

void SingleInstance::notifyRunning() {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (socket.waitForConnected(1000)) {
        socket.write("raise");
        socket.waitForBytesWritten(1000);
        socket.disconnectFromServer();
    }
}

}  // namespace mes
