#include <gtest/gtest.h>

#include "FakeTdsServer.h"
#include "foundation/OdbcEngine.h"

// FreeTDS reads no protocol version from odbcinst.ini nor from freetds.conf for
// the terminal's DRIVER=...;Server=host,port connect string; it does read
// $TDSVER at every login, which the engine sets unless it is set already.

using namespace mes;

namespace {

class TdsVer {
  public:
    explicit TdsVer(const QByteArray& value) : saved_(qgetenv("TDSVER")) {
        if (value.isNull()) {
            qunsetenv("TDSVER");
        } else {
            qputenv("TDSVER", value);
        }
    }
    ~TdsVer() {
        if (saved_.isNull()) {
            qunsetenv("TDSVER");
        } else {
            qputenv("TDSVER", saved_);
        }
    }

  private:
    QByteArray saved_;
};

// Logins a server that drops every connection at once gets from one open.
int loginAttempts() {
    testsupport::FakeTdsServer server;
    server.setDropAtAccept(true);
    OdbcEngine engine(server.connectString());
    DbError err;
    EXPECT_FALSE(engine.open(&err));
    return server.accepted();
}

TEST(TdsVersionPin, AFailedLoginIsNotTriedAgainWithAnOlderProtocol) {
    {
        TdsVer unset{QByteArray()};
        EXPECT_EQ(loginAttempts(), 1);
        EXPECT_EQ(qgetenv("TDSVER"), QByteArray(OdbcEngine::kTdsVersion));
    }
    TdsVer automatic("auto");
    EXPECT_EQ(loginAttempts(), 2) << "a version set outside stays: unpinned, 7.4 then 5.0";
}

}  // namespace
