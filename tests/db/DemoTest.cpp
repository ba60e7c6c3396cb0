#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include "PlantColumns.h"
#include "PlantDb.h"
#include "foundation/DemoPlant.h"
#include "foundation/TerminalClock.h"
#include "foundation/TerminalIdentity.h"
#include "support/RecordingUI.h"
#include "support/TempFolder.h"

using plantdb::PlantDb;

namespace {

// The first days of a month, so that a week back lies in the month before.
const QDateTime kNow(QDate(2026, 3, 2), QTime(10, 15, 0));
const char kTerminalIp[] = "10.20.30.40";

mes::HostLookup terminalLookup() {
    return mes::HostLookup{true, 0, "press1", {QByteArray("\x0a\x14\x1e\x28", 4)}};
}

QString day(int offset) { return kNow.date().addDays(offset).toString("yyyy-MM-dd"); }

class DemoPlant : public ::testing::Test {
  protected:
    void SetUp() override {
        mes::TerminalClock::setFixed(kNow);
        mes::gsSET_RESOLVER(terminalLookup);
        path = folder.file(QStringLiteral("demo.db"));
        QString error;
        ASSERT_TRUE(mes::gfCREATE_DEMO(path, &error)) << error.toStdString();
        db = std::make_unique<PlantDb>(path);
    }
    void TearDown() override {
        mes::gsSET_RESOLVER({});
        mes::TerminalClock::reset();
    }

    int count(const QString& sql) const { return db->value(sql).toInt(); }

    testsupport::RecordingUI ui;
    testsupport::TempFolder folder;
    QString path;
    std::unique_ptr<PlantDb> db;
};

TEST_F(DemoPlant, HoldsWorkOrdersInAllThreeStates) {
    for (const char* state : {"1", "2", "3"}) {
        EXPECT_GE(
            count(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE end_yn = '%1'")
                      .arg(state)),
            2)
            << "END_YN " << state;
    }
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE end_yn NOT IN ('1','2','3')"),
              0);
}

TEST_F(DemoPlant, FinishedOrdersOfSevenAndEightDaysAgoStraddleTheListWindow) {
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER "
                                   "WHERE end_yn = '3' AND jisi_date = '%1'")
                        .arg(day(-8))),
              1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER "
                                   "WHERE end_yn = '3' AND jisi_date = '%1'")
                        .arg(day(-7))),
              1);
    // The list keeps open orders and orders finished within the last seven days.
    const QString listed = QStringLiteral(
                               "SELECT jisi_date FROM B_JAKUPJISI_MASTER WHERE end_yn IN ('1','2') "
                               "OR (end_yn = '3' AND jisi_date >= '%1')")
                               .arg(day(-7));
    QStringList dates;
    for (const auto& r : db->rows(listed)) dates << r.first().toString();
    EXPECT_TRUE(dates.contains(day(-7)));
    EXPECT_FALSE(dates.contains(day(-8)));
    EXPECT_TRUE(dates.contains(day(0)));
}

TEST_F(DemoPlant, OneMachineIsTheTerminalThatCreatedIt) {
    const auto rows =
        db->rows(QStringLiteral(
                     "SELECT equipment_code, process_code FROM B_EQUIPMENT WHERE ipaddress = '%1'")
                     .arg(kTerminalIp));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().at(1).toString(), QStringLiteral("1000"));  // the press
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_EQUIPMENT WHERE ipaddress IS NULL OR ipaddress = ''"),
              0);
}

TEST_F(DemoPlant, TheTerminalsHistoryScreensHaveRowsForToday) {
    const QString machine =
        QStringLiteral("(SELECT equipment_code FROM B_EQUIPMENT WHERE ipaddress = '%1')")
            .arg(kTerminalIp);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM P_SANGSAN_MASTER "
                                   "WHERE jisi_date = '%1' AND equipment_code = %2")
                        .arg(day(0), machine)),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM P_BADQTY b JOIN P_SANGSAN_MASTER s "
                                   "ON s.op_seq_sub = b.op_seq_sub WHERE s.jakup_date = '%1' "
                                   "AND s.equipment_code = %2")
                        .arg(day(0), machine)),
              0);
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM P_BIGADONG WHERE biga_date = '%1' "
                                   "AND equipment_code = %2")
                        .arg(day(0), machine)),
              0);
}

