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
// until the client cancels it, a dropped connection, or a commit whose answer
// is lost; any other batch gets a bare DONE. A hung batch that is not cancelled within ten seconds
// is dropped, so a missing time-out fails a test instead of hanging it.
//
// Each connection keeps a transaction as SQL Server does: transaction-manager
// requests and BEGIN TRAN / COMMIT / ROLLBACK open and end it (3902 and 3903
// when none is open), a reply may end it itself, a dropped connection rolls it
// back; @@TRANCOUNT and @@ROWCOUNT answer from that state. written() lists the
// changes (INSERT, UPDATE, DELETE batches) that took effect, in the order they
// became durable.
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
    // The batch (a COMMIT) ends the transaction, which becomes durable, then
    // the connection is closed before the answer: the client never learns it.
    void commitThenDrop(const QString& marker);
    // What the server holds after a change: once a durable change contains
    // writtenMarker, batches with marker get reply, before any other rule.
    void answerOnceWritten(const QString& writtenMarker, const QString& marker,
                           const TdsReply& reply);
    // Every connection is closed as soon as it is accepted.
    void setDropAtAccept(bool on) { dropAtAccept_ = on; }
    // The service restarts: every open connection is closed (and its
    // transaction rolled back); new ones are accepted again.
    void restart();

    QStringList batches() const;
    QStringList written() const;
    int attentions() const { return attentions_; }
    int accepted() const { return accepted_; }

  private:
    enum class Kind { Answer, Hang, Drop, CommitDrop };
    struct Rule {
        QString marker;
        Kind kind;
        QByteArray tokens;
        bool failed = false;
        bool rollsBack = false;
        qint64 lastCount = 0;
        QString once;  // applies once a durable change contains it
    };
    struct Transaction {
        int level = 0;
        quint64 id = 0;
        QStringList pending;
        qint64 rowCount = 0;
    };

    void acceptLoop();
    void serve(int fd);
    bool readMessage(int fd, int* type, QByteArray* payload, int waitMs);
    bool readExact(int fd, char* out, qsizetype n, int waitMs);
    static void send(int fd, int type, const QByteArray& payload);
    Rule ruleFor(const QString& text);
    // A transaction statement of T-SQL, answered from the state; empty when the
    // batch is none.
    QByteArray control(const QString& text, Transaction& t);
    QByteArray managerRequest(const QByteArray& payload, Transaction& t);
    QByteArray begin(Transaction& t);
    QByteArray commit(Transaction& t);
    QByteArray rollback(Transaction& t);
    void take(const QString& text, Transaction& t);

    mutable std::mutex mutex_;
    QList<Rule> rules_;
    QStringList batches_;
    QStringList written_;
    quint64 nextTransaction_ = 0x100;
    std::vector<std::thread> clients_;
    std::vector<int> clientFds_;
    std::atomic<bool> dropAtAccept_{false};
    std::atomic<bool> stopping_{false};
    std::atomic<int> attentions_{0};
    std::atomic<int> accepted_{0};
    int listenFd_ = -1;
    quint16 port_ = 0;
    std::thread acceptThread_;
};

}  // namespace testsupport
