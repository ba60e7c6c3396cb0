#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include "PlantDb.h"
#include "PlantStatements.h"
#include "ScaledPlant.h"
#include "foundation/DemoPlant.h"
#include "foundation/PlantRules.h"
#include "foundation/TerminalClock.h"
#include "support/TempFolder.h"

using plantdb::PlantDb;

namespace {

const QDateTime kNow(QDate(2026, 3, 2), QTime(10, 15, 0));

QString day(int offset) {
    return kNow.date().addDays(offset).toString(QStringLiteral("yyyy-MM-dd"));
}

// One small plant and one demo plant made at the same moment, shared by the cases.
class ScaledPlant : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        mes::TerminalClock::setFixed(kNow);
        folder_ = new testsupport::TempFolder;
        QString error;
        ASSERT_TRUE(mesbench::createScaledPlant(folder_->file(QStringLiteral("small.db")),
                                                mesbench::ScaledPlantSize::small(), &error))
            << error.toStdString();
        ASSERT_TRUE(mes::gfCREATE_DEMO(folder_->file(QStringLiteral("demo.db")), &error))
            << error.toStdString();
        plant_ = new PlantDb(folder_->file(QStringLiteral("small.db")));
        demo_ = new PlantDb(folder_->file(QStringLiteral("demo.db")));
    }
    static void TearDownTestSuite() {
        delete plant_;
        delete demo_;
        delete folder_;
        mes::TerminalClock::reset();
    }

    // A count always has a row: none means the statement failed.
    static qlonglong count(const QString& sql) {
        const auto rows = plant_->rows(sql);
        if (rows.isEmpty())
            ADD_FAILURE() << plant_->lastError().toStdString() << "\n" << sql.toStdString();
        return rows.isEmpty() ? -1 : rows.first().first().toLongLong();
    }

    static testsupport::TempFolder* folder_;
    static PlantDb* plant_;
    static PlantDb* demo_;
};

testsupport::TempFolder* ScaledPlant::folder_ = nullptr;
PlantDb* ScaledPlant::plant_ = nullptr;
PlantDb* ScaledPlant::demo_ = nullptr;

TEST_F(ScaledPlant, HoldsTheOrdersAndLedgerRowsOfItsSizeInRealisticProportions) {
    EXPECT_EQ(count("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER"), 1000);
    EXPECT_EQ(count("SELECT (SELECT COUNT(*) FROM S_PRODUCT_STORE) + "
                    "(SELECT COUNT(*) FROM P_PRODUCT_STORE)"),
              10000);
    const double runs = count("SELECT COUNT(*) FROM P_SANGSAN_MASTER");
    EXPECT_GE(runs, 990);
    struct Share {
        const char* table;
        double low, high;  // rows per run
    };
    for (const Share& s : {Share{"P_BADQTY", 0.5, 2.0}, Share{"P_BIGADONG", 0.8, 3.0},
                           Share{"S_LOT_HISTORY", 3.0, 9.0}, Share{"P_PRODUCT_IPGO", 0.5, 0.95},
                           Share{"M_MATERIAL_IPHA", 0.3, 3.0}}) {
        const double perRun = count(QStringLiteral("SELECT COUNT(*) FROM %1").arg(s.table)) / runs;
        EXPECT_GE(perRun, s.low) << s.table;
        EXPECT_LE(perRun, s.high) << s.table;
    }
    // Two years of history ending before the demo's oldest order.
    EXPECT_EQ(plant_->value("SELECT MIN(jisi_date) FROM B_JAKUPJISI_MASTER").toString(), day(-738));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(DISTINCT jisi_date) FROM B_JAKUPJISI_MASTER "
                                   "WHERE jisi_date < '%1'")
                        .arg(day(-8))),
              730);
}

