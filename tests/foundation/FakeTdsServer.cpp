#include "FakeTdsServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QRegularExpression>
#include <algorithm>

namespace testsupport {

namespace {

constexpr int kReply = 0x04, kBatch = 0x01, kAttention = 0x06, kTransactionManager = 0x0E,
              kPrelogin = 0x12, kLogin = 0x10;
constexpr int kHangLimitMs = 10000;
constexpr quint8 kBeginEnv = 8, kCommitEnv = 9, kRollbackEnv = 10;

QByteArray preloginReply() {
    // VERSION, ENCRYPTION = not supported, then the terminator.
    QByteArray b;
    b.append("\x00\x00\x0B\x00\x06", 5).append("\x01\x00\x11\x00\x01", 5).append('\xFF');
    b.append("\x0F\x00\x07\xD0\x00\x00", 6).append('\x02');
    return b;
}

QByteArray loginReply() {
    QByteArray body(1, char(1));         // interface: T-SQL
    body.append("\x74\x00\x00\x04", 4);  // TDS 7.4
    body.append(char(4));
    TdsReply::putText(body, QStringLiteral("fake"));
    body.append("\x0F\x00\x00\x00", 4);  // program version
    QByteArray b(1, char(0xAD));
    TdsReply::putU16(b, quint16(body.size()));
    return b + body + TdsReply::done(0, 0);
}

quint32 u32At(const QByteArray& b, qsizetype at) {
    if (at + 4 > b.size()) return 0;
    return quint8(b[at]) | quint8(b[at + 1]) << 8 | quint8(b[at + 2]) << 16 |
           quint32(quint8(b[at + 3])) << 24;
}

QString batchText(const QByteArray& payload) {
    const quint32 headers = u32At(payload, 0);
    if (payload.size() < 4 || headers > quint32(payload.size())) return {};
    const QByteArray text = payload.mid(headers);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.constData()), text.size() / 2);
}

// ENVCHANGE of a transaction: the new descriptor on a begin, the old one on an end.
QByteArray transactionChange(quint8 type, quint64 id) {
    QByteArray value;
    for (int i = 0; i < 8; ++i) value.append(char(id >> (8 * i)));
    QByteArray body(1, char(type));
    if (type == kBeginEnv) {
        body.append(char(8)).append(value).append(char(0));
    } else {
        body.append(char(0)).append(char(8)).append(value);
    }
    QByteArray b(1, char(0xE3));
    TdsReply::putU16(b, quint16(body.size()));
    return b + body;
}

QByteArray failure(int number, const QString& message) {
    return TdsReply::errorToken(number, message, 16) + TdsReply::done(TdsReply::kError, 0);
}

QByteArray intRow(const QString& column, qint64 v) {
    return TdsReply().rows({TdsColumn::integer(column)}, {{QString::number(v)}}).tokens();
}

}  // namespace

FakeTdsServer::FakeTdsServer() {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof(addr);
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), len) == 0 &&
        ::listen(listenFd_, 8) == 0 &&
        ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) == 0) {
        port_ = ntohs(addr.sin_port);
    }
    acceptThread_ = std::thread([this] { acceptLoop(); });
}

FakeTdsServer::~FakeTdsServer() {
    stopping_ = true;
    acceptThread_.join();
    ::close(listenFd_);
    std::vector<std::thread> clients;
    {
        std::lock_guard lock(mutex_);
        for (int fd : clientFds_) ::shutdown(fd, SHUT_RDWR);
        clients.swap(clients_);
    }
    for (std::thread& t : clients) t.join();
}

QString FakeTdsServer::connectString() const {
    return QStringLiteral("DRIVER={SQL Server};Server=127.0.0.1,%1;UID=sa;PWD=x; database =MES;")
        .arg(port_);
}

void FakeTdsServer::answer(const QString& marker, const TdsReply& reply) {
    std::lock_guard lock(mutex_);
    rules_ << Rule{marker,         Kind::Answer,      reply.tokens(),
                   reply.failed(), reply.rollsBack(), reply.lastCount()};
}

void FakeTdsServer::hang(const QString& marker) {
    std::lock_guard lock(mutex_);
    rules_ << Rule{marker, Kind::Hang, {}};
}

void FakeTdsServer::drop(const QString& marker) {
    std::lock_guard lock(mutex_);
    rules_ << Rule{marker, Kind::Drop, {}};
}

void FakeTdsServer::commitThenDrop(const QString& marker) {
    std::lock_guard lock(mutex_);
    rules_ << Rule{marker, Kind::CommitDrop, {}};
}

