#include <gtest/gtest.h>

#include "SessionFixture.h"
#include "foundation/EmbeddedEngine.h"
#include "foundation/OdbcEngine.h"

using namespace mes;

namespace {

using SessionTest = SessionFixture;

TEST_P(SessionTest, ConnectOpensTheSession) {
    EXPECT_FALSE(session.isOpen());
    EXPECT_TRUE(gfDB_CONNECT());
    EXPECT_TRUE(session.isOpen());
    EXPECT_TRUE(ui.shown.isEmpty());
    EXPECT_EQ(ui.busyDepth, 0) << "the pointer is back to the default";
}

TEST_P(SessionTest, ConnectFailureShowsTheCauseAndDropsTheSession) {
    if (odbc()) {
        session.setEngineFactory([] {
            return std::make_unique<OdbcEngine>("DRIVER={No Such Driver};Database=x;",
                                                OdbcEngine::Dialect::Plain);
        });
    } else {
        session.setEngineFactory(
            [p = folder.file("missing/dir/x.db")] { return std::make_unique<EmbeddedEngine>(p); });
    }
    EXPECT_FALSE(gfDB_CONNECT());
    EXPECT_EQ(session.connection(), nullptr);
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].text.startsWith("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - "));
    EXPECT_GT(ui.shown[0].text.size(),
              QString("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - ").size());
    EXPECT_EQ(ui.shown[0].icon, UserInterface::Icon::Warning);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_P(SessionTest, QueryHelpersOnNoRows) {
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_FALSE(gfDB_QUERY("SELECT id FROM t", false, "L"));
    EXPECT_TRUE(gvRS().isOpen()) << "left open for the caller to close";
    EXPECT_TRUE(gvRS().eof());
    const QVariant v = gfDB_VALUE("SELECT id FROM t", "L");
    EXPECT_EQ(v.toString(), "");
    EXPECT_FALSE(gvRS().isOpen());
    const QVariantList row = gfDB_ROW("SELECT id, name FROM t", "L");
    ASSERT_EQ(row.size(), 1);
    EXPECT_EQ(row[0].toString(), "");
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_P(SessionTest, QueryHelpersOnRows) {
    direct("INSERT INTO t VALUES (1, 'a', 150), (2, NULL, 2.5)");
    ASSERT_TRUE(gfDB_CONNECT());
    ASSERT_TRUE(gfDB_QUERY("SELECT id, name, qty FROM t ORDER BY id", false, "L"));
    EXPECT_EQ(gvRS().recordCount(), 2);
    EXPECT_EQ(gvRS().value(0).toInt(), 1);
    EXPECT_EQ(gvRS().text(1), "a");
    gvRS().moveNext();
    EXPECT_TRUE(gvRS().value(1).isNull()) << "nulls stay null";
    EXPECT_DOUBLE_EQ(gvRS().value(2).toDouble(), 2.5);
    gvRS().moveNext();
    EXPECT_TRUE(gvRS().eof());
    gvRS().close();

    EXPECT_TRUE(gfDB_QUERY("SELECT id FROM t", true, "L"));
    EXPECT_FALSE(gvRS().isOpen()) << "close-at-once";

    EXPECT_EQ(gfDB_VALUE("SELECT qty FROM t WHERE id = 1", "").toInt(), 150);
    EXPECT_EQ(gfDB_VALUE("SELECT name FROM t WHERE id = 2", "").toString(), "")
        << "a null first column gives an empty text";
    const QVariantList row = gfDB_ROW("SELECT id, name, qty FROM t WHERE id = 2", "");
    ASSERT_EQ(row.size(), 3);
    EXPECT_TRUE(row[1].isNull());
}

TEST_P(SessionTest, TextComesBackWholeAndUnchanged) {
    const QString longText = QString("볼트 'M8' ").repeated(700);  // beyond one read of the driver
    ASSERT_TRUE(gfDB_CONNECT());
    ASSERT_TRUE(gfDB_EXEC("INSERT INTO t (id, name) VALUES (1, '" + gfSQ(longText) + "')", "L"));
    EXPECT_EQ(gfDB_VALUE("SELECT name FROM t", "L").toString(), longText);
    EXPECT_EQ(gfDB_VALUE("SELECT '' AS e", "L").toString(), "");
}

TEST_P(SessionTest, RecordSetReadsByNameAndPosition) {
    direct("INSERT INTO t VALUES (7, 'x', 1)");
    ASSERT_TRUE(gfDB_CONNECT());
    ASSERT_TRUE(gfDB_QUERY("SELECT id AS Code, name AS Label FROM t", false, ""));
    EXPECT_EQ(gvRS().value("code").toInt(), 7) << "names compare case-insensitively";
    EXPECT_EQ(gvRS().text("LABEL"), "x");
    EXPECT_FALSE(gvRS().value("missing").isValid());
    EXPECT_EQ(gvRS().fieldCount(), 2);
    gvRS().close();
}

TEST_P(SessionTest, ExecCommits) {
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_TRUE(gfDB_EXEC("\nINSERT INTO t (id, name)\nVALUES ('1', 'one')", "L"));
    EXPECT_EQ(count("t"), 1);
    EXPECT_EQ(ui.busyDepth, 0);
}

TEST_P(SessionTest, FailingStatementRollsBackLogsAndShowsTheDescription) {
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_FALSE(gfDB_EXEC("INSERT INTO no_such_table VALUES (1)", "작업지시목록"));
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].text.contains("no_such_table")) << ui.shown[0].text.toStdString();
    const QByteArray log = folder.read(QDateTime::currentDateTime().toString("yyyyMM") + ".err");
    EXPECT_TRUE(log.contains("ERR LOCATION : 작업지시목록 / ")) << log.constData();
    EXPECT_TRUE(log.contains("ERR NO("));
    EXPECT_EQ(ui.busyDepth, 0);

    // A failing query reports the same way and returns nothing.
    ui.shown.clear();
    EXPECT_FALSE(gfDB_QUERY("SELECT nope FROM t", false, "Q"));
    EXPECT_EQ(gfDB_VALUE("SELECT nope FROM t", "Q").toString(), "");
    EXPECT_TRUE(gfDB_ROW("SELECT nope FROM t", "Q").isEmpty());
    EXPECT_EQ(ui.shown.size(), 3);
    EXPECT_FALSE(gvRS().isOpen());
}

