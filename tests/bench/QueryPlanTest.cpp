#include <gtest/gtest.h>

#include "PlantStatements.h"
#include "QueryPlan.h"
#include "engine/Database.h"
#include "foundation/DemoPlant.h"
#include "support/TempFolder.h"

namespace {

TEST(QueryPlan, FlagsTheStatementsThatReadAWholeHistoryTable) {
    testsupport::TempFolder folder;
    const QString path = folder.file(QStringLiteral("demo.db"));
    QString error;
    ASSERT_TRUE(mes::gfCREATE_DEMO(path, &error)) << error.toStdString();
    engine::Database db;
    db.open(path);
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

}  // namespace