TEST_F(ScaledPlant, KeysAreUniqueWellFormedAndReferToTheirRuns) {
    const char* const faults[] = {
        "SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE seq <> prod_no || '001' OR prod_no NOT GLOB "
        "replace(jisi_date, '-', '') || '[0-9][0-9][0-9]'",
        "SELECT COUNT(*) - COUNT(DISTINCT prod_no) FROM B_JAKUPJISI_MASTER",
        "SELECT COUNT(*) FROM P_SANGSAN_MASTER s LEFT JOIN B_JAKUPJISI_MASTER o ON o.seq = s.seq "
        "WHERE o.seq IS NULL OR s.prod_no <> o.prod_no OR s.jisi_date <> o.jisi_date "
        "OR s.op_seq_sub <> s.op_seq || '001' "
        "OR s.op_seq NOT GLOB replace(o.jisi_date, '-', '') || '[0-9][0-9][0-9]'",
        "SELECT COUNT(*) - COUNT(DISTINCT op_seq) FROM P_SANGSAN_MASTER",
        // A run exists exactly for the orders that were started.
        "SELECT COUNT(*) FROM B_JAKUPJISI_MASTER o WHERE (o.end_yn IN ('2', '3')) <> "
        "EXISTS (SELECT 1 FROM P_SANGSAN_MASTER s WHERE s.seq = o.seq)",
        "SELECT COUNT(*) FROM P_BADQTY b WHERE b.op_seq_sub NOT IN "
        "(SELECT op_seq_sub FROM P_SANGSAN_MASTER) OR b.op_seq <> substr(b.op_seq_sub, 1, 11)",
        "SELECT COUNT(*) FROM P_BIGADONG b WHERE b.op_seq_sub NOT IN "
        "(SELECT op_seq_sub FROM P_SANGSAN_MASTER)",
        "SELECT COUNT(*) FROM P_SANGSAN_MASTER s WHERE s.bad_qty <> "
        "(SELECT IFNULL(SUM(b.bad_qty), 0) FROM P_BADQTY b WHERE b.op_seq_sub = s.op_seq_sub)",
        "SELECT COUNT(*) FROM S_LOT_HISTORY h WHERE h.ipgo_no_sub NOT IN "
        "(SELECT op_seq_sub FROM P_SANGSAN_MASTER)",
        "SELECT COUNT(*) - COUNT(DISTINCT ipaddress) FROM B_EQUIPMENT",
        "SELECT COUNT(*) FROM B_EQUIPMENT e WHERE e.equipment_code NOT IN "
        "(SELECT equipment_code FROM REAL_TIME)",
        "SELECT COUNT(*) FROM B_JAKUPJISI_MASTER o WHERE o.equipment_code NOT IN "
        "(SELECT equipment_code FROM B_EQUIPMENT) OR o.product_code NOT IN "
        "(SELECT product_code FROM B_PRODUCT_MASTER) OR o.customer_code NOT IN "
        "(SELECT customer_code FROM B_CUSTOMER)",
    };
    for (const char* sql : faults) EXPECT_EQ(count(sql), 0) << sql;
}

TEST_F(ScaledPlant, LedgersCarryRunningBalancesAndNoLotGoesNegative) {
    for (const char* table : {"S_PRODUCT_STORE", "P_PRODUCT_STORE"}) {
        // Balance after each movement, in the order of date and idx.
        EXPECT_EQ(
            count(QStringLiteral(
                      "SELECT COUNT(*) FROM (SELECT jego_su, SUM(IFNULL(ipgo_su, 0) - "
                      "IFNULL(culgo_su, 0)) OVER (PARTITION BY product_code ORDER BY reg_date, "
                      "idx) AS running FROM %1) WHERE jego_su <> running")
                      .arg(table)),
            0)
            << table;
        EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM %1 GROUP BY "
                                       "product_code, lot_no HAVING SUM(IFNULL(ipgo_su, 0) - "
                                       "IFNULL(culgo_su, 0)) < 0)")
                            .arg(table)),
                  0)
            << table;
    }
    // Every lot taken has its genealogy row.
    EXPECT_EQ(count("SELECT COUNT(*) FROM S_PRODUCT_STORE WHERE culgo_type = '재공품소모'"),
              count("SELECT COUNT(*) FROM S_LOT_HISTORY"));
}

TEST_F(ScaledPlant, TheFiftyComponentProductHasEveryComponentInStock) {
    const QString product = QString::fromLatin1(mesbench::kFiftyComponentProduct);
    const auto master = plant_->rows(QStringLiteral("SELECT customer_code, equipment_code, type, "
                                                    "use_yn FROM B_PRODUCT_MASTER WHERE "
                                                    "product_code = '%1'")
                                         .arg(product));
    ASSERT_EQ(master.size(), 1);
    EXPECT_EQ(master[0], (QVariantList{QString::fromLatin1(mesbench::kFiftyComponentCustomer),
                                       QString::fromLatin1(mesbench::kFiftyComponentMachine),
                                       QStringLiteral("완제품"), QStringLiteral("1")}));
    const QString components =
        QStringLiteral(
            "SELECT c.product_code FROM B_BOM h JOIN B_BOM c ON c.high_bom_code = "
            "h.bom_code WHERE h.product_code = '%1'")
            .arg(product);
    EXPECT_EQ(
        count(QStringLiteral("SELECT COUNT(DISTINCT product_code) FROM (%1)").arg(components)), 50);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM (SELECT product_code FROM "
                                   "S_PRODUCT_STORE WHERE product_code IN (%1) AND reg_date <= "
                                   "'%2' GROUP BY product_code HAVING SUM(IFNULL(ipgo_su, 0) - "
                                   "IFNULL(culgo_su, 0)) > 0)")
                        .arg(components, day(0))),
              50);
}