TEST_P(SessionTest, ListWhoseSecondStatementFailsLeavesTheDatabaseAsBefore) {
    direct("INSERT INTO t VALUES (1, 'keep', 1)");
    ASSERT_TRUE(gfDB_CONNECT());
    const QStringList list{"UPDATE t SET name = 'changed' WHERE id = 1",
                           "INSERT INTO missing_table VALUES (1)",
                           "INSERT INTO t VALUES (3, 'never', 1)"};
    EXPECT_FALSE(gfDB_EXEC_LIST(list, "L"));
    EXPECT_EQ(count("t"), 1);
    EXPECT_EQ(gfDB_VALUE("SELECT name FROM t WHERE id = 1", "").toString(), "keep");
    EXPECT_EQ(ui.shown.size(), 1);

    EXPECT_TRUE(gfDB_EXEC_LIST(
        {"INSERT INTO t VALUES (4, 'a', 1)", "UPDATE t SET qty = 9 WHERE id = 4"}, "L"));
    EXPECT_EQ(gfDB_VALUE("SELECT qty FROM t WHERE id = 4", "").toInt(), 9);
}

TEST_P(SessionTest, ListCountMismatchRollsBackWithoutAMessage) {
    direct("INSERT INTO t VALUES (1, 'a', 1), (2, 'b', 1)");
    ASSERT_TRUE(gfDB_CONNECT());
    const QStringList list{"DELETE FROM t WHERE id = 1", "DELETE FROM t WHERE id = 99"};
    EXPECT_FALSE(gfDB_EXEC_LIST_CNT(list, "frm_S_jakupjisi_list", 1));
    EXPECT_EQ(count("t"), 2);
    EXPECT_TRUE(ui.shown.isEmpty());
    const QByteArray log = folder.read(QDateTime::currentDateTime().toString("yyyyMM") + ".err");
    EXPECT_EQ(log, QByteArray("ERR LOCATION : frm_S_jakupjisi_list / \r\n\r\n\r\n"));

    // Two rows where one is expected is a mismatch too.
    EXPECT_FALSE(gfDB_EXEC_LIST_CNT({"UPDATE t SET qty = 2"}, "L", 1));
    EXPECT_EQ(gfDB_VALUE("SELECT SUM(qty) FROM t", "").toInt(), 2);

    EXPECT_TRUE(
        gfDB_EXEC_LIST_CNT({"DELETE FROM t WHERE id = 1", "DELETE FROM t WHERE id = 2"}, "L", 1));
    EXPECT_EQ(count("t"), 0);
}

