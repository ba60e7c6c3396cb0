#include "VersionServer.h"

#include <QTcpSocket>

VersionServer::VersionServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = server_.nextPendingConnection()) {
            connect(s, &QTcpSocket::readyRead, this, [this, s] { answer(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

bool VersionServer::start() { return server_.listen(QHostAddress::LocalHost, 0); }

QString VersionServer::baseUrl() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void VersionServer::answer(QTcpSocket* socket) {
    const QByteArray request = socket->readAll();
    if (!request.contains("\r\n\r\n")) return;  // the rest of the head follows
    const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
    paths << QString::fromLatin1(first.value(1));
    QByteArray reply;
    if (body_) {
        reply = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                QByteArray::number(body_->size()) + "\r\nConnection: close\r\n\r\n" + *body_;
    } else {
        reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }
    socket->write(reply);
    socket->disconnectFromHost();
}

QString gfDEAD_URL() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();  // the port is free again: connections are refused
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}