void FakeTdsServer::answerOnceWritten(const QString& writtenMarker, const QString& marker,
                                      const TdsReply& reply) {
    std::lock_guard lock(mutex_);
    rules_.prepend(Rule{marker, Kind::Answer, reply.tokens(), reply.failed(), reply.rollsBack(),
                        reply.lastCount(), writtenMarker});
}

void FakeTdsServer::restart() {
    {
        std::lock_guard lock(mutex_);
        for (int fd : clientFds_) ::shutdown(fd, SHUT_RDWR);
    }
    for (int i = 0; i < 200; ++i) {  // each connection notices within one poll
        {
            std::lock_guard lock(mutex_);
            if (clientFds_.empty()) return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

QStringList FakeTdsServer::batches() const {
    std::lock_guard lock(mutex_);
    return batches_;
}

QStringList FakeTdsServer::written() const {
    std::lock_guard lock(mutex_);
    return written_;
}

FakeTdsServer::Rule FakeTdsServer::ruleFor(const QString& text) {
    std::lock_guard lock(mutex_);
    batches_ << text;
    for (const Rule& r : rules_) {
        if (!text.contains(r.marker)) continue;
        const auto holds = [&r](const QString& w) { return w.contains(r.once); };
        if (r.once.isEmpty() || std::any_of(written_.cbegin(), written_.cend(), holds)) return r;
    }
    return Rule{QString(), Kind::Answer, TdsReply::done(0, 0)};
}

QByteArray FakeTdsServer::begin(Transaction& t) {
    if (t.level++ > 0) return {};
    std::lock_guard lock(mutex_);
    t.id = nextTransaction_++;
    return transactionChange(kBeginEnv, t.id);
}

QByteArray FakeTdsServer::commit(Transaction& t) {
    if (t.level == 0) {
        return failure(3902,
                       "The COMMIT TRANSACTION request has no corresponding BEGIN TRANSACTION.");
    }
    if (--t.level > 0) return {};
    std::lock_guard lock(mutex_);
    written_ += t.pending;
    t.pending.clear();
    return transactionChange(kCommitEnv, t.id);
}

QByteArray FakeTdsServer::rollback(Transaction& t) {
    if (t.level == 0) {
        return failure(3903,
                       "The ROLLBACK TRANSACTION request has no corresponding BEGIN TRANSACTION.");
    }
    t.level = 0;
    t.pending.clear();
    return transactionChange(kRollbackEnv, t.id);
}

void FakeTdsServer::take(const QString& text, Transaction& t) {
    static const QRegularExpression change(QStringLiteral("\\b(INSERT|UPDATE|DELETE)\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (!change.match(text).hasMatch()) return;
    if (t.level > 0) {
        t.pending << text;
        return;
    }
    std::lock_guard lock(mutex_);
    written_ << text;
}

QByteArray FakeTdsServer::control(const QString& text, Transaction& t) {
    QString s = text.simplified().toUpper();
    if (s.endsWith(u';')) s.chop(1);
    static const QRegularExpression tail(QStringLiteral(" (TRAN|TRANSACTION|WORK)$"));
    const QString verb = QString(s).remove(tail);
    QByteArray tokens;
    if (verb == QLatin1String("BEGIN")) {
        tokens = begin(t);
    } else if (verb == QLatin1String("COMMIT")) {
        tokens = commit(t);
    } else if (verb == QLatin1String("ROLLBACK")) {
        tokens = rollback(t);
    } else if (verb == QLatin1String("IF @@TRANCOUNT > 0 ROLLBACK")) {
        if (t.level > 0) tokens = rollback(t);
    } else if (s == QLatin1String("SELECT @@TRANCOUNT")) {
        t.rowCount = 1;
        return intRow(QString(), t.level);
    } else if (s == QLatin1String("SELECT @@ROWCOUNT")) {
        const qint64 n = t.rowCount;
        t.rowCount = 1;
        return intRow(QString(), n);
    } else {
        return {};
    }
    t.rowCount = 0;
    if (tokens.endsWith(TdsReply::done(TdsReply::kError, 0))) return tokens;
    return tokens + TdsReply::done(0, 0);
}

QByteArray FakeTdsServer::managerRequest(const QByteArray& payload, Transaction& t) {
    const quint32 headers = u32At(payload, 0);
    if (headers + 2 > quint32(payload.size())) return TdsReply::done(TdsReply::kError, 0);
    const int request = quint8(payload[headers]) | quint8(payload[headers + 1]) << 8;
    // Commit and rollback may ask to begin the next transaction at once.
    const qsizetype nameAt = headers + 2;
    const int nameChars = nameAt < payload.size() ? quint8(payload[nameAt]) : 0;
    const qsizetype flagAt = nameAt + 1 + 2 * nameChars;
    const bool beginNext = flagAt < payload.size() && payload[flagAt] != 0;
    QByteArray tokens;
    switch (request) {
        case 5:
            tokens = begin(t);
            break;
        case 7:
            tokens = commit(t);
            break;
        case 8:
            tokens = rollback(t);
            break;
        default:
            return TdsReply::done(0, 0);
    }
    if (tokens.endsWith(TdsReply::done(TdsReply::kError, 0))) return tokens;
    if (beginNext) tokens += begin(t);
    return tokens + TdsReply::done(0, 0);
}

void FakeTdsServer::acceptLoop() {
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) continue;
        ++accepted_;
        if (dropAtAccept_) {
            ::close(fd);
            continue;
        }
        std::lock_guard lock(mutex_);
        clientFds_.push_back(fd);
        clients_.emplace_back([this, fd] { serve(fd); });
    }
}

bool FakeTdsServer::readExact(int fd, char* out, qsizetype n, int waitMs) {
    for (qsizetype got = 0; got < n;) {
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, 50);
        if (stopping_) return false;
        if (ready == 0) {
            waitMs -= 50;
            if (waitMs <= 0) return false;
            continue;
        }
        const ssize_t r = ::recv(fd, out + got, size_t(n - got), 0);
        if (r <= 0) return false;
        got += r;
    }
    return true;
}

bool FakeTdsServer::readMessage(int fd, int* type, QByteArray* payload, int waitMs) {
    payload->clear();
    for (;;) {
        char header[8];
        if (!readExact(fd, header, 8, waitMs)) return false;
        const int length = quint8(header[2]) << 8 | quint8(header[3]);
        QByteArray body(qMax(0, length - 8), Qt::Uninitialized);
        if (!readExact(fd, body.data(), body.size(), waitMs)) return false;
        *type = quint8(header[0]);
        *payload += body;
        if (header[1] & 0x01) return true;  // end of message
    }
}

void FakeTdsServer::send(int fd, int type, const QByteArray& payload) {
    constexpr qsizetype kRoom = 4096 - 8;
    for (qsizetype at = 0; at == 0 || at < payload.size(); at += kRoom) {
        const QByteArray part = payload.mid(at, kRoom);
        const bool last = at + kRoom >= payload.size();
        const int length = int(part.size()) + 8;
        QByteArray packet;
        packet.append(char(type)).append(char(last ? 1 : 0));
        packet.append(char(length >> 8)).append(char(length & 0xff));
        packet.append("\x00\x37\x01\x00", 4);  // SPID 55, packet 1, window
        packet += part;
        ::send(fd, packet.constData(), size_t(packet.size()), MSG_NOSIGNAL);
    }
}

void FakeTdsServer::serve(int fd) {
    int type = 0;
    QByteArray payload;
    Transaction t;  // dropped with the connection: what it held is rolled back
    while (readMessage(fd, &type, &payload, 3600 * 1000)) {
        if (type == kPrelogin) {
            send(fd, kReply, preloginReply());
        } else if (type == kLogin) {
            send(fd, kReply, loginReply());
        } else if (type == kAttention) {
            ++attentions_;
            send(fd, kReply, TdsReply::done(TdsReply::kAttention, 0));
        } else if (type == kTransactionManager) {
            send(fd, kReply, managerRequest(payload, t));
        } else if (type != kBatch) {
            send(fd, kReply, TdsReply::done(0, 0));  // RPC
        } else {
            const QString text = batchText(payload);
            const Rule rule = ruleFor(text);
            if (rule.kind == Kind::Drop) break;
            if (rule.kind == Kind::CommitDrop) {
                commit(t);
                break;
            }
            if (rule.kind == Kind::Hang) {
                // Only the client's cancel is answered.
                if (!readMessage(fd, &type, &payload, kHangLimitMs) || type != kAttention) break;
                ++attentions_;
                send(fd, kReply, TdsReply::done(TdsReply::kAttention, 0));
                continue;
            }
            if (rule.marker.isNull()) {
                const QByteArray controlled = control(text, t);
                if (!controlled.isEmpty()) {
                    send(fd, kReply, controlled);
                    continue;
                }
            }
            QByteArray tokens = rule.tokens;
            if (rule.rollsBack && t.level > 0) tokens = rollback(t) + tokens;
            if (!rule.failed) take(text, t);
            t.rowCount = rule.lastCount;
            send(fd, kReply, tokens);
        }
    }
    std::lock_guard lock(mutex_);
    std::erase(clientFds_, fd);  // before close: the number may be reused at once
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
}

}  // namespace testsupport
