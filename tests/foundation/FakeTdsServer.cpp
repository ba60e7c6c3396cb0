#include "FakeTdsServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <algorithm>

namespace testsupport {

namespace {

constexpr int kReply = 0x04, kBatch = 0x01, kAttention = 0x06, kPrelogin = 0x12, kLogin = 0x10;
constexpr int kHangLimitMs = 10000;

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

QString batchText(const QByteArray& payload) {
    if (payload.size() < 4) return {};
    const quint32 headers = quint8(payload[0]) | quint8(payload[1]) << 8 |
                            quint8(payload[2]) << 16 | quint32(quint8(payload[3])) << 24;
    if (headers > quint32(payload.size())) return {};
    const QByteArray text = payload.mid(headers);
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(text.constData()), text.size() / 2);
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
    rules_ << Rule{marker, Kind::Answer, reply.tokens()};
}

void FakeTdsServer::hang(const QString& marker) {
    std::lock_guard lock(mutex_);
    rules_ << Rule{marker, Kind::Hang, {}};
}

void FakeTdsServer::drop(const QString& marker) {
    std::lock_guard lock(mutex_);
    rules_ << Rule{marker, Kind::Drop, {}};
}

QStringList FakeTdsServer::batches() const {
    std::lock_guard lock(mutex_);
    return batches_;
}

FakeTdsServer::Rule FakeTdsServer::ruleFor(const QString& text) {
    std::lock_guard lock(mutex_);
    batches_ << text;
    for (const Rule& r : rules_) {
        if (text.contains(r.marker)) return r;
    }
    return Rule{QString(), Kind::Answer, TdsReply::done(0, 0)};
}

void FakeTdsServer::acceptLoop() {
    while (!stopping_) {
        pollfd p{listenFd_, POLLIN, 0};
        if (::poll(&p, 1, 50) <= 0) continue;
        const int fd = ::accept(listenFd_, nullptr, nullptr);
        if (fd < 0) continue;
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
    while (readMessage(fd, &type, &payload, 3600 * 1000)) {
        if (type == kPrelogin) {
            send(fd, kReply, preloginReply());
        } else if (type == kLogin) {
            send(fd, kReply, loginReply());
        } else if (type == kAttention) {
            send(fd, kReply, TdsReply::done(TdsReply::kAttention, 0));
        } else if (type != kBatch) {
            send(fd, kReply, TdsReply::done(0, 0));  // RPC, transaction requests
        } else {
            const Rule rule = ruleFor(batchText(payload));
            if (rule.kind == Kind::Drop) break;
            if (rule.kind == Kind::Hang) {
                // Only the client's cancel is answered.
                if (!readMessage(fd, &type, &payload, kHangLimitMs) || type != kAttention) break;
                send(fd, kReply, TdsReply::done(TdsReply::kAttention, 0));
                continue;
            }
            send(fd, kReply, rule.tokens);
        }
    }
    std::lock_guard lock(mutex_);
    std::erase(clientFds_, fd);  // before close: the number may be reused at once
    ::shutdown(fd, SHUT_RDWR);
    ::close(fd);
}

}  // namespace testsupport
