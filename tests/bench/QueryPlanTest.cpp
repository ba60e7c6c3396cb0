#include <gtest/gtest.h>

#include "PlantStatements.h"
#include "QueryPlan.h"
#include "engine/Database.h"
#include "foundation/DemoPlant.h"
#include "foundation/PlantRules.h"
#include "support/TempFolder.h"

namespace {

// Each test on a demo plant of its own.
class DemoPlan : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString path = folder.file(QStringLiteral("demo.db"));
        QString error;
        ASSERT_TRUE(mes::gfCREATE_DEMO(path, &error)) << error.toStdString();
        db.open(path);
        mes::usePlantRules(db);
    }
    testsupport::TempFolder folder;
    engine::Database db;
};

TEST_F(DemoPlan, FlagsTheStatementsThatReadAWholeHistoryTable) {
    struct Case {
        QString sql;
        QStringList scanned;
    };
    const Case cases[] = {
        // Grouping every run reads them all; the list looks up the runs of its orders.
        {QStringLiteral("SELECT seq, MAX(employee_no) FROM P_SangSan_Master GROUP BY seq"),
         {QStringLiteral("P_SANGSAN_MASTER")}},
        {plant::orderList(QStringLiteral("2026-12-01"), QString()), {}},
        // Found through an alias.
        {QStringLiteral("SELECT P_BAD.bad_qty FROM P_BADQTY P_BAD WHERE P_BAD.bigo = 'x'"),
         {QStringLiteral("P_BADQTY")}},
        {plant::runKeyOfOrder(QStringLiteral("20261208001001")), {}},
        // The IF's condition and the branch it takes; a master is not a history table.
        {plant::bomBatch(QStringLiteral("FP-100"), QStringLiteral("20261208001001")), {}},
    };
    for (const Case& c : cases) {
        const auto plan = mesbench::QueryPlan::of(db, c.sql);
        ASSERT_TRUE(plan.ok()) << plan.error().toStdString();
        QStringList tables;
        for (const QString& line : plan.bigTableScans()) tables << line.section(u':', 0, 0);
        EXPECT_EQ(tables, c.scanned) << plan.text().toStdString();
    }
    EXPECT_EQ(mesbench::QueryPlan::of(
                  db, plant::bomBatch(QStringLiteral("FP-100"), QStringLiteral("20261208001001")))
                  .text()
                  .count(QStringLiteral("statement ")),
              2);
}

// Every statement the screens send takes the access path made for it and reads no
// history table whole: a builder edited so that its path no longer applies fails
// here instead of slowing the screen down.
TEST_F(DemoPlan, EveryScreenStatementTakesItsPathAndScansNoHistory) {
    // A received material lot of the demo, its latest movement's date, read plainly.
    const QVariantList lot =
        db.executeNative(QStringLiteral("SELECT product_code, lot_no, MAX(reg_date) FROM "
                                        "S_PRODUCT_STORE WHERE culgo_type = '자재입고' "
                                        "GROUP BY product_code, lot_no ORDER BY 3 DESC LIMIT 1"))
            .last()
            .result.rows.value(0);
    ASSERT_EQ(lot.size(), 3);
    const QString m = lot[0].toString(), l = lot[1].toString(), d = lot[2].toString();
    const QString key = QStringLiteral("20261208001001");
    const struct {
        const char* name;
        QString sql;
        QString path;
    } paths[] = {
        {"order list", plant::orderList(QStringLiteral("2026-12-01"), QString()),
         QStringLiteral("grouped join")},
        {"first lot", plant::firstLot(m, d), QStringLiteral("lot totals")},
        {"next lots", plant::nextLots(m, d), QStringLiteral("lot totals")},
        {"stock in",
         plant::insertStoreIn(QStringLiteral("S_PRODUCT_STORE"), key, QStringLiteral("P01"),
                              QStringLiteral("15"), QStringLiteral("재공품추가"),
                              QStringLiteral("L1"), d, QString()),
         QStringLiteral("latest row")},
        {"stock out",
         plant::insertStoreOut(key, QStringLiteral("M01"), QStringLiteral("30"),
                               QStringLiteral("재공품소모"), QStringLiteral("L1"), d, QString(),
                               false),
         QStringLiteral("latest row")},
        {"lot list", plant::lotList(m, d), QStringLiteral("group key filter")},
        {"scanned lot", plant::scannedLot(m, l, d), QStringLiteral("group key filter")},
    };
    for (const auto& p : paths) {
        QStringList taken;
        for (const auto& step : db.translation(p.sql)->steps) taken << step.statement.paths;
        EXPECT_EQ(taken, QStringList{p.path}) << p.name;
        // The rules change the path, not the rows: the generic engine alone agrees.
        if (!p.sql.trimmed().startsWith(QStringLiteral("SELECT"), Qt::CaseInsensitive)) continue;
        engine::Database bare;
        bare.open(folder.file(QStringLiteral("demo.db")));
        QStringList bareTaken;
        for (const auto& step : bare.translation(p.sql)->steps) bareTaken << step.statement.paths;
        EXPECT_EQ(bareTaken, QStringList()) << p.name;
        const auto rows = [&p](engine::Database& d) { return d.execute(p.sql).last().result.rows; };
        const auto expected = rows(bare);
        EXPECT_FALSE(expected.isEmpty()) << p.name;
        EXPECT_EQ(rows(db), expected) << p.name;
    }
    for (const QString& sql : plant::allSamples()) {
        const auto plan = mesbench::QueryPlan::of(db, sql);
        ASSERT_TRUE(plan.ok()) << plan.error().toStdString();
        EXPECT_EQ(plan.bigTableScans(), QStringList()) << sql.toStdString();
    }
}

}  // namespace