TEST_P(SessionTest, DroppedConnectionIsReopenedSilentlyByTheNextExec) {
    ASSERT_TRUE(gfDB_CONNECT());
    session.connection()->close();
    ASSERT_FALSE(session.isOpen());
    EXPECT_TRUE(gfDB_EXEC("INSERT INTO t VALUES (5, 'after', 1)", "L"));
    EXPECT_TRUE(session.isOpen());
    EXPECT_TRUE(ui.shown.isEmpty());
    EXPECT_EQ(count("t"), 1);

    session.connection()->close();
    EXPECT_EQ(gfDB_VALUE("SELECT name FROM t", "").toString(), "after");
}

TEST_P(SessionTest, QuietRowOfATimerLeavesALostConnectionToTheOperatorsNextAction) {
    direct("INSERT INTO t VALUES (1, '합계', 100000), (2, 'x', 2.5)");
    ASSERT_TRUE(gfDB_CONNECT());
    const QString sql = "SELECT sum(qty) AS qty, count(*) AS n FROM t";
    EXPECT_EQ(gfDB_ROW_QUIET(sql, "L").value(0).toDouble(), 100002.5);
    const auto outages = [this] {
        const QByteArray log =
            folder.read(QDateTime::currentDateTime().toString("yyyyMM") + ".err");
        return log.count(QString("ERR LOCATION : 생산작업현황 / ").toUtf8());
    };

    // The server goes away: the connection is dropped and cannot be opened again.
    const QString cs = QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(dbPath);
    const Session::EngineFactory reachable = [cs, viaOdbc = odbc(),
                                              p = dbPath]() -> std::unique_ptr<DbEngine> {
        if (viaOdbc) return std::make_unique<OdbcEngine>(cs, OdbcEngine::Dialect::Plain);
        return std::make_unique<EmbeddedEngine>(p);
    };
    int opens = 0;
    session.setEngineFactory([this, &opens] {
        ++opens;
        return std::make_unique<EmbeddedEngine>(folder.file("gone/plant.db"));
    });
    session.connection()->close();
    for (int tick = 0; tick < 5; ++tick) EXPECT_TRUE(gfDB_ROW_QUIET(sql, "생산작업현황").isEmpty());
    EXPECT_EQ(opens, 0) << "a timer does not block on a reconnect";
    EXPECT_TRUE(ui.shown.isEmpty());
    EXPECT_EQ(outages(), 1) << "one record for the whole outage";
    EXPECT_FALSE(gvRS().isOpen());

    // The operator's next action tries again and reports as the helpers do.
    EXPECT_TRUE(gfDB_ROW(sql, "생산작업현황").isEmpty());
    EXPECT_EQ(opens, 1);
    ASSERT_EQ(ui.shown.size(), 3);
    EXPECT_TRUE(ui.shown[0].text.startsWith("데이타베이스를 OPEN 할수 없습니다.\nCAUSE - "));
    EXPECT_EQ(ui.shown[1].text, "데이터베이스와의 접속이 끊여졌습니다.\n재시도 하시겠습니까?");

    // Back: the next action reconnects silently; a later outage is recorded again.
    ui.shown.clear();
    session.setEngineFactory(reachable);
    EXPECT_EQ(gfDB_ROW(sql, "L").value(1).toInt(), 2);
    EXPECT_TRUE(ui.shown.isEmpty());
    session.connection()->close();
    EXPECT_TRUE(gfDB_ROW_QUIET(sql, "생산작업현황").isEmpty());
    EXPECT_EQ(outages(), 3) << "the operator's failure and the second outage";

    // A statement that fails on a live connection is no outage: reported as by gfDB_ROW.
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_TRUE(gfDB_ROW_QUIET("SELECT nope FROM t", "L").isEmpty());
    ASSERT_EQ(ui.shown.size(), 1);
    EXPECT_TRUE(ui.shown[0].text.contains("nope")) << ui.shown[0].text.toStdString();
}

