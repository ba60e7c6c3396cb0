#include <gtest/gtest.h>

#include "FreeTdsFixture.h"
#include "foundation/ReadOnlySql.h"

// Statement lists, row counts and reopening on the ODBC engine through FreeTDS,
// with the server's own transaction state.

using namespace mes;
using testsupport::TdsReply;

namespace {

using OdbcLists = FreeTdsFixture;

const QString kDeadlock = QStringLiteral(
    "Transaction (Process ID 55) was deadlocked on lock resources with another process and has "
    "been chosen as the deadlock victim. Rerun the transaction.");
const QString kDuplicate = QStringLiteral(
    "Violation of PRIMARY KEY constraint 'PK_P_SANGSAN_MASTER'. Cannot insert duplicate key in "
    "object 'dbo.P_SANGSAN_MASTER'.");

QString stockRow(int n) {
    return QStringLiteral(
               "INSERT INTO S_PRODUCT_STORE (product_code, ipgo_su) VALUES ('P-%1', "
               "'100000')")
        .arg(n);
}

TEST_F(OdbcLists, EachListIsAllOrNothingAfterTheServerRolledBackItself) {
    server.answer("'DEADLOCK'", TdsReply().error(1205, kDeadlock, 13).endsTransaction());
    server.answer("'DUPKEY'", TdsReply().error(2627, kDuplicate));
    const QString closeOrder =
        QStringLiteral("UPDATE B_JAKUPJISI_MASTER SET END_YN = '3' WHERE seq = '20260301001'");
    struct ListCase {
        QStringList statements;
        bool commits;
    };
    const QList<ListCase> lists = {
        {{stockRow(1), "UPDATE P_SANGSAN_MASTER SET bigo = 'DEADLOCK'", closeOrder}, false},
        {{stockRow(2), stockRow(3)}, true},
        {{stockRow(4), "INSERT INTO P_SANGSAN_MASTER (Op_Seq_sub) VALUES ('DUPKEY')", closeOrder},
         false},
        {{stockRow(5), closeOrder}, true},
    };
    ASSERT_TRUE(gfDB_CONNECT());
    QStringList expected;
    for (const ListCase& list : lists) {
        EXPECT_EQ(gfDB_EXEC_LIST(list.statements, "생산작업현황"), list.commits)
            << list.statements.first().toStdString();
        if (list.commits) expected += list.statements;
    }
    EXPECT_EQ(server.written().join('\n').toStdString(), expected.join('\n').toStdString());
    EXPECT_EQ(server.batches().count(closeOrder), 1) << "nothing after a failure is sent";
    EXPECT_EQ(ui.shown.size(), 2) << "one description box per failed list";
}

TEST_F(OdbcLists, ATransactionThatCannotBeClosedIsClosedWithTheConnection) {
    // The server still counts a transaction after the rollback: only a new
    // connection is sure to hold none.
    server.answer("SELECT @@TRANCOUNT",
                  TdsReply().rows({testsupport::TdsColumn::integer("")}, {{"1"}}));
    server.answer("'DUPKEY'", TdsReply().error(2627, kDuplicate));
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_FALSE(gfDB_EXEC_LIST({stockRow(1), stockRow(2) + " -- 'DUPKEY'"}, "L"));
    EXPECT_EQ(server.accepted(), 2);
    EXPECT_TRUE(session.isOpen());
    EXPECT_TRUE(gfDB_EXEC_LIST({stockRow(3)}, "L"));
    EXPECT_EQ(server.written(), QStringList{stockRow(3)});
    EXPECT_EQ(server.batches().count("USE [MES_ORVEL]"), 2) << "the default database again";
}

TEST_F(OdbcLists, ARestartBetweenTwoHelpersIsNotSeen) {
    const QString order = "SELECT jisiqty FROM B_JAKUPJISI_MASTER WHERE seq = '20260301001'";
    server.answer(order, TdsReply().rows({testsupport::TdsColumn::numeric("jisiqty", 18, 2)},
                                         {{"100000.00"}}));
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_EQ(gfDB_VALUE(order, "L").toString(), "100000");

    server.restart();
    EXPECT_EQ(gfDB_VALUE(order, "L").toString(), "100000") << "a read is sent again";
    server.restart();
    RecordData grid;
    DbError err;
    EXPECT_TRUE(session.fetch(order, &grid, &err)) << err.description.toStdString();
    server.restart();
    EXPECT_TRUE(gfDB_EXEC_LIST({stockRow(1), stockRow(2)}, "생산작업현황"))
        << "the list's begin found the link gone: nothing of it was sent";
    EXPECT_EQ(server.written(), QStringList({stockRow(1), stockRow(2)}));
    EXPECT_TRUE(ui.shown.isEmpty());
    EXPECT_EQ(server.accepted(), 4);

    // A batch that writes is not sent again: the first may have arrived.
    server.restart();
    const QString writes = "UPDATE REAL_TIME SET stop_yn = '1'; " + order;
    EXPECT_FALSE(gfDB_QUERY(writes, true, "L"));
    EXPECT_FALSE(server.batches().contains(writes));
}

TEST(ReadOnlySql, OnlyReadsAreSentAgain) {
    const QList<std::pair<QString, bool>> cases = {
        {"SELECT jisiqty FROM B_JAKUPJISI_MASTER WHERE seq = '20260301001'", true},
        {"IF OBJECT_ID('tempdb..##TEMP_REAL_LOT') IS NOT NULL\nSELECT lot_no FROM ##TEMP_REAL_LOT",
         true},
        {"select convert(char(10),getdate(),120) As SDATE", true},
        {"SELECT bigo FROM P_BADQTY WHERE bigo = '불량 ''UPDATE'' 메모' -- DELETE later", true},
        {"SELECT [update], \"insert\" /* DROP */ FROM t", true},
        {"UPDATE REAL_TIME SET stop_yn = '1'; SELECT 1", false},
        {"SELECT * INTO #lots FROM S_LOT_HISTORY", false},
        {"exec sp_who", false},
        {"delete from P_BIGADONG where idx = '7'", false},
    };
    for (const auto& [sql, readOnly] : cases)
        EXPECT_EQ(gfSQL_READ_ONLY(sql), readOnly) << sql.toStdString();
}

// What the server sends for each statement of a two-statement deletion, and
// whether gfDB_EXEC_LIST_CNT(.., 1) commits it.
struct CountCase {
    const char* name;
    TdsReply run;
    TdsReply order;
    bool commits;
};

void PrintTo(const CountCase& c, std::ostream* os) { *os << c.name; }

class StatementCounts : public FreeTdsFixture, public ::testing::WithParamInterface<CountCase> {};

TEST_P(StatementCounts, AreTheStatementsOwn) {
    const QString run =
        QStringLiteral("DELETE FROM P_SANGSAN_MASTER WHERE Op_Seq_sub = '20260301001001'");
    const QString order =
        QStringLiteral("DELETE FROM B_JAKUPJISI_MASTER WHERE seq = '20260301001'");
    server.answer("P_SANGSAN_MASTER", GetParam().run);
    server.answer("B_JAKUPJISI_MASTER", GetParam().order);
    ASSERT_TRUE(gfDB_CONNECT());
    EXPECT_EQ(gfDB_EXEC_LIST_CNT({run, order}, "작업지시목록", 1), GetParam().commits);
    const QStringList none;
    EXPECT_EQ(server.written(), GetParam().commits ? QStringList({run, order}) : none);
    EXPECT_TRUE(ui.shown.isEmpty()) << "a count mismatch shows nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Triggers, StatementCounts,
    ::testing::Values(CountCase{"PlainCounts", TdsReply().count(1), TdsReply().count(1), true},
                      CountCase{"AuditTriggersCountsComeFirst", TdsReply().count(1, {3}),
                                TdsReply().count(1, {1, 0}), true},
                      CountCase{"NoCountInTheUserOptions", TdsReply().silentCount(1),
                                TdsReply().silentCount(1), true},
                      CountCase{"TriggerCountsHideNoMissingRow", TdsReply().count(1, {1}),
                                TdsReply().count(0, {1}), false},
                      CountCase{"NoCountHidesNoMissingRow", TdsReply().silentCount(0),
                                TdsReply().silentCount(1), false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