TEST_F(DemoPlant, RunsExistForStartedOrdersWithKeysMadeFromTheOrderDate) {
    const auto orders =
        db->rows("SELECT seq, prod_no, jisi_date, end_yn, process_code FROM B_JAKUPJISI_MASTER");
    ASSERT_FALSE(orders.isEmpty());
    for (const auto& o : orders) {
        const QString seq = o.at(0).toString();
        const auto runs = db->rows(QStringLiteral("SELECT op_seq, op_seq_sub, prod_no, lot_no, "
                                                  "etime, jisi_date FROM P_SANGSAN_MASTER "
                                                  "WHERE seq = '%1'")
                                       .arg(seq));
        const QString state = o.at(3).toString();
        if (state == QLatin1String("1")) {
            EXPECT_TRUE(runs.isEmpty()) << seq.toStdString();
            continue;
        }
        ASSERT_EQ(runs.size(), 1) << seq.toStdString();
        const auto& r = runs.first();
        const QString opSeq = r.at(0).toString();
        EXPECT_EQ(opSeq.size(), 11);
        EXPECT_TRUE(opSeq.startsWith(o.at(2).toString().remove('-'))) << opSeq.toStdString();
        EXPECT_EQ(r.at(1).toString(), opSeq + QStringLiteral("001"));
        EXPECT_EQ(r.at(2).toString(), o.at(1).toString());
        EXPECT_EQ(r.at(5).toString(), o.at(2).toString());
        if (state == QLatin1String("3")) {
            // The produced lot: characters 3 to 8 of the order number, "/", the process.
            EXPECT_EQ(r.at(3).toString(), o.at(1).toString().mid(2, 6) + '/' + o.at(4).toString());
            EXPECT_FALSE(r.at(4).toString().isEmpty());
        } else {
            EXPECT_TRUE(r.at(3).isNull());
            EXPECT_TRUE(r.at(4).toString().isEmpty());
        }
    }
}

TEST_F(DemoPlant, NumberCountersRunFromOneWithoutGaps) {
    // The next run or order of a date then gets the counter after the highest.
    for (const auto& q :
         {QStringLiteral("SELECT substr(op_seq,1,8), COUNT(*), MAX(CAST(substr(op_seq,9,3) AS "
                         "INTEGER)) FROM P_SANGSAN_MASTER GROUP BY substr(op_seq,1,8)"),
          QStringLiteral("SELECT substr(prod_no,1,8), COUNT(*), MAX(CAST(substr(prod_no,9,3) AS "
                         "INTEGER)) FROM B_JAKUPJISI_MASTER GROUP BY substr(prod_no,1,8)")}) {
        for (const auto& r : db->rows(q)) {
            EXPECT_EQ(r.at(1).toInt(), r.at(2).toInt()) << r.at(0).toString().toStdString();
        }
    }
}

TEST_F(DemoPlant, EachRunsBadCountIsTheSumOfItsCauses) {
    const auto runs = db->rows(
        "SELECT s.op_seq_sub, s.bad_qty, (SELECT SUM(b.bad_qty) FROM P_BADQTY b "
        "WHERE b.op_seq_sub = s.op_seq_sub) FROM P_SANGSAN_MASTER s");
    ASSERT_FALSE(runs.isEmpty());
    for (const auto& r : runs) {
        EXPECT_EQ(r.at(1).toLongLong(), r.at(2).toLongLong()) << r.at(0).toString().toStdString();
    }
    // Causes are those of the run's process.
    EXPECT_EQ(count("SELECT COUNT(*) FROM P_BADQTY b WHERE NOT EXISTS (SELECT 1 FROM "
                    "B_PROCESSBAD1 p WHERE p.processbad_code = b.processbad_code "
                    "AND p.process_code = b.process_code)"),
              0);
}