TEST_P(SessionTest, RsOpenReadsAndReleases) {
    direct("INSERT INTO t VALUES (1, 'a', 1)");
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_TRUE(gfDB_RS_OPEN("SELECT name AS SDATE FROM t", false));
    EXPECT_EQ(gvRS().text("SDATE"), "a");
    EXPECT_TRUE(gfDB_RS_OPEN("SELECT name FROM t", true));
    EXPECT_FALSE(gvRS().isOpen());
    EXPECT_FALSE(gfDB_RS_OPEN("SELECT broken FROM", false));
    EXPECT_EQ(ui.shown.size(), 1);
}

TEST_P(SessionTest, RsOpenAndGridFetchReopenAClosedSessionUnderTheHourglass) {
    direct("INSERT INTO t VALUES (1, 'a', 1)");
    ASSERT_TRUE(gfDB_CONNECT());
    QList<int> busyWhileRunning;
    session.setTrace([&](const mes::TraceEvent&) { busyWhileRunning << ui.busyDepth; });
    session.connection()->close();
    EXPECT_TRUE(gfDB_RS_OPEN("SELECT name FROM t", false));
    EXPECT_EQ(gvRS().text(0), "a");
    gvRS().close();

    session.connection()->close();
    RecordData data;
    DbError err;
    EXPECT_TRUE(session.fetch("SELECT name FROM t", &data, &err)) << err.description.toStdString();
    EXPECT_EQ(data.rows.value(0).value(0).toString(), "a");
    EXPECT_EQ(busyWhileRunning, (QList<int>{1, 1})) << "the reopen keeps the hourglass on";
    EXPECT_EQ(ui.busyDepth, 0);
    EXPECT_TRUE(ui.shown.isEmpty());
}

TEST_P(SessionTest, TraceSeesEveryStatement) {
    QList<mes::TraceEvent> seen;
    session.setTrace([&](const mes::TraceEvent& e) { seen << e; });
    ASSERT_TRUE(gfDB_CONNECT());
    gfDB_EXEC("INSERT INTO t VALUES (1, 'a', 1)", "");
    gfDB_VALUE("SELECT id FROM t", "");
    gfDB_EXEC("bad statement", "");
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0].engine, GetParam());
    EXPECT_EQ(seen[1].statement, "SELECT id FROM t");
    EXPECT_TRUE(seen[1].ok);
    EXPECT_FALSE(seen[2].ok);
    EXPECT_GT(seen[0].elapsedNs, 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, SessionTest, ::testing::Values("embedded", "odbc"),
                         [](const auto& info) { return std::string(info.param); });

TEST(StatementText, ListAndQuoting) {
    gsSQL_LIST_START();
    EXPECT_FALSE(gfSQL_LIST_READY()) << "nothing added";
    gvSQL = "";
    gsSQL("DELETE FROM a");
    gsSQL("WHERE k = '" + gfSQ("it's") + "'");
    gsSQL_LIST_ADD();
    EXPECT_TRUE(gfSQL_LIST_READY());
    ASSERT_EQ(gvSQLList.size(), 1);
    EXPECT_EQ(gvSQLList[0], "\nDELETE FROM a\nWHERE k = 'it''s'");
}

TEST(OdbcConnectString, IsBuiltExactly) {
    EXPECT_EQ(OdbcEngine::connectString("db.plant,1433", "sa", "p;w", "MES_ORVEL"),
              "DRIVER={SQL Server};Server=db.plant,1433;UID=sa;PWD=p;w; database =MES_ORVEL;");
}

}  // namespace
