#include <gtest/gtest.h>
#include <sql.h>
#include <sqlext.h>

#include "FreeTdsFixture.h"
#include "engine/Database.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/OdbcEngine.h"
#include "foundation/Session.h"
#include "support/TempFolder.h"

// The ODBC engine through FreeTDS, the driver a plant runs, against a loopback
// server that answers as SQL Server would.

using namespace mes;
using testsupport::FakeTdsServer;
using testsupport::TdsReply;

namespace {

SQLULEN timeoutOf(void* hstmt) {
    SQLULEN seconds = 0;
    SQLGetStmtAttr(hstmt, SQL_ATTR_QUERY_TIMEOUT, &seconds, 0, nullptr);
    return seconds;
}

using OdbcFreeTds = FreeTdsFixture;

TEST_F(OdbcFreeTds, EveryStatementCarriesTheCommandTimeout) {
    OdbcEngine engine(server.connectString());
    QList<SQLULEN> seen;
    engine.setStatementHook([&](void* h) { seen << timeoutOf(h); });
    server.answer("SELECT v", TdsReply().rows({"v"}, {{"7"}}));
    DbError err;
    ASSERT_TRUE(engine.open(&err)) << err.description.toStdString();
    ASSERT_TRUE(engine.useDatabase("MES_ORVEL", &err));
    qint64 rows = 0;
    ASSERT_TRUE(engine.begin(&err));
    ASSERT_TRUE(engine.exec("UPDATE t SET a = 1", &rows, &err));
    ASSERT_TRUE(engine.commit(&err));
    ASSERT_TRUE(engine.begin(&err));
    engine.rollback();
    RecordData data;
    ASSERT_TRUE(engine.query("SELECT v", &data, &err));
    // Every batch the server got came through a statement with the time-out,
    // the transaction's own included.
    EXPECT_EQ(seen.size(), server.batches().size());
    EXPECT_EQ(seen.count(100), seen.size());
    EXPECT_TRUE(server.batches().contains("USE [MES_ORVEL]")) << "sent unchanged";
}

TEST_F(OdbcFreeTds, HungStatementTimesOutAndTheConnectionStays) {
    OdbcEngine engine(server.connectString());
    engine.setCommandTimeout(1);
    server.hang("WAITFOR");
    server.answer("SELECT 'after'", TdsReply().rows({"x"}, {{"after"}}));
    DbError err;
    ASSERT_TRUE(engine.open(&err));
    qint64 rows = 0;
    EXPECT_FALSE(engine.exec("WAITFOR DELAY '00:05:00'", &rows, &err));
    EXPECT_NE(err.number, DbError::kConnectionLost) << err.description.toStdString();
    EXPECT_TRUE(engine.isOpen());
    RecordData data;
    ASSERT_TRUE(engine.query("SELECT 'after'", &data, &err)) << err.description.toStdString();
    EXPECT_EQ(data.rows.value(0).value(0).toString(), "after");
}

TEST_F(OdbcFreeTds, HungCommitTimesOutLikeAStatementAndNothingIsLeftOpen) {
    OdbcEngine engine(server.connectString());
    engine.setCommandTimeout(1);
    server.hang("COMMIT TRANSACTION");
    DbError err;
    ASSERT_TRUE(engine.open(&err));
    ASSERT_TRUE(engine.begin(&err));
    ASSERT_TRUE(engine.exec("UPDATE REAL_TIME SET stop_yn = '1'", nullptr, &err));
    EXPECT_FALSE(engine.commit(&err));
    EXPECT_NE(err.number, DbError::kConnectionLost) << "cancelled, not dropped";
    EXPECT_EQ(server.attentions(), 1);
    engine.rollback();
    EXPECT_TRUE(engine.isOpen());
    EXPECT_TRUE(server.written().isEmpty()) << "the cancelled commit's transaction is rolled back";
    ASSERT_TRUE(engine.exec("UPDATE REAL_TIME SET stop_yn = '0'", nullptr, &err));
    EXPECT_EQ(server.written(), QStringList{"UPDATE REAL_TIME SET stop_yn = '0'"});
}

TEST_F(OdbcFreeTds, DroppedServerClosesTheSessionAndTheNextHelperReopensIt) {
    ASSERT_TRUE(gfDB_CONNECT());
    server.drop("DROPME");
    EXPECT_FALSE(gfDB_EXEC("UPDATE t SET a = 'DROPME'", "작업지시목록"));
    EXPECT_FALSE(session.isOpen());
    ASSERT_EQ(ui.shown.size(), 2) << "the reconnect question, then the description";
    EXPECT_TRUE(ui.shown[0].text.endsWith("재시도 하시겠습니까?"));
    const QByteArray log = folder.read(QDateTime::currentDateTime().toString("yyyyMM") + ".err");
    EXPECT_TRUE(log.contains("ERR NO(-2147467259)")) << log.constData();

    // The operator cancelled; the next helper reopens without a word.
    ui.shown.clear();
    server.answer("SELECT v", TdsReply().rows({"v"}, {{"7"}}));
    EXPECT_EQ(gfDB_VALUE("SELECT v", "L").toString(), "7");
    EXPECT_TRUE(session.isOpen());

    // The grid's fetch sees the lost connection by its number, then reopens too.
    server.drop("DROPGRID");
    RecordData data;
    DbError err;
    EXPECT_FALSE(session.fetch("SELECT DROPGRID", &data, &err));
    EXPECT_EQ(err.number, DbError::kConnectionLost);
    EXPECT_TRUE(session.fetch("SELECT v", &data, &err)) << err.description.toStdString();
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_F(OdbcFreeTds, ServerThatDropsAtLoginGivesItsCause) {
    server.setDropAtAccept(true);
    EXPECT_FALSE(gfDB_CONNECT());
    EXPECT_EQ(session.connection(), nullptr);
    ASSERT_EQ(ui.shown.size(), 1);
    const QString prefix = "데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ";
    EXPECT_TRUE(ui.shown[0].text.startsWith(prefix));
    EXPECT_GT(ui.shown[0].text.size(), prefix.size());
}

// What a batch gives, on the embedded engine (which runs it) and on ODBC (which
// gets SQL Server's answer to it): both must agree, the screens rely on it.
struct BatchCase {
    const char* name;
    const char* sql;
    TdsReply reply;
    bool isQuery;
    bool ok;
    QVariant expected;  // first value of the result, or the row count
};

void PrintTo(const BatchCase& c, std::ostream* os) { *os << c.name; }

class BatchAgreement : public ::testing::TestWithParam<BatchCase> {
  protected:
    void check(DbEngine& engine) {
        const BatchCase& c = GetParam();
        DbError err;
        ASSERT_TRUE(engine.open(&err)) << err.description.toStdString();
        QVariant got;
        bool ok = false;
        if (c.isQuery) {
            RecordData data;
            ok = engine.query(c.sql, &data, &err);
            got = data.rows.value(0).value(0);
        } else {
            qint64 rows = -2;
            ok = engine.exec(c.sql, &rows, &err);
            got = rows;
        }
        EXPECT_EQ(ok, c.ok) << engine.name().toStdString() << ": " << err.description.toStdString();
        if (!c.ok) {
            EXPECT_NE(err.number, 0);
            EXPECT_TRUE(engine.isOpen()) << "a failed statement is no lost connection";
        } else {
            EXPECT_EQ(got.toString(), c.expected.toString()) << engine.name().toStdString();
        }
    }
    testsupport::TempFolder folder;
};

TEST_P(BatchAgreement, Embedded) {
    const QString path = folder.file("plant.db");
    {
        engine::Database db;
        db.open(path);
        db.executeNative(
            "CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT);"
            "INSERT INTO t VALUES (1, 'a'), (2, 'b'), (3, 'c');");
    }
    EmbeddedEngine engine(path);
    check(engine);
}

TEST_P(BatchAgreement, Odbc) {
    FakeTdsServer server;
    server.answer(GetParam().sql, GetParam().reply);
    OdbcEngine engine(server.connectString());
    check(engine);
}

const QString kDuplicate =
    "Violation of PRIMARY KEY constraint 'PK_t'. Cannot insert duplicate key in object 'dbo.t'.";

INSTANTIATE_TEST_SUITE_P(
    Batches, BatchAgreement,
    ::testing::Values(
        BatchCase{"CountIsTheFirstStatementsOwn",
                  "UPDATE t SET name = 'x' WHERE id = 1; UPDATE t SET name = 'y'",
                  TdsReply().count(1).count(3), false, true, 1},
        BatchCase{"ResultIsTheFirstResultSet",
                  "SELECT name FROM t WHERE id = 1; SELECT name FROM t WHERE id = 2",
                  TdsReply().rows({"name"}, {{"a"}}).rows({"name"}, {{"b"}}), true, true, "a"},
        BatchCase{"CountsBeforeTheResultAreSkipped",
                  "UPDATE t SET name = 'z' WHERE id = 3; SELECT name FROM t WHERE id = 3",
                  TdsReply().count(1).rows({"name"}, {{"z"}}), true, true, "z"},
        BatchCase{"NullStaysNull", "SELECT NULL AS n", TdsReply().rows({"n"}, {{QString()}}), true,
                  true, QVariant()},
        BatchCase{"LaterFailureFailsTheBatch",
                  "UPDATE t SET name = 'q' WHERE id = 2; INSERT INTO t (id, name) VALUES (1, 'd')",
                  TdsReply().count(1).error(2627, kDuplicate),
                  false,
                  false,
                  {}},
        BatchCase{"LaterFailureFailsTheQuery",
                  "SELECT name FROM t WHERE id = 1; INSERT INTO t (id, name) VALUES (1, 'd')",
                  TdsReply().rows({"name"}, {{"a"}}).error(2627, kDuplicate),
                  true,
                  false,
                  {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Exact numbers as SQL Server sends them, read as the embedded engine reads the
// same values from its NUMERIC and DECIMAL columns.
TEST(NumericAgreement, OdbcReadsNumbersAsTheEmbeddedEngine) {
    const QList<QStringList> values = {
        {"1", "100000.00", "1.5000"},
        {"2", "0.10", "0.0250"},
        {"3", "-2.35", "12345.6789"},
        {"4", QString(), "-0.0050"},
    };
    const QString select = "SELECT jisiqty, usage FROM q ORDER BY n";
    testsupport::TempFolder folder;
    const QString path = folder.file("plant.db");
    {
        engine::Database db;
        db.open(path);
        db.executeNative("CREATE TABLE q (n INTEGER, jisiqty NUMERIC(18,2), usage DECIMAL(18,4))");
    }
    EmbeddedEngine embedded(path);
    DbError err;
    ASSERT_TRUE(embedded.open(&err));
    for (const QStringList& v : values) {
        const QString qty = v[1].isNull() ? "NULL" : "'" + v[1] + "'";
        ASSERT_TRUE(embedded.exec(
            QString("INSERT INTO q VALUES (%1, %2, '%3')").arg(v[0], qty, v[2]), nullptr, &err))
            << err.description.toStdString();
    }
    RecordData expected;
    ASSERT_TRUE(embedded.query(select, &expected, &err));

    FakeTdsServer server;
    QList<QStringList> sent;
    for (const QStringList& v : values) sent << QStringList{v[1], v[2]};
    server.answer(select, TdsReply().rows({testsupport::TdsColumn::numeric("jisiqty", 18, 2),
                                           testsupport::TdsColumn::decimal("usage", 18, 4)},
                                          sent));
    OdbcEngine odbc(server.connectString());
    ASSERT_TRUE(odbc.open(&err));
    RecordData got;
    ASSERT_TRUE(odbc.query(select, &got, &err)) << err.description.toStdString();

    ASSERT_EQ(got.rows.size(), expected.rows.size());
    for (qsizetype r = 0; r < got.rows.size(); ++r) {
        for (int c = 0; c < 2; ++c) {
            const QVariant& e = expected.rows[r][c];
            const QVariant& g = got.rows[r][c];
            EXPECT_EQ(g.typeId(), e.typeId()) << values[r][c + 1].toStdString();
            EXPECT_EQ(g, e) << values[r][c + 1].toStdString();
            EXPECT_EQ(g.toString().toStdString(), e.toString().toStdString());
        }
    }
    EXPECT_EQ(got.rows[0][0].toString().toStdString(), "100000") << "a whole quantity reads as one";
}

TEST(NumericAgreement, DateTimeArrivesAsTheInstant) {
    FakeTdsServer server;
    server.answer("SELECT getdate()", TdsReply().rows({testsupport::TdsColumn::dateTime("")},
                                                      {{"2026-03-01 07:30:15.250"}}));
    OdbcEngine odbc(server.connectString());
    DbError err;
    ASSERT_TRUE(odbc.open(&err));
    RecordData got;
    ASSERT_TRUE(odbc.query("SELECT getdate()", &got, &err));
    EXPECT_EQ(got.rows.value(0).value(0).toDateTime(),
              QDateTime(QDate(2026, 3, 1), QTime(7, 30, 15, 250)));
}

}  // namespace