class StockLedger : public DemoPlant, public ::testing::WithParamInterface<const char*> {};

TEST_P(StockLedger, EveryBalanceIsTheRunningSumOfItsProduct) {
    const auto rows = db->rows(
        QStringLiteral(
            "SELECT product_code, IFNULL(ipgo_su,0), IFNULL(culgo_su,0), jego_su, idx FROM %1 "
            "ORDER BY product_code, reg_date, idx")
            .arg(GetParam()));
    ASSERT_GT(rows.size(), 3);
    QString product;
    double balance = 0;
    for (const auto& r : rows) {
        if (r.at(0).toString() != product) {
            product = r.at(0).toString();
            balance = 0;
        }
        balance += r.at(1).toDouble() - r.at(2).toDouble();
        ASSERT_FALSE(r.at(3).isNull()) << "idx " << r.at(4).toLongLong();
        EXPECT_DOUBLE_EQ(r.at(3).toDouble(), balance)
            << product.toStdString() << " idx " << r.at(4).toLongLong();
        EXPECT_GE(balance, 0) << product.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Stores, StockLedger,
                         ::testing::Values("S_PRODUCT_STORE", "P_PRODUCT_STORE"),
                         [](const auto& info) { return std::string(info.param); });

TEST_F(DemoPlant, TheAdvanceStockLotComesFirstAndHasStock) {
    // The first-in first-out order of the material lookup, per lot up to today.
    const auto lots = db->rows(
        QStringLiteral("SELECT lot_no, SUM(IFNULL(ipgo_su,0)) - SUM(IFNULL(culgo_su,0)) AS stock, "
                       "CASE WHEN lot_no LIKE '%선진행재고%' THEN '1' ELSE '2' END AS gubun "
                       "FROM S_PRODUCT_STORE WHERE product_code = 'RM-100' AND reg_date <= '%1' "
                       "GROUP BY lot_no HAVING stock > 0 ORDER BY gubun, lot_no")
            .arg(day(0)));
    ASSERT_GE(lots.size(), 2);
    EXPECT_TRUE(lots.first().at(0).toString().contains(QStringLiteral("선진행재고")));
    EXPECT_GT(lots.first().at(1).toDouble(), 0);
}

TEST_F(DemoPlant, ALotRegisteredAfterTodayIsNotYetInStock) {
    EXPECT_GT(count(QStringLiteral("SELECT COUNT(*) FROM S_PRODUCT_STORE WHERE reg_date > '%1'")
                        .arg(day(0))),
              0);
}

TEST_F(DemoPlant, BillsOfMaterialAreOneLevelAndComplete) {
    // A component hangs under a product's own row, never under another component.
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_BOM c JOIN B_BOM p ON c.high_bom_code = p.bom_code "
                    "WHERE p.high_bom_code IS NOT NULL"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_BOM c WHERE c.high_bom_code IS NOT NULL AND NOT "
                    "EXISTS (SELECT 1 FROM B_BOM p WHERE p.bom_code = c.high_bom_code)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_BOM b WHERE NOT EXISTS (SELECT 1 FROM "
                    "B_PRODUCT_MASTER m WHERE m.product_code = b.product_code)"),
              0);
    // Every ordered product has components, each with a usage.
    const auto ordered = db->rows("SELECT DISTINCT product_code FROM B_JAKUPJISI_MASTER");
    for (const auto& o : ordered) {
        EXPECT_GT(
            count(QStringLiteral(
                      "SELECT COUNT(*) FROM B_BOM p JOIN B_BOM c ON p.bom_code = c.high_bom_code "
                      "WHERE p.product_code = '%1' AND c.usage > 0")
                      .arg(o.first().toString())),
            0)
            << o.first().toString().toStdString();
    }
}