TEST_F(ScaledPlant, TheDemosDaysHoldExactlyTheDemosOrders) {
    const QString recent = QStringLiteral(
                               "SELECT seq, jisi_date, customer_code, equipment_code, end_yn, qty "
                               "FROM B_JAKUPJISI_MASTER WHERE jisi_date >= '%1' ORDER BY seq")
                               .arg(day(-8));
    const auto expected = demo_->rows(recent);
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(plant_->rows(recent), expected);
    EXPECT_EQ(
        count("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE end_yn <> '3'"),
        demo_->value("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE end_yn <> '3'").toLongLong());
}

TEST_F(ScaledPlant, TheWorkOrderListShowsTheDemosRows) {
    engine::Database plant;
    engine::Database demo;
    plant.open(folder_->file(QStringLiteral("small.db")));
    demo.open(folder_->file(QStringLiteral("demo.db")));
    mes::usePlantRules(plant);
    mes::usePlantRules(demo);
    for (const QString& filter : {QString(), QStringLiteral("AND B_JAK.Customer_Code = 'C001'"),
                                  QStringLiteral("\nAND B_JAK.jisi_date = '%1'").arg(day(0))}) {
        const QString sql = plant::orderList(day(-7), filter);
        const auto expected = demo.execute(sql).first().result.rows;
        EXPECT_FALSE(expected.isEmpty()) << filter.toStdString();
        EXPECT_EQ(plant.execute(sql).first().result.rows, expected) << filter.toStdString();
    }
}

// Orders left open are finished history orders, spread evenly over their dates:
// each third of them in date order gets a third of the open ones.
TEST_F(ScaledPlant, OrdersLeftOpenAreHistoryOrdersSpreadOverTheirDates) {
    const QString path = folder_->file(QStringLiteral("open.db"));
    ASSERT_TRUE(QFile::copy(folder_->file(QStringLiteral("small.db")), path));
    const QString finished = QStringLiteral(
        "SELECT seq FROM B_JAKUPJISI_MASTER WHERE end_yn = '3' ORDER BY jisi_date, seq");
    QStringList before;
    for (const auto& row : plant_->rows(finished)) before << row.first().toString();
    ASSERT_GT(before.size(), 900);
    QString error;
    ASSERT_EQ(mesbench::leaveOrdersOpen(path, 300, &error), 300) << error.toStdString();
    PlantDb open(path);
    QSet<QString> opened;
    for (const auto& row : open.rows(QStringLiteral("SELECT seq FROM B_JAKUPJISI_MASTER "
                                                    "WHERE end_yn = '2'")))
        opened << row.first().toString();
    const qsizetype third = before.size() / 3;
    for (int part = 0; part < 3; ++part) {
        int n = 0;
        for (const QString& seq : before.mid(part * third, third)) n += opened.contains(seq);
        EXPECT_NEAR(n, 100, 2) << "third " << part;
    }
    EXPECT_EQ(open.value(QStringLiteral("SELECT COUNT(*) FROM B_JAKUPJISI_MASTER WHERE end_yn "
                                        "= '3'"))
                  .toLongLong(),
              before.size() - 300);
    EXPECT_EQ(mesbench::leaveOrdersOpen(path, 1000000, &error), before.size() - 300)
        << "all that are left when fewer";
}

TEST_F(ScaledPlant, AnExistingFileIsLeftAlone) {
    const QString path = folder_->file(QStringLiteral("small.db"));
    const QByteArray before = folder_->read(QStringLiteral("small.db"));
    QString error;
    EXPECT_FALSE(mesbench::createScaledPlant(path, mesbench::ScaledPlantSize::small(), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("exists")));
    EXPECT_EQ(folder_->read(QStringLiteral("small.db")), before);
}

}  // namespace
