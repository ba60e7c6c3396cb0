#pragma once

#include <QList>
#include <QStringList>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "TdsReply.h"

namespace testsupport {

// A loopback stand-in for SQL Server that speaks just enough TDS 7.4 for the
// FreeTDS driver (registered as "SQL Server") to log in and run batches. What
// a batch gets is chosen by a marker in its text: a scripted reply, no answer
// until the client cancels it, or a dropped connection; any other batch gets a
// bare DONE. A hung batch that is not cancelled within ten seconds is dropped,
// so a missing time-out fails a test instead of hanging it.
class FakeTdsServer {
  public:
    FakeTdsServer();
    ~FakeTdsServer();
    FakeTdsServer(const FakeTdsServer&) = delete;
    FakeTdsServer& operator=(const FakeTdsServer&) = delete;

    QString connectString() const;

    void answer(const QString& marker, const TdsReply& reply);
    void hang(const QString& marker);
    void drop(const QString& marker);
    // Every connection is closed as soon as it is accepted.
    void setDropAtAccept(bool on) { dropAtAccept_ = on; }

    QStringList batches() const;

  private:
    enum class Kind { Answer, Hang, Drop };
    struct Rule {
        QString marker;
        Kind kind;
        QByteArray tokens;
    };

    void acceptLoop();
    void serve(int fd);
    bool readMessage(int fd, int* type, QByteArray* payload, int waitMs);
    bool readExact(int fd, char* out, qsizetype n, int waitMs);
    static void send(int fd, int type, const QByteArray& payload);
    Rule ruleFor(const QString& text);

    mutable std::mutex mutex_;
    QList<Rule> rules_;
    QStringList batches_;
    std::vector<std::thread> clients_;
    std::vector<int> clientFds_;
    std::atomic<bool> dropAtAccept_{false};
    std::atomic<bool> stopping_{false};
    int listenFd_ = -1;
    quint16 port_ = 0;
    std::thread acceptThread_;
};

}  // namespace testsupport
