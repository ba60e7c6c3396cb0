#pragma once

#include <QList>
#include <QString>
#include <functional>

struct hostent;

namespace mes {

// What the resolver gives for the host's own name.
struct HostLookup {
    bool hostNameOk = true;  // false: the host name could not be read
    int lastError = 0;       // the sockets library's error code then
    QString hostName;
    QList<QByteArray> addresses;  // IPv4 addresses, network byte order, resolver order
    // IPv4 addresses of the network interfaces that are up, in the system's order.
    QList<QByteArray> interfaces;
};

using HostResolver = std::function<HostLookup()>;

// The terminal's IP address: the last IPv4 address the resolver lists for the
// host's own name, looked up on every call; "" after a failure (with its message).
// Loopback addresses are skipped (Debian maps the host name to 127.0.1.1); when
// nothing else is left, the last interface address that is not loopback.
QString gfGET_IP();

// Tests replace the resolver; an empty function restores the system one.
void gsSET_RESOLVER(HostResolver resolver);
// The system resolver: gethostname, then the host entry of that name
// (gethostbyname_r), whose address list keeps the resolver's own order, and the
// interfaces' addresses (getifaddrs).
HostLookup gfSYSTEM_LOOKUP();
// The addresses of a host entry, first to last, each of the entry's length.
QList<QByteArray> gfHOST_ADDRESSES(const hostent& entry);

}  // namespace mes
