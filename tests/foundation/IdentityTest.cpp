#include <gtest/gtest.h>
#include <netdb.h>
#include <sys/socket.h>

#include "foundation/TerminalIdentity.h"
#include "support/RecordingUI.h"

using namespace mes;

namespace {

QByteArray ipv4(int a, int b, int c, int d) {
    QByteArray bytes;
    for (int x : {a, b, c, d}) bytes.append(static_cast<char>(x));
    return bytes;
}

struct IpCase {
    const char* name;
    HostLookup lookup;
    const char* expected;
    const char* message;  // "" when nothing is shown
};

void PrintTo(const IpCase& c, std::ostream* os) { *os << c.name; }

class IdentityTest : public ::testing::TestWithParam<IpCase> {
  protected:
    void TearDown() override { gsSET_RESOLVER({}); }
    testsupport::RecordingUI ui;
};

TEST_P(IdentityTest, PicksTheLastAddressOrReports) {
    const IpCase& c = GetParam();
    gsSET_RESOLVER([&] { return c.lookup; });
    EXPECT_EQ(gfGET_IP(), QString(c.expected));
    if (QString(c.message).isEmpty()) {
        EXPECT_TRUE(ui.shown.isEmpty());
    } else {
        ASSERT_EQ(ui.shown.size(), 1);
        EXPECT_EQ(ui.shown[0].text, QString(c.message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lookups, IdentityTest,
    ::testing::Values(
        IpCase{"OneAddress", HostLookup{true, 0, "press1", {ipv4(192, 168, 0, 21)}}, "192.168.0.21",
               ""},
        IpCase{"TwoAddressesGiveTheSecond",
               HostLookup{true, 0, "press1", {ipv4(10, 0, 0, 5), ipv4(172, 16, 3, 200)}},
               "172.16.3.200", ""},
        IpCase{"NoLeadingZeros", HostLookup{true, 0, "p", {ipv4(10, 1, 0, 255)}}, "10.1.0.255", ""},
        IpCase{"NameDoesNotResolve", HostLookup{true, 0, "ghost", {}}, "",
               "Winsock.dll is not responding."},
        IpCase{"HostNameUnreadable", HostLookup{false, 10093, "", {}}, "",
               "Windows Sockets Error 10093"},
        // Debian maps the host name to 127.0.1.1 in /etc/hosts.
        IpCase{"LoopbackFirstIsSkipped",
               HostLookup{true, 0, "press1", {ipv4(127, 0, 1, 1), ipv4(192, 168, 0, 21)}},
               "192.168.0.21", ""},
        IpCase{"LoopbackLastIsSkipped",
               HostLookup{true, 0, "press1", {ipv4(192, 168, 0, 21), ipv4(127, 0, 1, 1)}},
               "192.168.0.21", ""},
        IpCase{"OnlyLoopbackTakesTheLastInterface",
               HostLookup{true,
                          0,
                          "press1",
                          {ipv4(127, 0, 1, 1)},
                          {ipv4(127, 0, 0, 1), ipv4(10, 0, 0, 5), ipv4(172, 16, 3, 9)}},
               "172.16.3.9", ""},
        IpCase{"NothingButLoopback",
               HostLookup{true, 0, "panel", {ipv4(127, 0, 1, 1)}, {ipv4(127, 0, 0, 1)}},
               "127.0.1.1", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SystemLookup, HostEntryKeepsTheResolverOrder) {
    // An order that address selection would change: private 192.168 before 10.x.
    char a[] = {char(192), char(168), 0, 21}, b[] = {10, 0, 0, 5}, c[] = {char(172), 16, 3, 9};
    char* list[] = {a, b, c, nullptr};
    hostent entry{};
    entry.h_addrtype = AF_INET;
    entry.h_length = 4;
    entry.h_addr_list = list;
    EXPECT_EQ(gfHOST_ADDRESSES(entry),
              (QList<QByteArray>{ipv4(192, 168, 0, 21), ipv4(10, 0, 0, 5), ipv4(172, 16, 3, 9)}));
}

TEST(SystemLookup, ReadsTheHostName) {
    const HostLookup lookup = gfSYSTEM_LOOKUP();
    EXPECT_TRUE(lookup.hostNameOk);
    EXPECT_FALSE(lookup.hostName.isEmpty());
    for (const QByteArray& a : lookup.addresses + lookup.interfaces) EXPECT_EQ(a.size(), 4);
    EXPECT_FALSE(lookup.interfaces.isEmpty()) << "at least the loopback interface";
}

}  // namespace