TEST_F(DemoPlant, EveryMasterHasRowsAndTheHandOffTableIsEmpty) {
    for (const auto& t : plantdb::plantTables()) {
        const int rows = count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.name));
        if (t.name == QLatin1String("S_DATAREPORT1")) {
            EXPECT_EQ(rows, 0);
        } else {
            EXPECT_GT(rows, 0) << t.name.toStdString();
        }
    }
    EXPECT_GE(count("SELECT COUNT(*) FROM B_CUSTOMER"), 3);
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_PROCESS WHERE process_code = '1000'"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_PROCESS p WHERE NOT EXISTS (SELECT 1 FROM "
                    "B_PROCESSBAD1 b WHERE b.process_code = p.process_code)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_PRODUCT_MASTER WHERE use_yn = '0'"), 1);
}

TEST_F(DemoPlant, EveryMachineHasALiveRowAndAStoppedOneHasAnOpenStop) {
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_EQUIPMENT e WHERE NOT EXISTS (SELECT 1 FROM "
                    "REAL_TIME r WHERE r.equipment_code = e.equipment_code)"),
              0);
    const auto stopped = db->rows("SELECT equipment_code FROM REAL_TIME WHERE bigadong = 'TRUE'");
    ASSERT_FALSE(stopped.isEmpty());
    for (const auto& s : stopped) {
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM P_BIGADONG WHERE equipment_code = "
                                       "'%1' AND etime IS NULL AND bigadong_code = ''")
                            .arg(s.first().toString())),
                  1);
    }
}

TEST_F(DemoPlant, TheInspectionStandardHasItemsAndASheet) {
    const auto items = db->rows(
        "SELECT s.process_test_num, COUNT(*) FROM Q_CHOJUNGJONGTEST_STD s "
        "JOIN Q_CHOJUNGJONGTEST_STD_SUB u ON u.process_test_num = s.process_test_num "
        "JOIN B_TESTLIST t ON t.testlist_code = u.testlist_code "
        "JOIN B_TESTLIST_TYPE y ON y.testlist_type_code = t.testlist_type_code "
        "WHERE s.reg_yn = '1' GROUP BY s.process_test_num");
    ASSERT_FALSE(items.isEmpty());
    EXPECT_GE(items.first().at(1).toInt(), 3);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Q_CHOJUNGJONGTEST_RESULT r JOIN "
                                   "B_JAKUPJISI_MASTER j ON j.seq = r.seq "
                                   "WHERE r.process_test_date = '%1' AND j.end_yn = '2'")
                        .arg(day(0))),
              1);
    // Today's moulding sheet of an order in progress.
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM Q_MOLDTEST_RESULT q JOIN "
                                   "B_JAKUPJISI_MASTER j ON j.seq = q.op_seq_sub "
                                   "WHERE q.test_date = '%1' AND j.end_yn = '2'")
                        .arg(day(0))),
              1);
}

TEST_F(DemoPlant, RefusesToOverwriteAnExistingFile) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
    file.close();
    db.reset();

    QString error;
    EXPECT_FALSE(mes::gfCREATE_DEMO(path, &error));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256), before);
}

TEST_F(DemoPlant, LeavesOnlyTheFinishedFile) {
    db.reset();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"demo.db"});
}

TEST(DemoPlantWithoutAddress, FallsBackToTheLoopbackAddress) {
    testsupport::RecordingUI ui;
    testsupport::TempFolder folder;
    mes::gsSET_RESOLVER([] { return mes::HostLookup{true, 0, "ghost", {}}; });
    QString error;
    const QString path = folder.file(QStringLiteral("demo.db"));
    const bool made = mes::gfCREATE_DEMO(path, &error);
    mes::gsSET_RESOLVER({});
    ASSERT_TRUE(made) << error.toStdString();
    PlantDb db(path);
    EXPECT_EQ(
        db.value("SELECT ipaddress FROM B_EQUIPMENT WHERE equipment_code = 'P-01'").toString(),
        QStringLiteral("127.0.0.1"));
    ASSERT_EQ(ui.shown.size(), 1);  // the look-up's own message
}

}  // namespace
