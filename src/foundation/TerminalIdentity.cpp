#include "foundation/TerminalIdentity.h"

#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>
#include <QStringList>
#include <cerrno>

#include "foundation/UserInterface.h"

namespace mes {

namespace {

HostResolver& resolver() {
    static HostResolver r;
    return r;
}

}  // namespace

HostLookup gfSYSTEM_LOOKUP() {
    HostLookup out;
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) == -1) {
        out.hostNameOk = false;
        out.lastError = errno;
        return out;
    }
    out.hostName = QString::fromLocal8Bit(name).trimmed();
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(out.hostName.toLocal8Bit().constData(), nullptr, &hints, &list) != 0) {
        return out;
    }
    for (addrinfo* a = list; a; a = a->ai_next) {
        const auto* sin = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
        const QByteArray bytes(reinterpret_cast<const char*>(&sin->sin_addr), 4);
        if (!out.addresses.contains(bytes)) out.addresses << bytes;  // one per socket type
    }
    freeaddrinfo(list);
    return out;
}

void gsSET_RESOLVER(HostResolver r) { resolver() = std::move(r); }

QString gfGET_IP() {
    const HostLookup lookup = resolver() ? resolver()() : gfSYSTEM_LOOKUP();
    if (!lookup.hostNameOk) {
        gvUI().showMessage(
            gfPRODUCT_NAME(),
            QStringLiteral("Windows Sockets Error ") + QString::number(lookup.lastError),
            UserInterface::Icon::None);
        return QString();
    }
    if (lookup.addresses.isEmpty()) {
        gvUI().showMessage(gfPRODUCT_NAME(), QStringLiteral("Winsock.dll is not responding."),
                           UserInterface::Icon::None);
        return QString();
    }
    QString result;
    for (const QByteArray& addr : lookup.addresses) {
        QStringList parts;
        for (char b : addr) parts << QString::number(static_cast<unsigned char>(b));
        result = parts.join(QLatin1Char('.'));
    }
    return result;
}

}  // namespace mes
