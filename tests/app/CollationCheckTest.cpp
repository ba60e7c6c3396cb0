// The collation point of --check, through the real FreeTDS driver against the
// loopback TDS server.
#include <gtest/gtest.h>

#include "../foundation/FakeTdsServer.h"
#include "app/DatabaseCheck.h"
#include "app/QuietUserInterface.h"
#include "foundation/Configuration.h"

using namespace mes;
using testsupport::FakeTdsServer;
using testsupport::TdsColumn;
using testsupport::TdsReply;

TEST(CollationCheck, OnlyAKoreanOrUtf8CodePageKeepsTheTerminalsTexts) {
    struct Case {
        QString collation;
        QString codePage;
        QString line;
    };
    const QString lost = QStringLiteral(
        " stores the Korean texts the terminal sends as \"??\"; make the plant database with a "
        "Korean collation, e.g. CREATE DATABASE ... COLLATE Korean_Wansung_CI_AS");
    const QList<Case> cases = {
        {"Korean_Wansung_CI_AS", "949", "collation: ok - Korean_Wansung_CI_AS (code page 949)"},
        {"Latin1_General_100_CI_AS_SC_UTF8", "65001",
         "collation: ok - Latin1_General_100_CI_AS_SC_UTF8 (code page 65001)"},
        {"SQL_Latin1_General_CP1_CI_AS", "1252",
         "collation: FAILED - SQL_Latin1_General_CP1_CI_AS (code page 1252)" + lost},
        {"Japanese_CI_AS", "932", "collation: FAILED - Japanese_CI_AS (code page 932)" + lost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.collation.toStdString());
        FakeTdsServer server;
        server.answer("getdate()",
                      TdsReply().rows(QStringList{"SDATE", "STIME"}, {{"2026-12-09", "07:41:12"}}));
        server.answer("DATABASEPROPERTYEX",
                      TdsReply().rows({TdsColumn::text("coll"), TdsColumn::integer("cp")},
                                      {{c.collation, c.codePage}}));
        const QString cs = server.connectString();
        const QString hostPort = cs.section("Server=", 1).section(';', 0, 0);
        Configuration& config = gvConfig();
        config.IMIP = hostPort;
        config.DBUSER = "sa";
        config.DBPWD = "x";
        config.DBNAME = "MES";
        CheckOptions options;
        CheckReport report;
        QuietUserInterface ui;
        DatabaseCheck check(options, &report, &ui);
        check.connection();
        check.collation();
        ASSERT_EQ(report.lines().size(), 2) << report.lines().join('\n').toStdString();
        EXPECT_TRUE(report.lines().at(0).startsWith("database: ok - "))
            << report.lines().at(0).toStdString();
        EXPECT_EQ(report.lines().at(1).toStdString(), c.line.toStdString());
    }
}
