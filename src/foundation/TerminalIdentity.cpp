#include "foundation/TerminalIdentity.h"

#include <ifaddrs.h>
#include <net/if.h>
#include <netdb.h>
#include <netinet/in.h>
#include <unistd.h>
#include <QStringList>
#include <cerrno>
#include <vector>

#include "foundation/UserInterface.h"

namespace mes {

namespace {

HostResolver& resolver() {
    static HostResolver r;
    return r;
}

bool isLoopback(const QByteArray& address) {
    return !address.isEmpty() && static_cast<unsigned char>(address[0]) == 127;
}

QList<QByteArray> withoutLoopback(const QList<QByteArray>& addresses) {
    QList<QByteArray> out;
    for (const QByteArray& a : addresses) {
        if (!isLoopback(a)) out << a;
    }
    return out;
}

QList<QByteArray> interfaceAddresses() {
    QList<QByteArray> out;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) return out;
    for (const ifaddrs* i = list; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET || !(i->ifa_flags & IFF_UP)) continue;
        const auto* in = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        out << QByteArray(reinterpret_cast<const char*>(&in->sin_addr), 4);
    }
    freeifaddrs(list);
    return out;
}

}  // namespace

QList<QByteArray> gfHOST_ADDRESSES(const hostent& entry) {
    QList<QByteArray> out;
    for (char** a = entry.h_addr_list; a && *a; ++a) out << QByteArray(*a, entry.h_length);
    return out;
}

HostLookup gfSYSTEM_LOOKUP() {
    HostLookup out;
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) == -1) {
        out.hostNameOk = false;
        out.lastError = errno;
        return out;
    }
    out.hostName = QString::fromLocal8Bit(name).trimmed();
    // Not getaddrinfo: it re-sorts the addresses by its selection rules, and a
    // panel PC with two adapters would then pick the other one.
    const QByteArray host = out.hostName.toLocal8Bit();
    hostent entry{};
    hostent* found = nullptr;
    int resolverError = 0;
    std::vector<char> buffer(8192);
    int rc = 0;
    while ((rc = gethostbyname_r(host.constData(), &entry, buffer.data(), buffer.size(), &found,
                                 &resolverError)) == ERANGE &&
           buffer.size() < (1u << 20)) {
        buffer.resize(buffer.size() * 2);
    }
    if (rc == 0 && found && found->h_addrtype == AF_INET) out.addresses = gfHOST_ADDRESSES(*found);
    out.interfaces = interfaceAddresses();
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
    // No equipment row carries a loopback address: the name's other addresses
    // first, then the interfaces', and only when there is nothing else the
    // loopback one.
    QList<QByteArray> candidates = withoutLoopback(lookup.addresses);
    if (candidates.isEmpty()) candidates = withoutLoopback(lookup.interfaces);
    if (candidates.isEmpty()) candidates = lookup.addresses;
    QString result;
    for (const QByteArray& addr : candidates) {
        QStringList parts;
        for (char b : addr) parts << QString::number(static_cast<unsigned char>(b));
        result = parts.join(QLatin1Char('.'));
    }
    return result;
}

}  // namespace mes
