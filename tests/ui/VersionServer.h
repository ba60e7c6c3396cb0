#pragma once

#include <QStringList>
#include <QTcpServer>
#include <optional>

// A one-file HTTP server on loopback for the version check: answers every GET
// with the body (or 404 when there is none) and remembers the paths asked for.
class VersionServer : public QObject {
    Q_OBJECT
  public:
    VersionServer();
    bool start();
    QString baseUrl() const;
    void setBody(std::optional<QByteArray> body) { body_ = std::move(body); }
    QStringList paths;

  private:
    void answer(QTcpSocket* socket);

    QTcpServer server_;
    std::optional<QByteArray> body_;
};

// A loopback address where nobody listens.
QString gfDEAD_URL();
